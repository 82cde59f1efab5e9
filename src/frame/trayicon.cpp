#include "frame/trayicon.h"

#include "base/appsettings.h"
#include "base/stringtable.h"
#include "dialogs/passwordprompt.h"
#include "ui/pictures.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace kelvane {

namespace {

constexpr int kToolTipId = 102;

} // namespace

TrayIcon::TrayIcon(QWidget* window, std::function<bool()> available,
                   std::function<bool()> clickOnly)
    : QObject(window)
    , m_window(window)
    , m_available(std::move(available))
    , m_clickOnly(std::move(clickOnly)) {}

TrayIcon::~TrayIcon() = default;

std::function<bool()> TrayIcon::defaultAvailability() {
    return [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
}

bool TrayIcon::isStatusNotifierHost() {
    // The question Qt asks before it chooses the D-Bus tray over the X one.
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(watcher))
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        watcher, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << watcher << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusReply<QVariant> reply = bus.call(get);
    return reply.isValid() && reply.value().toBool();
}

void TrayIcon::add() {
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(picture(Picture::Logo), this);
        m_icon->setToolTip(tableString(kToolTipId));
        const auto restoring =
            m_clickOnly() ? QSystemTrayIcon::Trigger : QSystemTrayIcon::DoubleClick;
        connect(m_icon, &QSystemTrayIcon::activated, this,
                [this, restoring](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == restoring || reason == QSystemTrayIcon::DoubleClick)
                        doubleClicked();
                });
    }
    m_icon->show();
}

void TrayIcon::remove() {
    if (m_icon)
        m_icon->hide();
}

bool TrayIcon::isAdded() const {
    return m_icon && m_icon->isVisible();
}

void TrayIcon::windowMinimized() {
    const AppSettings& app = appSettings();
    if (!app.minimizeToTray || !isAvailable())
        return;
    // After the minimize has run its course; a window restored meanwhile stays.
    QTimer::singleShot(0, m_window, [window = m_window] {
        if (window->isMinimized())
            window->hide();
    });
}

bool TrayIcon::isGuarding() const {
    const AppSettings& app = appSettings();
    return app.minimizeToTray && !app.password.isEmpty() && !m_window->isVisible();
}

void TrayIcon::doubleClicked() {
    const AppSettings& app = appSettings();
    if (app.password.isEmpty() || !app.minimizeToTray) {
        restoreWindow();
        return;
    }
    if (!m_prompt)
        m_prompt = new PasswordPrompt(m_window);
    if (m_prompt->isVisible()) {
        m_prompt->raise();
        m_prompt->activateWindow();
        return;
    }
    m_prompt->clearPassword();
    const bool right = m_prompt->exec() == QDialog::Accepted;
    if (right)
        restoreWindow();
    Q_EMIT passwordAnswered(right);
}

void TrayIcon::restoreWindow() {
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}

void TrayIcon::unload() {
    delete m_prompt;
    if (m_icon) {
        m_icon->hide();
        delete m_icon;
        m_icon = nullptr;
    }
}

} // namespace kelvane
