#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kelvane {

class FavoritesFolderTree;

// "Add to Favorites": proposes the page title (made fit for a file name) as the name and lets
// the user choose, or make, the folder to put it in. OK leaves the full path of the shortcut
// to create in shortcutPath(), after asking whether to replace a shortcut of that name; the
// dialog itself writes nothing but the folders made with New Folder.
class AddFavoriteDialog : public QDialog {
    Q_OBJECT
public:
    AddFavoriteDialog(const QString& title, const QString& favoritesRoot,
                      QWidget* parent = nullptr);

    // After OK: the full path of the shortcut file to create.
    QString shortcutPath() const { return m_shortcutPath; }

    QLineEdit* nameEdit() const { return m_name; }
    FavoritesFolderTree* folderTree() const { return m_folders; }

    // OK: the shortcut's path, once a replaced file was agreed to.
    void accept() override;

private:
    QLineEdit* m_name;
    FavoritesFolderTree* m_folders;
    QPushButton* m_okButton;
    QString m_shortcutPath;
};

// Adds the page (title, address) to the favorites through the dialog, as the View menu's
// "Add to Favorites" does. Returns the path of the shortcut written; empty when the user
// cancelled or there is no favorites folder. A shortcut that cannot be written is reported.
QString addFavorite(const QString& title, const QString& address, QWidget* owner);

} // namespace kelvane
