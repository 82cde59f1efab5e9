#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// The blocked-sites list: entries (a site or any part of an address) in the user's order,
// kept in "blacklist.kvn" in the data folder, one entry a line.

// dataFolder()/blacklist.kvn.
QString blockedSitesPath();

// Every line of the file at path, in file order, empty lines included, without their line
// ends (CR LF, LF or a lone CR). The text is UTF-8; a file that is not, such as one written in
// an 8-bit code page, is read as Latin-1 so that no byte is lost. A file that does not exist
// or cannot be read gives an empty list. Byte-order marks at the start of the file are skipped.
QStringList loadBlockedSites(const QString& path);

// Writes the entries in order, each followed by CR LF, in UTF-8, whole or not at all (no
// entries: an empty file). False when the file could not be written; the old one then stays.
bool saveBlockedSites(const QStringList& entries, const QString& path);

// The first entry, tried in order, that occurs anywhere in address regardless of letter case;
// -1 when none does. An empty entry matches nothing: it would otherwise be in every address.
qsizetype findBlockedEntry(const QStringList& entries, const QString& address);

inline bool isBlockedSite(const QStringList& entries, const QString& address) {
    return findBlockedEntry(entries, address) >= 0;
}

} // namespace kelvane
