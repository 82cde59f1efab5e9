#include "base/shortcutfile.h"
#include "favorites/addfavoritedialog.h"
#include "favorites/favoritesfoldertree.h"
#include "favorites/favoritesstore.h"
#include "favorites/organizefavoritesdialog.h"
#include "support/modalanswers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane;

using test::ModalAnswers;

namespace {

ModalAnswers::Answer press(QMessageBox::StandardButton button) {
    return [button](QWidget* box) { qobject_cast<QMessageBox*>(box)->button(button)->click(); };
}

} // namespace

TEST(AddFavorite, WritesTheShortcutInTheChosenFolder) {
    const QString root = favoritesFolder();
    const QString links = createFavoritesFolder(root, "Links");

    QString path;
    {
        ModalAnswers answers({[&](QWidget* modal) {
            auto* dialog = qobject_cast<AddFavoriteDialog*>(modal);
            EXPECT_EQ(dialog->nameEdit()->text(), "News _ today");
            dialog->folderTree()->selectPath(links);
            dialog->accept();
        }});
        path = addFavorite("News / today", "http://n/", nullptr);
    }
    EXPECT_EQ(path, links + "/News _ today.url");
    EXPECT_EQ(readShortcutUrl(path), "http://n/");
    ModalAnswers reject; // unanswered: rejected
    EXPECT_EQ(addFavorite("Other", "http://o/", nullptr), "");
    EXPECT_EQ(QDir(root).entryList(QDir::Files), QStringList());
}

TEST(AddFavorite, AsksBeforeReplacingAShortcut) {
    const QString root = favoritesFolder();
    const QString existing = root + "/Page.URL";
    ASSERT_TRUE(writeShortcutUrl(existing, "http://old/"));
    AddFavoriteDialog dialog("Page", root);
    dialog.show();
    dialog.folderTree()->selectPath(root);
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
        ModalAnswers answers({press(button)});
        dialog.accept(); // OK
        EXPECT_EQ(dialog.isVisible(), button == QMessageBox::No);
    }
    EXPECT_EQ(dialog.shortcutPath(), existing);
}

TEST(OrganizeFavorites, DeletesOnlyAfterConfirmation) {
    const QString root = favoritesFolder();
    QDir(root).mkpath("Group");
    ASSERT_TRUE(writeShortcutUrl(root + "/Group/Gone.url", "x"));
    OrganizeFavoritesDialog dialog(root);
    dialog.show();
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
        ASSERT_TRUE(dialog.tree()->selectPath(root + "/Group"));
        ModalAnswers answers({press(button)});
        dialog.deleteCurrent();
        EXPECT_EQ(QFile::exists(root + "/Group/Gone.url"), button == QMessageBox::No);
    }
}

TEST(FavoritesFolderTree, AFolderLinkBackUpTheTreeIsNotWalkedAgain) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkdir("A") && QFile::link(root.path(), root.filePath("A/up")));
    FavoritesFolderTree tree(root.path(), FavoritesFolderTree::Content::Folders);
    const QTreeWidgetItem* up = tree.topLevelItem(0)->child(0)->child(0);
    ASSERT_TRUE(up && up->text(0) == "up");
    EXPECT_EQ(up->childCount(), 0) << "what it leads to is in the tree already";
}
