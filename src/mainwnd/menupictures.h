#pragma once

#include <QIcon>
#include <QString>

namespace kelvane {

class MainMenus;

// The picture of a menu image key ("Open", "Find", ...): the desktop's icon theme where it
// has a fitting standard icon, else our own drawing compiled in as ":/icons/menu-<key>.svg".
// An unknown key gives a null icon.
QIcon menuPicture(const QString& key);

// Our own drawing of a key, whatever the theme has.
QIcon builtInMenuPicture(const QString& key);

// Shows the picture of `key` beside the menu item `itemName`.
void SetMenuImage(const MainMenus& menus, const QString& key, const QString& itemName);

// Gives the 24 menu items their pictures, in the start-up's order; every other item keeps
// none.
void applyMenuImages(const MainMenus& menus);

} // namespace kelvane
