#pragma once

#include <QString>

#include <functional>

class QObject;

namespace kelvane {

// Opens path (a file or a folder) in the desktop's program for it, through xdg-open, whose
// own lines stay off the browser's output. failed runs, while context lives, once it is known
// that no program took it (xdg-open missing, or ending in failure).
void openWithDesktop(const QString& path, QObject* context, std::function<void()> failed);

} // namespace kelvane
