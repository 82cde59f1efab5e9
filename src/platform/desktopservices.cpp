#include "platform/desktopservices.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
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

bool sendDesktopNotification(const QString& title, const QString& message) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnectionInterface* daemon = bus.isConnected() ? bus.interface() : nullptr;
    if (!daemon || (!daemon->isServiceRegistered(kNotificationService).value() &&
                    !daemon->activatableServiceNames().value().contains(kNotificationService)))
        return false;
    QDBusInterface service(kNotificationService, QStringLiteral("/org/freedesktop/Notifications"),
                           kNotificationService, bus);
    service.setTimeout(kBusMs);
    // A service that reads markup in the text must not read a page's text as markup.
    const QDBusReply<QStringList> capabilities = service.call(QStringLiteral("GetCapabilities"));
    if (!capabilities.isValid())
        return false;
    const bool markup = capabilities.value().contains(QStringLiteral("body-markup"));
    service.asyncCall(QStringLiteral("Notify"), QCoreApplication::applicationName(), 0u,
                      QStringLiteral("kelvane"), title, markup ? message.toHtmlEscaped() : message,
                      QStringList(), QVariantMap(), -1);
    return true;
}

} // namespace kelvane
