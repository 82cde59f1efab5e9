#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// The blocked-sites list: entries (a site or any part of an address) in the user's order,
// kept in "blacklist.kvn" in the data folder, one entry a line.

// dataFolder()/blacklist.kvn.
QString blockedSitesPath();

// The list's file for one run: read at start, written at exit. A file that exists but could
// not be read (no permission, a read error, a folder of that name) is told once on stderr and
// never written over, so the list it holds is not lost to an empty one.
class BlockedSitesFile {
public:
    explicit BlockedSitesFile(QString path = blockedSitesPath())
        : m_path(std::move(path)) {}

    // Every line of the file, in file order, empty lines included, without their line ends
    // (CR LF, LF or a lone CR). The text is UTF-8; a file that is not, such as one written in
    // an 8-bit code page, is read as Latin-1 so that no byte is lost. No file, or one that
    // could not be read: no entries.
    QStringList load();
    // Writes the entries in order, each followed by CR LF, in UTF-8, whole or not at all (no
    // entries: an empty file). False when nothing was written: the write failed (the old file
    // then stays), or load() could not read the file.
    bool save(const QStringList& entries) const;

private:
    QString m_path;
    bool m_unread = false;
};

// The first entry, tried in order, that occurs anywhere in address regardless of letter case;
// -1 when none does. An empty entry matches nothing: it would otherwise be in every address.
qsizetype findBlockedEntry(const QStringList& entries, const QString& address);

inline bool isBlockedSite(const QStringList& entries, const QString& address) {
    return findBlockedEntry(entries, address) >= 0;
}

} // namespace kelvane
