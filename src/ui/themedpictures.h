#pragma once

#include <QIcon>
#include <QString>

#include <array>

namespace kelvane {

// Freedesktop icon names of one picture, best first; a null name ends the list.
using ThemeNames = std::array<const char*, 3>;

// The first of names the desktop's icon theme has, else our own drawing compiled in at
// builtInResource (":/icons/...svg"); null when neither exists.
QIcon themedPicture(const ThemeNames& names, const QString& builtInResource);

// The second home page's picture: the theme's home (homeNames) with a small "2" badge in its
// lower right corner, so it matches the first home page; else our own drawing.
QIcon themedSecondHome(const ThemeNames& homeNames, const QString& builtInResource);

// Our own drawing at a resource path; null when it is not compiled in.
QIcon builtInPicture(const QString& resource);

} // namespace kelvane
