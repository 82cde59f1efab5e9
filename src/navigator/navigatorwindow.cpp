#include "navigator/navigatorwindow.h"

#include "base/stringtable.h"
#include "documents/documentset.h"
#include "documents/documentwindow.h"
#include "navigator/navigatorpalette.h"
#include "navigator/navigatorrules.h"
#include "platform/engine/engine.h"
#include "platform/twips.h"
#include "ui/captions.h"
#include "ui/onscreen.h"
#include "ui/pictures.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QWindow>

namespace kelvane {

namespace {

constexpr int kTitleId = 2500;

// Column widths of the list in hundredths of a millimetre: 6068 for the site, one inch for
// the status.
constexpr int kSiteColumnWidth = 6068;
constexpr int kStatusColumnWidth = 2540;
// The list's margins, in twips.
constexpr int kListLeft = 10;
constexpr int kListMargin = 20;

double hundredthsMmToTwips(int hundredths) {
    return hundredths * kTwipsPerInch / 2540.0;
}

} // namespace

NavigatorWindow::NavigatorWindow(DocumentSet& documents, QWidget* owner)
    : QWidget(owner, Qt::Tool)
    , m_toolbar(new QToolBar(this))
    , m_pin(new QToolButton(this))
    , m_list(new QTreeView(this))
    , m_resizeTimer(new QTimer(this))
    , m_loadingTimer(new QTimer(this)) {
    setMouseTracking(true);

    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The captions and tool tips are string identifiers until the captions are applied.
    addToolbarAction(QStringLiteral("New"), Picture::NavigatorNew, QStringLiteral("1101"),
                     QStringLiteral("1107"));
    addToolbarAction(QStringLiteral("Close"), Picture::NavigatorClose, QStringLiteral("2501"),
                     QStringLiteral("2502"));
    addToolbarAction(QStringLiteral("Refresh"), Picture::NavigatorRefresh, QStringLiteral("1104"),
                     QStringLiteral("1110"));
    addToolbarAction(QStringLiteral("Stop"), Picture::NavigatorStop, QStringLiteral("1105"),
                     QStringLiteral("1111"));

    m_pin->setCheckable(true);
    m_pin->setAutoRaise(true);
    m_pin->setIcon(picture(Picture::NavigatorPin));
    m_pin->setIconSize(QSize(16, 16));
    // Unchecked at start: the next click keeps the window visible.
    m_pin->setToolTip(tr("Keep visible"));
    m_pin->setAccessibleName(m_pin->toolTip());
    connect(m_pin, &QToolButton::clicked, this, &NavigatorWindow::pinClicked);

    m_list->setModel(&documents);
    m_list->setAccessibleName(tr("Open documents"));
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsMovable(false);
    m_list->setColumnWidth(DocumentSet::SiteColumn,
                           twipsToPixels(hundredthsMmToTwips(kSiteColumnWidth), dpi()));
    m_list->setColumnWidth(DocumentSet::StatusColumn,
                           twipsToPixels(hundredthsMmToTwips(kStatusColumnWidth), dpi()));
    m_list->viewport()->setMouseTracking(true);
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QTreeView::clicked, this, [this] { rowClicked(); });
    // Enter on a row chooses it as a click does.
    connect(m_list, &QTreeView::activated, this, [this] { rowClicked(); });

    m_palette = new NavigatorPalette(m_list, this);
    connect(m_palette, &NavigatorPalette::openChanged, this, [this] { placeControls(); });
    connect(m_palette, &NavigatorPalette::chosen, this, &NavigatorWindow::paletteChose);
    connect(m_palette, &NavigatorPalette::cancelled, this, &NavigatorWindow::paletteClosed);

    m_resizeTimer->setInterval(kNavigatorTickMs);
    connect(m_resizeTimer, &QTimer::timeout, this, &NavigatorWindow::resizeTick);

    m_loadingTimer->setInterval(kNavigatorLoadingTickMs);
    connect(m_loadingTimer, &QTimer::timeout, this, &NavigatorWindow::loadingTick);

    setCaptionId(this, kTitleId);
    applyCaptions(this);

    const double d = dpi();
    resize(twipsToPixels(kDesignWidth, d), twipsToPixels(kDesignHeight, d));
    move(twipsToPixels(kDesignLeft, d), twipsToPixels(kDesignTop, d));
    keepOnScreen(this);
    m_heightTwips = kDesignHeight;
}

NavigatorWindow::~NavigatorWindow() = default;

QAction* NavigatorWindow::addToolbarAction(const QString& key, Picture icon, const QString& caption,
                                           const QString& toolTip) {
    QAction* action = m_toolbar->addAction(picture(icon), caption);
    action->setObjectName(key);
    action->setToolTip(toolTip);
    connect(action, &QAction::triggered, this, [this, key] { buttonClicked(key); });
    return action;
}

QAction* NavigatorWindow::toolbarButton(const QString& key) const {
    for (QAction* action : m_toolbar->actions()) {
        if (!key.isEmpty() && action->objectName() == key)
            return action;
    }
    return nullptr;
}

double NavigatorWindow::dpi() const {
    return logicalDpiY();
}

int NavigatorWindow::heightTwips() const {
    const int outer = frameGeometry().height();
    if (m_heightTwips >= 0 && twipsToPixels(m_heightTwips, dpi()) == outer)
        return m_heightTwips;
    return roundHalfEven(pixelsToTwips(outer, dpi()));
}

void NavigatorWindow::setHeightTwips(int twips) {
    const int frame = frameGeometry().height() - height();
    const int outer = twipsToPixels(twips, dpi());
    // resize() keeps the top edge where it is.
    resize(width(), std::max(1, outer - frame));
    m_heightTwips = twips;
}

void NavigatorWindow::setNewMenu(QMenu* menu) {
    // The tool button pops the menu up under itself, at its bottom-left corner.
    if (auto* button = qobject_cast<QToolButton*>(
            m_toolbar->widgetForAction(toolbarButton(QStringLiteral("New"))))) {
        button->setMenu(menu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

void NavigatorWindow::startLoadingAnimation() {
    // Every progress report asks for the animation; restarting a running timer would keep
    // pushing its next tick away while reports come faster than it ticks.
    if (!m_loadingTimer->isActive())
        m_loadingTimer->start();
}

void NavigatorWindow::stopLoadingAnimation() {
    m_loadingTimer->stop();
    setWindowTitle(tableString(kTitleId));
}

void NavigatorWindow::loadingTick() {
    m_loadingDots = static_cast<qint16>(nextLoadingDots(m_loadingDots));
    setWindowTitle(loadingCaption(tableString(kTitleId), m_loadingDots));
}

void NavigatorWindow::startShrink() {
    m_shrinking = true;
    m_resizeTimer->start();
}

void NavigatorWindow::startGrow() {
    m_shrinking = false;
    m_resizeTimer->start();
}

void NavigatorWindow::resizeTick() {
    // A window on its way to the screen is sized by the window manager once it gets there;
    // a step taken before would be lost. The animation waits for it.
    if (isVisible() && windowHandle() && !windowHandle()->isExposed())
        return;
    const int height = heightTwips();
    const NavigatorTick tick = navigatorTick(height, m_shrinking, m_pin->isChecked());
    if (tick.stop)
        m_resizeTimer->stop();
    else if (tick.height != height)
        setHeightTwips(tick.height);
}

void NavigatorWindow::pinClicked() {
    // The tool tip names what the next click does.
    m_pin->setToolTip(m_pin->isChecked() ? tr("Auto shrink") : tr("Keep visible"));
    m_pin->setAccessibleName(m_pin->toolTip());
}

DocumentWindow* NavigatorWindow::selectedDocument() const {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows(DocumentSet::SiteColumn);
    if (rows.isEmpty())
        return nullptr;
    return qobject_cast<DocumentWindow*>(
        rows.first().data(DocumentSet::DocumentRole).value<QObject*>());
}

void NavigatorWindow::rowClicked() {
    DocumentWindow* document = selectedDocument();
    if (!document)
        return;
    document->bringToFront();
    activateWindow();
    m_list->setFocus(Qt::OtherFocusReason);
}

void NavigatorWindow::buttonClicked(const QString& key) {
    if (key == QLatin1String("New")) {
        Q_EMIT newRequested();
        return;
    }
    DocumentWindow* document = selectedDocument();
    if (!document)
        return;
    if (key == QLatin1String("Close")) {
        document->closeDocument();
    } else if (key == QLatin1String("Refresh")) {
        document->engine()->reload();
    } else if (key == QLatin1String("Stop")) {
        document->engine()->stop();
    }
}

void NavigatorWindow::showPalette() {
    if (!m_palette->isOpen())
        m_hiddenBeforePalette = isHidden();
    show();
    raise();
    activateWindow();
    // The list is needed now, not after the grow animation.
    if (!m_pin->isChecked() && heightTwips() < kNavigatorGrownHeight)
        setHeightTwips(kNavigatorGrownHeight);
    m_palette->open();
}

void NavigatorWindow::paletteChose(int row) {
    auto* document = qobject_cast<DocumentWindow*>(
        m_list->model()->index(row, 0).data(DocumentSet::DocumentRole).value<QObject*>());
    if (document) {
        document->bringToFront();
        document->window()->activateWindow();
        document->engine()->widget()->setFocus(Qt::OtherFocusReason);
    }
    paletteClosed();
}

void NavigatorWindow::paletteClosed() {
    if (m_hiddenBeforePalette)
        hide();
    m_hiddenBeforePalette = false;
}

void NavigatorWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            startGrow();
        else
            startShrink();
    }
    QWidget::changeEvent(event);
}

void NavigatorWindow::closeEvent(QCloseEvent* event) {
    hide();
    // Until the main window allows it at exit, closing only hides: the window stays with its
    // rows and View, Navigator shows it again.
    if (m_mayClose)
        event->accept();
    else
        event->ignore();
}

bool NavigatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list->viewport() && event->type() == QEvent::MouseMove)
        startGrow();
    return QWidget::eventFilter(watched, event);
}

void NavigatorWindow::mouseMoveEvent(QMouseEvent* event) {
    startGrow();
    QWidget::mouseMoveEvent(event);
}

// The mouse coming over any part of the window, its toolbar and pin included: their own moves
// never reach the window.
void NavigatorWindow::enterEvent(QEnterEvent* event) {
    startGrow();
    QWidget::enterEvent(event);
}

// Only shows and hides asked for count: when the owner hides or is minimized, the window
// system takes its tool windows along, and that must not uncheck View, Navigator.
void NavigatorWindow::setVisible(bool visible) {
    QWidget::setVisible(visible);
    reportVisibility(visible);
}

void NavigatorWindow::reportVisibility(bool visible) {
    if (m_visibleReported == int(visible))
        return;
    m_visibleReported = int(visible);
    Q_EMIT visibilityChanged(visible);
}

void NavigatorWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeControls();
}

// No layout: a layout would give the window a minimum height, and the window must be able to
// shrink to its caption strip.
void NavigatorWindow::placeControls() {
    const double d = dpi();
    const int barHeight = m_toolbar->sizeHint().height();
    const int pinSize = barHeight;
    m_toolbar->setGeometry(0, 0, std::max(0, width() - pinSize), barHeight);
    m_pin->setGeometry(std::max(0, width() - pinSize), 0, pinSize, pinSize);
    const int left = twipsToPixels(kListLeft, d);
    const int margin = twipsToPixels(kListMargin, d);
    // The filter box, while it shows, sits between the toolbar and the list.
    int top = barHeight;
    if (m_palette->isOpen()) {
        const int boxHeight = m_palette->box()->sizeHint().height();
        m_palette->box()->setGeometry(left, top, std::max(0, width() - margin), boxHeight);
        top += boxHeight;
    }
    m_list->setGeometry(left, top, std::max(0, width() - margin),
                        std::max(0, height() - top - margin));
}

} // namespace kelvane
