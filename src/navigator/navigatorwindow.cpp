#include "navigator/navigatorwindow.h"

#include "base/captionrules.h"
#include "base/stringtable.h"
#include "documents/documentset.h"
#include "documents/documentwindow.h"
#include "navigator/navigatorrules.h"
#include "platform/engine/engine.h"
#include "platform/twips.h"
#include "ui/captions.h"
#include "ui/themedpictures.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

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
    , m_timer1(new QTimer(this))
    , m_tmrLoading(new QTimer(this)) {
    setObjectName(QStringLiteral("frmNavigator"));
    setMouseTracking(true);

    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The captions and tool tips are string identifiers until the captions are applied.
    addButton(QStringLiteral("New"), "document-new", QStringLiteral("1101"),
              QStringLiteral("1107"));
    addButton(QStringLiteral("Close"), "window-close", QStringLiteral("2501"),
              QStringLiteral("2502"));
    addButton(QStringLiteral("Refresh"), "view-refresh", QStringLiteral("1104"),
              QStringLiteral("1110"));
    addButton(QStringLiteral("Stop"), "process-stop", QStringLiteral("1105"),
              QStringLiteral("1111"));

    m_pin->setObjectName(QStringLiteral("Check1"));
    m_pin->setCheckable(true);
    m_pin->setAutoRaise(true);
    m_pin->setIcon(themedPicture({"window-pin", "view-pin", nullptr},
                                 QStringLiteral(":/icons/navigator-pin.svg")));
    m_pin->setIconSize(QSize(16, 16));
    // Unchecked at start: the next click keeps the window visible.
    m_pin->setToolTip(QStringLiteral("Keep visible"));
    connect(m_pin, &QToolButton::clicked, this, &NavigatorWindow::Check1_Click);

    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setModel(&documents);
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
    connect(m_list, &QTreeView::clicked, this, [this] { ListView1_Click(); });

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(navigator::kTickMs);
    m_timer1->setProperty("Tag", QStringLiteral("0"));
    connect(m_timer1, &QTimer::timeout, this, &NavigatorWindow::Timer1_Timer);

    m_tmrLoading->setObjectName(QStringLiteral("tmrLoading"));
    m_tmrLoading->setInterval(navigator::kLoadingTickMs);
    connect(m_tmrLoading, &QTimer::timeout, this, &NavigatorWindow::tmrLoading_Timer);

    // The title's identifier sits in the Tag only while the captions are applied; from then
    // on the Tag is the permission to close.
    setProperty(kCaptionIdProperty, QString::number(kTitleId));
    applyCaptions(this);
    setProperty("Tag", QStringLiteral("0"));

    const double d = dpi();
    resize(twipsToPixels(kDesignWidth, d), twipsToPixels(kDesignHeight, d));
    move(twipsToPixels(kDesignLeft, d), twipsToPixels(kDesignTop, d));
    m_heightTwips = kDesignHeight;
}

NavigatorWindow::~NavigatorWindow() = default;

QAction* NavigatorWindow::addButton(const QString& key, const char* themeName,
                                    const QString& caption, const QString& toolTip) {
    const QString builtIn = QStringLiteral(":/icons/navigator-%1.svg").arg(key.toLower());
    QAction* action =
        m_toolbar->addAction(themedPicture({themeName, nullptr, nullptr}, builtIn), caption);
    action->setObjectName(key);
    action->setToolTip(toolTip);
    connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
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
    if (!m_tmrLoading->isActive())
        m_tmrLoading->start();
}

void NavigatorWindow::stopLoadingAnimation() {
    m_tmrLoading->stop();
    setWindowTitle(tableString(kTitleId));
}

void NavigatorWindow::tmrLoading_Timer() {
    m_loadingDots = static_cast<qint16>(nextLoadingDots(m_loadingDots));
    setWindowTitle(loadingCaption(tableString(kTitleId), m_loadingDots));
}

void NavigatorWindow::startShrink() {
    m_timer1->setProperty("Tag", QStringLiteral("1"));
    m_timer1->start();
}

void NavigatorWindow::startGrow() {
    m_timer1->setProperty("Tag", QStringLiteral("0"));
    m_timer1->start();
}

void NavigatorWindow::Timer1_Timer() {
    const auto mode = leadingNumber16(m_timer1->property("Tag").toString());
    const bool shrinking = !mode || *mode != 0;
    const int height = heightTwips();
    const NavigatorTick tick = navigatorTick(height, shrinking, m_pin->isChecked());
    if (tick.stop)
        m_timer1->stop();
    else if (tick.height != height)
        setHeightTwips(tick.height);
}

void NavigatorWindow::Check1_Click() {
    // The tool tip names what the next click does.
    m_pin->setToolTip(m_pin->isChecked() ? QStringLiteral("Auto shrink")
                                         : QStringLiteral("Keep visible"));
}

DocumentWindow* NavigatorWindow::selectedDocument() const {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows(DocumentSet::SiteColumn);
    if (rows.isEmpty())
        return nullptr;
    return qobject_cast<DocumentWindow*>(
        rows.first().data(DocumentSet::DocumentRole).value<QObject*>());
}

void NavigatorWindow::ListView1_Click() {
    DocumentWindow* document = selectedDocument();
    if (!document)
        return;
    document->bringToFront();
    activateWindow();
    m_list->setFocus(Qt::OtherFocusReason);
}

void NavigatorWindow::Toolbar1_ButtonClick(const QString& key) {
    if (key == QLatin1String("New")) {
        Q_EMIT newRequested();
        return;
    }
    DocumentWindow* document = selectedDocument();
    if (!document)
        return;
    if (key == QLatin1String("Close")) {
        document->closeDocument();
    } else if (WebBrowser* engine = document->WebBrowser1()) {
        if (key == QLatin1String("Refresh"))
            engine->Refresh();
        else if (key == QLatin1String("Stop"))
            engine->Stop();
    }
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
    // Until the main window gives permission at exit, closing only hides: the window stays
    // with its rows and View, Navigator shows it again.
    const auto permission = leadingNumber16(property("Tag").toString());
    if (permission && *permission == 0)
        event->ignore();
    else
        event->accept();
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
    m_list->setGeometry(left, barHeight, std::max(0, width() - margin),
                        std::max(0, height() - barHeight - margin));
}

} // namespace kelvane
