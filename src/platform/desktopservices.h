#pragma once

#include <QMap>
#include <QObject>
#include <QString>

#include <functional>

class QUrl;

namespace kelvane {

// What the desktop does for the browser beyond its windows: other programs for other schemes,
// and notifications.

// True for a scheme another program may be given: a well-formed scheme that the browser does
// not load itself. Web and file addresses (http, https, ftp, file, data, about, javascript ...)
// never leave the browser.
bool isOutsideScheme(const QString& scheme);

// Whether the desktop names a program for the scheme (xdg-mime's default for
// x-scheme-handler/<scheme>). True when it cannot be told: the desktop then decides.
bool hasSchemeHandler(const QString& scheme);

// Hands an address of an outside scheme to the desktop's program for it; false, doing nothing,
// for any other address or when the desktop could not start a program.
bool openOutside(const QUrl& url);

// Shows a notification through the desktop's notification service (freedesktop notifications
// on the session bus); clicked runs when the user clicks it. False, sending nothing, when there
// is no such service. The service's capabilities are asked once; the sending does not wait.
bool sendDesktopNotification(const QString& title, const QString& message,
                             std::function<void()> clicked = {});

// The desktop's notification service, connected on first use: its capabilities asked once, the
// clicks it reports run what each notification was sent with.
class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    static DesktopNotifications& instance();
    bool send(const QString& title, const QString& message, std::function<void()> clicked);

private Q_SLOTS:
    void actionInvoked(uint id, const QString& action);
    void closed(uint id, uint reason);

private:
    explicit DesktopNotifications(QObject* parent);
    bool connectService();

    bool m_connected = false;
    bool m_markup = false;
    bool m_actions = false;
    QMap<uint, std::function<void()>> m_clicks;
};

} // namespace kelvane
