#pragma once

#include <QString>

namespace kelvane {

// $XDG_CONFIG_HOME (or ~/.config): the folder every application's settings folder sits in.
QString configHomePath();
// configHomePath()/Kelvane.
QString configFolder();
// $XDG_DATA_HOME/Kelvane: notes, blocked sites, favorites, the engine profile.
QString dataFolder();
// $XDG_RUNTIME_DIR, or a per-user folder in the temp folder when it is not set.
QString runtimeFolder();

// Creates dir (and its parents) when missing; a new folder is made private (0700).
bool makePrivateFolder(const QString& dir);

} // namespace kelvane
