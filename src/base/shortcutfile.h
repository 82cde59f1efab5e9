#pragma once

#include <QString>

namespace kelvane {

// The address stored in the internet-shortcut file at filePath, read under its own name. Lines
// are trimmed of blanks and control characters; the first line holding "url=" (any case) after
// the line holding "netshortcut" (any case) gives the text after "url=". Empty when the file
// cannot be read or holds no such line.
QString readShortcutUrl(const QString& filePath);

// The address stored in the shortcut path + ".url". A shortcut whose extension is written in
// another case (News.URL) is found and read the same way.
QString shortcutUrl(const QString& path);

// When text names a shortcut file (its last four characters are ".url" in any case), the path
// of that file: a file:// address becomes a local path. Empty otherwise.
QString shortcutPathOf(const QString& text);

} // namespace kelvane
