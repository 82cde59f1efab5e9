#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace kelvane {

// One folder of the favorites tree. Keys are full paths: the root's is the folder with a
// trailing "/", a subfolder's its parent's path with "/" and its name, so two folders of the
// same name in different parents stay apart. The root's parentKey is empty.
struct FavoritesNode {
    QString parentKey;
    QString key;
    QString text;
};

// One shortcut: the key of its folder's node, its name without ".url" and the address stored
// in it, as stored.
struct FavoriteEntry {
    QString folder;
    QString name;
    QString url;
};

// Walks a favorites folder depth first, subfolders entered as they are met, the items of a
// folder in name order (letter case ignored). Every folder becomes a node (one that cannot be
// read, only that); every file whose name is more than ".url" and ends in ".url" in any case
// becomes an entry. A folder reached again through a symbolic link is not entered twice.
class FavoritesScan {
public:
    // Called after every folder and every item; returning false stops the walk there.
    using Pace = std::function<bool()>;

    FavoritesScan(const QString& rootFolder, const QString& rootText);

    // True when the walk went through to the end.
    bool run(const Pace& pace = {});

    const QList<FavoritesNode>& nodes() const { return m_nodes; }
    const QList<FavoriteEntry>& entries() const { return m_entries; }

    // The tree and the entries as a text file, replaced whole: the node count; per node, in
    // the order found, its parent's key ("first" for the root), key and text; per entry, its
    // folder, name and address. Texts in double quotes (a quote inside doubled), fields
    // separated by commas, lines ending in CR LF.
    bool writeCache(const QString& filePath) const;

private:
    bool scanFolder(const QString& path, const QString& parentKey, const QString& name,
                    const Pace& pace);

    QString m_root;
    QString m_rootText;
    QList<FavoritesNode> m_nodes;
    QList<FavoriteEntry> m_entries;
    QStringList m_walking; // canonical paths of the folders being walked, outermost first
};

} // namespace kelvane
