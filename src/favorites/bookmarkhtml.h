#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace kelvane {

// A tree of bookmarks as browsers exchange them: folders holding links, separators and further
// folders.
struct Bookmark {
    enum class Kind { Folder, Link, Separator };
    Kind kind = Kind::Folder;
    QString title;
    QString url;
    QList<Bookmark> children;

    friend bool operator==(const Bookmark&, const Bookmark&) = default;
};

// Folders deeper than this keep their contents in the folder at this depth: a path of more
// folders would not fit the file system, and a reader should not recurse without end.
inline constexpr int kMaxBookmarkDepth = 32;

// The bookmark file every browser exports ("NETSCAPE-Bookmark-file-1"): whether bytes look like
// one, and the tree it holds. Read as browsers read it, without complaint: a folder is an H3
// followed by a DL, a link an A with an HREF, a separator an HR; unclosed tags end where the
// file ends; character references and the usual named entities are decoded.
bool looksLikeBookmarkHtml(const QByteArray& bytes);
Bookmark readBookmarkHtml(const QByteArray& bytes);

// The tree as such a file, which Firefox and Chromium import with its folders.
QByteArray writeBookmarkHtml(const Bookmark& root);

} // namespace kelvane
