#pragma once

#include <QSet>
#include <QString>

namespace kelvane {

// Room a download's name leaves for ".part", a number, and the engine's own ".download".
inline constexpr int kPartNameRoom = 16;

// Where a download of this session goes.
struct DownloadTarget {
    QString finalPath;
    // What the engine writes until complete; empty: the final path itself (a page saved by the
    // page's own command, the name already chosen).
    QString partPath;
    // The name a final name taken meanwhile is numbered from.
    QString name;
    bool replace = false;
};

// The names of the download folders: which are free, which the running downloads hold, and the
// move of a complete part file to its final name.
//
// A running download holds its final name, its part file ("NAME.part") and the engine's own
// file beside that ("NAME.part.download"), so that a second download never takes one of them
// although nothing is on disk under that name yet.
class DownloadNames {
public:
    // Whether path is on disk (a file, a folder or a link, a dangling one too) or held.
    bool isTaken(const QString& path) const;

    // The free name for name in folder: name itself when free and its part names too, else the
    // first free numbered one.
    QString freeName(const QString& folder, const QString& name) const;
    // The target of name in folder (name itself when it replaces a file, else its free name),
    // with a free part name; its names are held until released.
    DownloadTarget hold(const QString& folder, const QString& name, bool replace);
    void release(const DownloadTarget& target);

    struct Move {
        QString path;  // where the file is now
        int error = 0; // errno of the failed rename, 0 when moved
    };
    // Moves the complete part file of target to its final name, or, unless it replaces, to the
    // next free numbered name when a file or link took that one meanwhile; never over an
    // existing file, never through a link. Releases target's names.
    Move moveIntoPlace(const DownloadTarget& target);

private:
    QSet<QString> m_held;
};

} // namespace kelvane
