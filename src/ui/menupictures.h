#pragma once

#include <QIcon>
#include <QString>

namespace kelvane {

// The picture of a menu image key ("Open", "Find", ...): the desktop's icon theme where it
// has a fitting standard icon, else our own drawing compiled in as ":/icons/menu-<key>.svg".
// An unknown key gives a null icon.
QIcon menuPicture(const QString& key);

// Our own drawing of a key, whatever the theme has.
QIcon builtInMenuPicture(const QString& key);

} // namespace kelvane
