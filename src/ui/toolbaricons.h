#pragma once

#include <QIcon>
#include <QStringList>

namespace kelvane {

// The pictures of the toolbars (imlToolbarIcons), one per key: "New", "Mail", "Search",
// "Back", "Forward", "Refresh", "Stop", "News", "Home", "Link", "Custom", "Home2".
QStringList toolbarIconKeys();

// The picture of `key`: the desktop's icon theme where it has a fitting standard icon, else
// our own drawing compiled in as ":/icons/toolbar-<key>.svg". An unknown key gives a null
// icon.
QIcon toolbarIcon(const QString& key);

// Our own drawing of `key`, whatever the theme has (":/icons/toolbar-<key>.svg").
QIcon builtInToolbarIcon(const QString& key);

} // namespace kelvane
