#pragma once

#include "favorites/favoritesstore.h"

#include <QDialog>

class QPushButton;

namespace kelvane {

class FavoritesFolderTree;

// "Organize Favorites": the favorites folder's tree with its shortcuts, and the commands that
// change its files directly: make a folder, rename, move to another folder, delete (after
// asking).
class OrganizeFavoritesDialog : public QDialog {
    Q_OBJECT
public:
    explicit OrganizeFavoritesDialog(const QString& favoritesRoot, QWidget* parent = nullptr);

    FavoritesFolderTree* tree() const { return m_tree; }

    // The commands, on the current item of the tree.
    void renameCurrent();
    void moveCurrent();
    void deleteCurrent();

private:
    void updateButtons();
    // The folder to move into, chosen in a tree of folders; empty when cancelled.
    QString chooseFolder();

    FavoritesFolderTree* m_tree;
    QPushButton* m_renameButton;
    QPushButton* m_moveButton;
    QPushButton* m_deleteButton;
};

// Shows the dialog over the favorites folder, as the View menu's "Organize Favorites" does.
void organizeFavorites(QWidget* owner);

} // namespace kelvane
