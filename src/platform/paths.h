#pragma once

#include <QString>

namespace kelvane::paths {

// $XDG_CONFIG_HOME (or ~/.config): the folder every application's settings folder sits in.
QString configHome();
// configHome()/Kelvane.
QString configDir();
// $XDG_DATA_HOME/Kelvane: notes, blocked sites, favorites, the engine profile.
QString dataDir();
// $XDG_RUNTIME_DIR, or a per-user folder in the temp folder when it is not set.
QString runtimeDir();

// Creates dir (and its parents) when missing; a new folder is made private (0700).
bool ensurePrivateDir(const QString& dir);

} // namespace kelvane::paths
