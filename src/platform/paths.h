#pragma once

#include <QFileDevice>
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

// Creates dir (and its parents) when missing; every folder it makes is private (0700).
bool makePrivateFolder(const QString& dir);
// Our own folders (configFolder(), dataFolder() and $XDG_CACHE_HOME/Kelvane) made private when
// they are this user's and not links: an older version left them open to everyone's reading.
void makeOwnFoldersPrivate();
// Opens file for writing, private to the user (0600) whether new or not; for the files of our
// own folders, which hold what the user did.
bool openPrivate(QFileDevice& file);

} // namespace kelvane
