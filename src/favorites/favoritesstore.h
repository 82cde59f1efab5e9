#pragma once

#include <QString>

namespace kelvane {

// The user's favorites: a folder of internet shortcuts (".url"), each subfolder a group. These
// are the rules and file operations on it; the windows over it live beside them.

// $XDG_DATA_HOME/Kelvane/Favorites, created when missing; empty when it cannot be made.
QString favoritesFolder();

// The file name (without ".url") that stands for a favorite titled title. Characters a file name
// cannot hold here or on another desktop system ("/", "\", ":", "*", "?", '"', "<", ">", "|"
// and control characters) become "_"; blanks and dots at either end go, so the name is never
// "." or ".." nor hidden; it is cut to 251 bytes of UTF-8, so that with ".url" it fits a file
// name. Empty when nothing is left.
QString favoriteFileName(const QString& title);

// The favorite a file stands for: its name without the last four characters when they are
// ".url" in any case and something comes before them; empty for any other file.
QString favoriteNameOf(const QString& fileName);

// The shortcut of the favorite name in folder, its extension in any case; empty when none.
QString existingShortcut(const QString& folder, const QString& name);

// An address as the favorites list shows it: every "%20" as a blank.
QString displayedAddress(const QString& url);

enum class StoreError { None, BadName, Exists, Failed };

// Organising. Each changes exactly the file or folder it names and never replaces another;
// the path it returns is the new one, empty on failure with the reason in *error.

// Renames a shortcut (keeping its extension) or a folder; newName goes through
// favoriteFileName, so a name with "/" cannot leave the folder. A shortcut of the same name
// with its extension in another case counts as taken.
QString renameFavorite(const QString& path, const QString& newName, StoreError* error = nullptr);
// Moves a shortcut or folder into folder; a folder is never moved into itself or below itself.
QString moveFavorite(const QString& path, const QString& folder, StoreError* error = nullptr);
// Deletes a shortcut, or a folder with everything in it; a symbolic link goes, never what it
// points to.
bool removeFavorite(const QString& path);
// Makes the folder name (through favoriteFileName) in parent.
QString createFavoritesFolder(const QString& parent, const QString& name,
                              StoreError* error = nullptr);

} // namespace kelvane
