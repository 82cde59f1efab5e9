#pragma once

#include <QString>

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
// on the session bus). False, sending nothing, when there is no such service.
bool sendDesktopNotification(const QString& title, const QString& message);

} // namespace kelvane
