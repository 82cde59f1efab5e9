#pragma once

#include <QByteArray>

namespace kelvane {

// The Qt platform to ask for before the application starts, or empty for Qt's own choice.
// In a Wayland session that also offers X through XWayland (both WAYLAND_DISPLAY and DISPLAY
// set) it is "xcb": the browser places its own windows (their saved places, the Navigator
// beside the main window and kept above it), which Wayland does not let a program do. A
// platform the user chose (QT_QPA_PLATFORM, or the -platform argument) is left alone.
QByteArray preferredPlatform(const QByteArray& qpaPlatform, const QByteArray& waylandDisplay,
                             const QByteArray& display, bool platformArgument);

} // namespace kelvane
