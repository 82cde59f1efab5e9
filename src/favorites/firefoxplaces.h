#pragma once

#include "favorites/bookmarkhtml.h"

#include <QString>

#include <functional>
#include <optional>

namespace kelvane {

// More rows than this in moz_bookmarks is no profile a person keeps: the file is refused.
inline constexpr qint64 kMaxPlacesRows = 1'000'000;
// Reading the database stops after this long, whatever its tables hold.
inline constexpr int kMaxPlacesReadMs = 10'000;

// Firefox's places.sqlite, read through Qt's SQLite driver from a private copy (the browser may
// be running and holding it): the Bookmarks Menu, Bookmarks Toolbar, Other Bookmarks and Mobile
// Bookmarks that hold anything, as folders. Tags are no bookmarks. A file made to harm is
// refused: moz_bookmarks and moz_places must be plain tables (a view could run any query), the
// connection only reads, and the read stops at kMaxPlacesRows rows or kMaxPlacesReadMs, or as
// soon as goOn answers false. The copy is deleted on every path; copies left by a process that
// died are deleted by the next read.
std::optional<Bookmark> readFirefoxBookmarks(const QString& placesPath, QString* error,
                                             const std::function<bool()>& goOn = {});

} // namespace kelvane
