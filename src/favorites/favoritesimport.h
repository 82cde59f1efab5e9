#pragma once

#include "favorites/bookmarkhtml.h"

#include <QString>

#include <functional>
#include <optional>

namespace kelvane {

// What an import did, for the summary the user reads.
struct ImportSummary {
    int added = 0;          // shortcuts written
    int folders = 0;        // folders made
    int present = 0;        // already in Favorites under that name with that address
    int unsafe = 0;         // javascript:, vbscript: and data: addresses, never written
    int noPage = 0;         // no address, or one that names no page (Firefox's "place:")
    int overLimit = 0;      // past the most one import writes
    int failed = 0;         // could not be written
    bool cancelled = false; // stopped before the end
    bool operator==(const ImportSummary&) const = default;

    // One sentence: what was added, then what was skipped and why.
    QString text() const;
};

// The most shortcuts one import writes: the Favorites window lists no more.
inline constexpr int kMaxImportedFavorites = 32767;

// Writes the tree's folders and links into favoritesFolder: folders become folders (an existing
// folder of that name is filled, never replaced), links become internet shortcuts named by
// favoriteFileName. Nothing existing is overwritten: a name that is taken gets " (2)", " (3)"...;
// a link whose name is taken by a shortcut to the same address counts as present. Nothing is
// written outside favoritesFolder, and nothing through a symbolic link. Separators are left
// out.
// Files are written private to the user. progress is told after each link how many are done;
// when it answers false the import stops there, cancelled.
using ImportProgress = std::function<bool(int done)>;
ImportSummary importBookmarks(const Bookmark& root, const QString& favoritesFolder,
                              int limit = kMaxImportedFavorites,
                              const ImportProgress& progress = {});

// The links in the tree, what importBookmarks's progress counts to.
int countBookmarkLinks(const Bookmark& root);

// The favorites folder as a bookmark tree: its folders (first) and shortcuts in name order.
Bookmark favoritesTree(const QString& favoritesFolder);

// The bookmarks in a file of any format the import reads, told by its content: a bookmark HTML
// file, a Firefox places.sqlite, or a Chromium Bookmarks file. goOn answering false stops the
// reading of a places.sqlite (the others are read at once).
std::optional<Bookmark> readBookmarkFile(const QString& path, QString* error,
                                         const std::function<bool()>& goOn = {});

// The favorites folder written whole to filePath as bookmark HTML.
bool exportFavorites(const QString& favoritesFolder, const QString& filePath, QString* error);

} // namespace kelvane
