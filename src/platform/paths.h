#pragma once

#include <QString>

namespace kelvane {

// $XDG_CONFIG_HOME (or ~/.config): the folder every application's settings folder sits in.
QString configHomePath();
// configHomePath()/Kelvane.
QString configFolder();
// $XDG_DATA_HOME/Kelvane: notes, blocked sites, favorites, the engine profile.
QString dataFolder();
// Where the single-instance lock and the hand-over socket live: $XDG_RUNTIME_DIR, else
// <temp>/kelvane-<uid>, each only when it is a folder of this user's alone (mode 0700; in the
// temp folder not a link), else $XDG_CACHE_HOME/kelvane-runtime. A refused folder is named on
// stderr, once, with the folder used instead.
QString runtimeFolder();

// The desktop's download folder: XDG_DOWNLOAD_DIR of the user's folders, else ~/Downloads.
QString desktopDownloadFolder();

// Creates dir (and its parents) when missing; a new folder is made private (0700).
bool makePrivateFolder(const QString& dir);

} // namespace kelvane
