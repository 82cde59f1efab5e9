#include "frame/statusbar.h"

#include "base/appsettings.h"
#include "base/stringtable.h"
#include "ui/pictures.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QSet>
#include <QTimer>

#include <algorithm>

namespace kelvane {

namespace {

constexpr int kTextPanelWidth = 145;
constexpr int kPicturePanelWidth = 16;
constexpr int kProgressPanelWidth = 172;
constexpr int kPictureSize = 16;

constexpr int kPopupFlashIntervalMs = 800;
constexpr int kOptionsToolTip = 1125;
constexpr int kPopupToolTip = 1126;
constexpr int kSecurityToolTip = 1127;

QPixmap pixmapOf(Picture which) {
    return picture(which).pixmap(kPictureSize);
}

QPixmap popupPixmap(PopupPicture state) {
    switch (state) {
    case PopupPicture::Allowed:
        return pixmapOf(Picture::StatusPopupsAllowed);
    case PopupPicture::Blocked:
        return pixmapOf(Picture::StatusPopupsBlocked);
    case PopupPicture::Killed:
        return pixmapOf(Picture::StatusPopupKilled);
    }
    return {};
}

// The locale's time with seconds: its long format without the time zone.
QString timeFormatWithSeconds(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        result += c;
    }
    return result.trimmed();
}

// The owner-drawn panel: a sunken frame the progress bar is drawn over.
class ProgressPanel : public QFrame {
public:
    ProgressPanel(const ProgressBar& bar, const int& percent, QWidget* parent)
        : QFrame(parent)
        , m_bar(bar)
        , m_percent(percent) {
        livePanels().insert(this);
    }
    ~ProgressPanel() override { livePanels().remove(this); }

    // The accessibility factory is asked about every object, the page's own among them, whose
    // classes are built without type information: it looks a panel up here, never by a cast.
    static QSet<const QObject*>& livePanels() {
        static QSet<const QObject*> panels;
        return panels;
    }

    QSize sizeHint() const override { return minimumSize(); }
    int percent() const { return m_percent; }
    QString caption() const {
        return m_percent == 0
                   ? QString()
                   : progressCaption(m_bar.text(), m_bar.showPercentage(), m_bar.percent());
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        if (m_percent == 0)
            return;
        // The bar covers the panel from one pixel up and left of its inside, over the frame.
        const QRect inside = contentsRect();
        QPainter painter(this);
        m_bar.draw(painter, inside.left() - 1, inside.top() - 1, inside.width() + 1,
                   inside.bottom() + 1);
    }

private:
    const ProgressBar& m_bar;
    const int& m_percent;
};

// What a screen reader hears of the progress panel: a progress bar with its caption.
class ProgressPanelAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ProgressPanelAccessible(ProgressPanel* panel)
        : QAccessibleWidget(panel, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? panel()->caption() : QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return panel()->percent(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    ProgressPanel* panel() const { return static_cast<ProgressPanel*>(widget()); }
};

QAccessibleInterface* progressPanelAccessible(const QString&, QObject* object) {
    if (!ProgressPanel::livePanels().contains(object))
        return nullptr;
    return new ProgressPanelAccessible(static_cast<ProgressPanel*>(object));
}

QLabel* sunkenLabel(const QString& key, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(key);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(kTextPanelWidth);
    return label;
}

} // namespace

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_clock(new QTimer(this))
    , m_flash(new QTimer(this))
    , m_killedMenu(new QMenu(this)) {
    m_flash->setInterval(kPopupFlashIntervalMs);
    connect(m_flash, &QTimer::timeout, this, [this] {
        m_flashTicks = advancePopupFlash(m_flashTicks);
        if (m_flashTicks == 0)
            m_flash->stop();
    });
    QFont arial = font();
    arial.setFamily(QStringLiteral("Arial"));
    setFont(arial);

    // All panels are permanent, so status tips of menus never hide them.
    m_statusPanel = sunkenLabel(QStringLiteral("Item1"), this);
    // Long texts are cut at the panel's edge instead of widening the window.
    m_statusPanel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addPermanentWidget(m_statusPanel, 1);

    m_clockPanel = sunkenLabel(QStringLiteral("Item2"), this);
    addPermanentWidget(m_clockPanel);

    m_statusPanel->setAccessibleName(tr("Status"));
    m_clockPanel->setAccessibleName(tr("Date and time"));
    m_optionsPanel = addPicturePanel(QStringLiteral("Item3"), kOptionsToolTip);
    m_optionsPanel->setPixmap(pixmapOf(Picture::StatusOptions));
    m_optionsPanel->setAccessibleName(tr("Options"));
    m_popupPanel = addPicturePanel(QStringLiteral("Item4"), kPopupToolTip);
    m_securityPanel = addPicturePanel(QStringLiteral("Item5"), kSecurityToolTip);
    m_securityPanel->setAccessibleName(tr("Not encrypted"));
    setPopupsAllowed(true);
    updatePopupToolTip();

    static const bool accessible = [] {
        QAccessible::installFactory(progressPanelAccessible);
        return true;
    }();
    Q_UNUSED(accessible);
    auto* progress = new ProgressPanel(m_bar, m_percent, this);
    progress->setObjectName(QStringLiteral("Item6"));
    progress->setAccessibleName(tr("Page loading"));
    progress->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Tall enough for the whole bar below the top line of the frame.
    progress->setMinimumSize(kProgressPanelWidth, m_bar.height() + 1);
    m_progressPanel = progress;
    addPermanentWidget(m_progressPanel);

    m_bar.setMinimum(0);
    m_bar.setMaximum(100);
    (void)m_bar.setWidth(kProgressPanelWidth); // AutoSize is off: never refused

    connect(m_killedMenu, &QMenu::triggered, this, [this](QAction* action) {
        const QString address = action->data().toString();
        if (!address.isEmpty())
            Q_EMIT killedPopupChosen(address);
    });

    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &StatusBar::updateClock);
    updateClock();
    m_clock->start();
}

StatusBar::~StatusBar() = default;

QLabel* StatusBar::addPicturePanel(const QString& key, int toolTipId) {
    auto* label = new QLabel(this);
    label->setObjectName(key);
    label->setFixedWidth(kPicturePanelWidth);
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(tableString(toolTipId));
    label->setAccessibleDescription(label->toolTip());
    label->installEventFilter(this);
    addPermanentWidget(label);
    return label;
}

void StatusBar::setStatusText(const QString& text) {
    m_pageText = text;
    m_statusPanel->setText(text.isEmpty() ? m_downloadsText : text);
}

void StatusBar::setDownloadsText(const QString& text) {
    m_downloadsText = text;
    setStatusText(m_pageText);
}

QString StatusBar::statusText() const {
    return m_statusPanel->text();
}

QString StatusBar::clockText(const QDateTime& now) {
    const QLocale locale;
    return locale.toString(now.date(), QLocale::ShortFormat) + QStringLiteral("    ") +
           locale.toString(now.time(), timeFormatWithSeconds(locale));
}

void StatusBar::updateClock() {
    const QString text = clockText(QDateTime::currentDateTime());
    if (text == m_clockPanel->text())
        return;
    m_clockPanel->setText(text);
    m_clockPanel->setToolTip(text);
}

void StatusBar::setPopupsAllowed(bool allowed) {
    m_popupsAllowed = allowed;
    setPopupPicture(settledPopupPicture(allowed));
    m_popupPanel->setAccessibleName(allowed ? tr("Popups allowed") : tr("Popups blocked"));
}

void StatusBar::setPopupPicture(PopupPicture picture) {
    m_popupPicture = picture;
    m_popupPanel->setPixmap(popupPixmap(picture));
}

int StatusBar::advancePopupFlash(int ticks) {
    const PopupFlashStep step = popupFlashTick(m_popupPicture, ticks, m_popupsAllowed);
    setPopupPicture(step.picture);
    return step.ticks;
}

void StatusBar::popupKilled(const QString& address, const QString& requestingPage,
                            bool blockedSite) {
    recordKilledPopup(address, requestingPage, blockedSite);
    // A kill during a flash lets it run on; it does not start counting again.
    if (!blockedSite && !m_flash->isActive())
        m_flash->start();
}

void StatusBar::recordKilledPopup(const QString& address, const QString& requestingPage,
                                  bool blockedSite) {
    m_killed.add({address, requestingPage, QDateTime::currentDateTime(), blockedSite});
    updatePopupToolTip();
}

void StatusBar::updatePopupToolTip() {
    // The count is our own addition to the panel's tool tip, not a text of the string table.
    const QString blocking = !m_blocking.enabled ? tr("Blocking of ads and trackers is off")
                             : m_blocking.siteExcepted
                                 ? tr("Ads and trackers allowed on this site")
                                 : tr("Requests blocked on this page: %1").arg(m_blocking.blocked);
    m_popupPanel->setToolTip(tableString(kPopupToolTip) + u'\n' + blocking + u'\n' +
                             tr("Popups killed this session: %1").arg(m_killed.count()));
}

void StatusBar::setContentBlocking(const ContentBlockingState& state) {
    if (state == m_blocking)
        return;
    m_blocking = state;
    updatePopupToolTip();
}

void StatusBar::showKilledPopupsMenu(const QPoint& globalPos) {
    m_killedMenu->clear();
    if (m_killed.recent().isEmpty()) {
        m_killedMenu->addAction(tr("No popups killed this session"))->setEnabled(false);
    } else {
        const QLocale locale;
        const QString timeFormat = timeFormatWithSeconds(locale);
        const QFontMetrics metrics(m_killedMenu->font());
        constexpr int kAddressWidth = 360;
        for (const KilledPopup& popup : m_killed.recent()) {
            const QString from =
                metrics.elidedText(popup.requestingPage, Qt::ElideMiddle, kAddressWidth);
            const QString origin = !popup.blockedSite ? tr("from %1").arg(from)
                                   : from.isEmpty()   ? tr("blocked site")
                                                      : tr("blocked site, from %1").arg(from);
            const QString text =
                QStringLiteral("%1    %2    (%3)")
                    .arg(locale.toString(popup.time.time(), timeFormat),
                         metrics.elidedText(popup.address, Qt::ElideMiddle, kAddressWidth), origin);
            QAction* action = m_killedMenu->addAction(text);
            action->setData(popup.address);
            action->setToolTip(popup.address);
        }
    }
    if (m_blocking.enabled && !m_blocking.site.isEmpty()) {
        m_killedMenu->addSeparator();
        QAction* allow =
            m_killedMenu->addAction(tr("Allow ads and trackers on %1").arg(m_blocking.site));
        allow->setObjectName(QStringLiteral("siteException"));
        allow->setCheckable(true);
        allow->setChecked(m_blocking.siteExcepted);
        const QString site = m_blocking.site;
        connect(allow, &QAction::toggled, this,
                [this, site](bool on) { Q_EMIT siteExceptionChosen(site, on); });
    }
    m_killedMenu->popup(globalPos);
}

void StatusBar::setSecurity(PageSecurity security) {
    m_security = security;
    const bool broken = security == PageSecurity::NotSecure;
    m_securityPanel->setPixmap(
        security == PageSecurity::Plain
            ? QPixmap()
            : pixmapOf(broken ? Picture::StatusNotSecure : Picture::StatusSecure));
    m_securityPanel->setToolTip(broken ? tr("Not secure") : tableString(kSecurityToolTip));
    m_securityPanel->setAccessibleName(security == PageSecurity::Plain ? tr("Not encrypted")
                                       : broken                        ? tr("Not secure")
                                                : tr("Encrypted connection"));
}

void StatusBar::setProgressPercent(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent != 0) {
        const bool complete = percent == 100;
        m_bar.setValue(percent);
        m_bar.setShowPercentage(!complete);
        m_bar.setText(complete ? tr("Complete") : tr("Loading"));
    }
    if (percent != m_percent) {
        m_percent = percent;
        m_progressPanel->update();
    }
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_optionsPanel) {
            Q_EMIT optionsRequested();
            return true;
        }
        if (watched == m_popupPanel) {
            AppSettings& app = appSettings();
            app.popUpEnabled = !app.popUpEnabled;
            setPopupsAllowed(app.popUpEnabled);
            return true;
        }
    } else if (event->type() == QEvent::ContextMenu && watched == m_popupPanel) {
        showKilledPopupsMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QStatusBar::eventFilter(watched, event);
}

void StatusBar::paintEvent(QPaintEvent*) {
    // The panels draw their own borders (the picture panels have none); the status bar's
    // frames around every item are left out, and it shows no messages of its own.
}

} // namespace kelvane
