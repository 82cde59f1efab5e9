#include "platform/desktopservices.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDesktopServices>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>

namespace kelvane {

namespace {

constexpr int kToolMs = 3000;
constexpr int kBusMs = 2000;

const QString kNotificationService = QStringLiteral("org.freedesktop.Notifications");
const QString kNotificationPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr qsizetype kMaxKeptClicks = 64;

} // namespace

bool isOutsideScheme(const QString& scheme) {
    static const QRegularExpression wellFormed(QStringLiteral("^[a-z][a-z0-9+.-]{0,63}$"));
    static const QSet<QString> inside = {
        QStringLiteral("http"),       QStringLiteral("https"),       QStringLiteral("ftp"),
        QStringLiteral("file"),       QStringLiteral("data"),        QStringLiteral("blob"),
        QStringLiteral("about"),      QStringLiteral("view-source"), QStringLiteral("javascript"),
        QStringLiteral("qrc"),        QStringLiteral("chrome"),      QStringLiteral("chrome-error"),
        QStringLiteral("filesystem"), QStringLiteral("devtools"),    QStringLiteral("ws"),
        QStringLiteral("wss")};
    return wellFormed.match(scheme).hasMatch() && !inside.contains(scheme);
}

bool hasSchemeHandler(const QString& scheme) {
    if (!isOutsideScheme(scheme))
        return false;
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (tool.isEmpty())
        return true;
    QProcess query;
    query.start(tool, {QStringLiteral("query"), QStringLiteral("default"),
                       QStringLiteral("x-scheme-handler/") + scheme});
    if (!query.waitForFinished(kToolMs)) {
        query.kill();
        query.waitForFinished();
        return true;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

bool openOutside(const QUrl& url) {
    return url.isValid() && isOutsideScheme(url.scheme()) && QDesktopServices::openUrl(url);
}

bool sendDesktopNotification(const QString& title, const QString& message,
                             std::function<void()> clicked) {
    return DesktopNotifications::instance().send(title, message, std::move(clicked));
}

DesktopNotifications& DesktopNotifications::instance() {
    static auto* notifications = new DesktopNotifications(QCoreApplication::instance());
    return *notifications;
}

DesktopNotifications::DesktopNotifications(QObject* parent)
    : QObject(parent) {}

bool DesktopNotifications::connectService() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnectionInterface* daemon = bus.isConnected() ? bus.interface() : nullptr;
    if (!daemon || (!daemon->isServiceRegistered(kNotificationService).value() &&
                    !daemon->activatableServiceNames().value().contains(kNotificationService)))
        return false;
    QDBusInterface service(kNotificationService, kNotificationPath, kNotificationService, bus);
    service.setTimeout(kBusMs);
    const QDBusReply<QStringList> capabilities = service.call(QStringLiteral("GetCapabilities"));
    if (!capabilities.isValid())
        return false;
    // A service that reads markup in the text must not read a page's text as markup.
    m_markup = capabilities.value().contains(QStringLiteral("body-markup"));
    m_actions = capabilities.value().contains(QStringLiteral("actions"));
    bus.connect(kNotificationService, kNotificationPath, kNotificationService,
                QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
    bus.connect(kNotificationService, kNotificationPath, kNotificationService,
                QStringLiteral("NotificationClosed"), this, SLOT(closed(uint, uint)));
    m_connected = true;
    return true;
}

bool DesktopNotifications::send(const QString& title, const QString& message,
                                std::function<void()> clicked) {
    if (!m_connected && !connectService())
        return false;
    QDBusInterface service(kNotificationService, kNotificationPath, kNotificationService,
                           QDBusConnection::sessionBus());
    // "default" is the click on the notification itself.
    const QStringList actions = m_actions && clicked
                                    ? QStringList{QStringLiteral("default"), QStringLiteral("Show")}
                                    : QStringList();
    const QDBusPendingCall call =
        service.asyncCall(QStringLiteral("Notify"), QCoreApplication::applicationName(), 0u,
                          QStringLiteral("kelvane"), title,
                          m_markup ? message.toHtmlEscaped() : message, actions, QVariantMap(), -1);
    if (!clicked)
        return true;
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, clicked = std::move(clicked)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> id = *finished;
                if (id.isError())
                    return;
                // A service that never says a notification closed must not make us keep
                // every page's notification.
                if (m_clicks.size() >= kMaxKeptClicks)
                    m_clicks.erase(m_clicks.begin());
                m_clicks.insert(id.value(), clicked);
            });
    return true;
}

void DesktopNotifications::actionInvoked(uint id, const QString& action) {
    if (action != QLatin1String("default"))
        return;
    if (const std::function<void()> clicked = m_clicks.take(id))
        clicked();
}

void DesktopNotifications::closed(uint id, uint) {
    m_clicks.remove(id);
}

} // namespace kelvane
