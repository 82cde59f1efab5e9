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
    ASSERT_TRUE(QFile::link(root, root + "/Group/up"));
    OrganizeFavoritesDialog dialog(root);
    dialog.show();
    ASSERT_TRUE(dialog.tree()->selectPath(root + "/Group/up"));
    EXPECT_EQ(dialog.tree()->currentItem()->childCount(), 0) << "a link back up is not walked";
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
        ASSERT_TRUE(dialog.tree()->selectPath(root + "/Group"));
        ModalAnswers answers({press(button)});
        dialog.deleteCurrent();
        EXPECT_EQ(QFile::exists(root + "/Group/Gone.url"), button == QMessageBox::No);
    }
}
