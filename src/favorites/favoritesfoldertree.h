#pragma once

#include "favorites/favoritesstore.h"

#include <QIcon>
#include <QSet>
#include <QTreeWidget>

namespace kelvane {

// The favorites folder as a tree to choose from: the root node "Favorites", its folders and,
// when asked for, the shortcuts in them (by their names without ".url"). Folders come first,
// each group in name order. Read from the disk by reload(), which keeps the current item and
// the open folders where they still exist.
class FavoritesFolderTree : public QTreeWidget {
    Q_OBJECT
public:
    enum class Content { Folders, FoldersAndShortcuts };

    FavoritesFolderTree(const QString& root, Content content, QWidget* parent = nullptr);

    void reload();

    QString root() const { return m_root; }
    // The path of the current item; the root when there is none.
    QString currentPath() const;
    bool currentIsFolder() const;
    bool currentIsRoot() const { return currentPath() == m_root; }
    // The folder the current item is or is in.
    QString currentFolder() const;
    // Makes the item of path current (opening the folders above it); false when not shown.
    bool selectPath(const QString& path);
    // Asks for a name and makes that folder in the current one, which it then makes current;
    // tells the user when it cannot.
    void createFolderInCurrent();

private:
    void addChildren(QTreeWidgetItem* parent, const QString& folder, QSet<QString>& walked);

    QString m_root;
    Content m_content;
    QIcon m_folderIcon;
    QIcon m_shortcutIcon;
};

// Tells the user, over parent, why the change to the favorite or folder name failed.
void showStoreError(QWidget* parent, StoreError error, const QString& name);

} // namespace kelvane
