#pragma once

#include "favorites/bookmarkhtml.h"

#include <QList>
#include <QString>

#include <optional>

namespace kelvane {

// Another browser's bookmarks, found where that browser keeps them.
struct BookmarkSource {
    enum class Kind { Firefox, Chromium };
    Kind kind = Kind::Firefox;
    // What the user is offered: the browser and the profile's own name ("Firefox: default").
    QString name;
    // The profile's places.sqlite, or its Bookmarks file.
    QString path;
};

// The Firefox profiles (from profiles.ini of the usual installs, the snap and the flatpak) that
// hold a places.sqlite, and the Chromium-family profiles (Chrome, Chromium, Brave, Edge,
// Vivaldi, Opera) that hold a Bookmarks file, under the home folder home.
QList<BookmarkSource> findBookmarkSources(const QString& home);

// A Chromium-family "Bookmarks" file (JSON): its bar, other and mobile folders.
std::optional<Bookmark> readChromiumBookmarks(const QByteArray& json, QString* error);

} // namespace kelvane
