#pragma once

#include <QString>

namespace kelvane {

// Internet-shortcut files (".url"): initialisation-file text whose section "InternetShortcut"
// holds the address under the key "URL". Read and written by hand, never through QSettings:
// INI libraries turn commas into lists, cut at ";", eat backslashes and match names by case.
//
// Reading: the value of the key named URL (any case, blanks around the name and "=" allowed) of
// the section named InternetShortcut (any case). When a section "InternetShortcut.W" holds a URL
// (UTF-7, written beside the 8-bit one for addresses with non-ASCII characters), that one wins.
// A file with a UTF-16 byte-order mark is read as UTF-16; otherwise each line is UTF-8, and a
// line that is not valid UTF-8 is Windows-1252. Lines end in CR LF, LF or CR. The address comes
// back without control characters.

// The address stored in the shortcut file at filePath; empty when the file cannot be read, is
// not a shortcut or holds no address.
QString readShortcutUrl(const QString& filePath);

// The address stored in the shortcut path + ".url". A shortcut whose extension is written in
// another case (News.URL) is found and read the same way.
QString shortcutUrl(const QString& path);

// When text names a shortcut file, the path of that file: a local path (absolute, or relative
// naming an existing file) or a file: address, ending in ".url" in any case; a file: address
// becomes a local path. Empty otherwise: any other address is the web's.
QString shortcutPathOf(const QString& text);

// Stores url under section "InternetShortcut", key "URL" of the shortcut at filePath, creating
// the file when missing. The other lines of an existing file stay as they were (its
// "InternetShortcut.W" address, when it has one, follows the new address). Lines end in CR LF;
// the file is replaced whole or not at all. Control characters in url are dropped (they would
// break the line). False when the file could not be read or written.
bool writeShortcutUrl(const QString& filePath, const QString& url);

// UTF-7 (RFC 2152) as shortcuts use it for their ".W" address.
QString fromUtf7(QStringView text);
QString toUtf7(QStringView text);

} // namespace kelvane
