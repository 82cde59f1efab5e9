#include "base/shortcutfile.h"
#include "favorites/addfavoritedialog.h"
#include "favorites/favoritesfoldertree.h"
#include "favorites/favoritesstore.h"
#include "favorites/favoriteswindow.h"
#include "favorites/organizefavoritesdialog.h"
#include "support/isolation.h"
#include "support/modalanswers.h"
#include "support/waituntil.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace kelvane;
using test::ModalAnswers;

namespace {

class FavoritesWindowTest : public ::testing::Test {
protected:
    // Root: Other, Space (an address with %20); One/Same/Deep and Two/Same/Far: same names.
    FavoritesWindowTest() {
        for (const auto& [file, address] : {std::pair{"Space.url", "http://x/a%20b"},
                                            {"Other.URL", "http://o/"},
                                            {"One/Same/Deep.url", "http://deep/"},
                                            {"Two/Same/Far.url", "http://far/"}}) {
            QDir().mkpath(QFileInfo(root + '/' + file).path());
            EXPECT_TRUE(writeShortcutUrl(root + '/' + file, address));
        }
    }
    // Opens the window and waits for its scan of the folder.
    FavoritesWindow& open(const QString& start = {}) {
        window = std::make_unique<FavoritesWindow>(start);
        bool finished = false;
        QObject::connect(window.get(), &FavoritesWindow::scanFinished, [&] { finished = true; });
        QObject::connect(window.get(), &FavoritesWindow::openInNewDocumentRequested,
                         [this](const QString& address) { opened << address; });
        window->show();
        EXPECT_TRUE(test::waitUntil([&] { return finished; }));
        return *window;
    }
    QStringList entries() const {
        QStringList rows;
        for (int i = 0; i < window->favoritesList()->topLevelItemCount(); ++i)
            rows << window->favoritesList()->topLevelItem(i)->text(0) + '|' +
                        window->favoritesList()->topLevelItem(i)->text(1);
        return rows;
    }
    QPoint cell(int row, int column) const {
        return window->favoritesList()
            ->visualRect(window->favoritesList()->model()->index(row, column))
            .center();
    }
    void press(int row, int column) {
        QTest::mouseClick(window->favoritesList()->viewport(), Qt::LeftButton, {},
                          cell(row, column));
    }
    bool buttonsEnabled() const {
        return window->loadButton()->isEnabled() || window->clipboardButton()->isEnabled();
    }

    test::IsolatedHome home; // apart from the dialogs' tests below
    const QString root = favoritesFolder();
    std::unique_ptr<FavoritesWindow> window;
    QStringList opened;
};

TEST_F(FavoritesWindowTest, OpensOnTheStartNode) {
    const QStringList atRoot = {"Other|http://o/", "Space|http://x/a b"};
    // Where the window starts, the node it opens on and the entries it lists.
    const std::tuple<QString, QString, QStringList> cases[] = {
        {QString(), root + '/', atRoot},
        {root.toUpper() + "/TWO/SAME", root + "/Two/Same", {"Far|http://far/"}},
        {"http://not.a.folder/", root + '/', atRoot},
    };
    for (const auto& [start, path, listed] : cases) {
        SCOPED_TRACE(start.toStdString());
        open(start);
        const QTreeWidgetItem* node = window->folderTree()->currentItem();
        ASSERT_TRUE(node && node->isExpanded());
        EXPECT_EQ(node->data(0, Qt::UserRole).toString(), path);
        EXPECT_EQ(entries(), listed);
        EXPECT_FALSE(buttonsEnabled());
    }
}

TEST_F(FavoritesWindowTest, CopiesAndLoads) {
    open();
    press(1, 0); // the name of Space: its address as stored
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "http://x/a%20b");
    EXPECT_TRUE(window->loadButton()->isEnabled());
    press(0, 1); // the address of Other: its own
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "http://o/");
    press(1, 0);
    window->clipboardButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "http://x/a b");

    // A folder disables both buttons until an entry is chosen again.
    window->folderTree()->setCurrentItem(window->folderTree()->topLevelItem(0)->child(0));
    EXPECT_FALSE(buttonsEnabled());
    window->folderTree()->setCurrentItem(window->folderTree()->topLevelItem(0));
    press(1, 0);
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(opened, QStringList{"http://x/a b"});
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FavoritesWindowTest, DoubleClickLoadsAndThePositionSurvives) {
    open().move(23, 77); // within the 800x600 screen
    QTest::mouseDClick(window->favoritesList()->viewport(), Qt::LeftButton, {}, cell(0, 0));
    EXPECT_TRUE(test::waitUntil([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, QStringList{"http://o/"});

    EXPECT_EQ(open().pos(), QPoint(23, 77));
    window->move(40, 50);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(open().pos(), QPoint(40, 50));
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
        ModalAnswers answers({ModalAnswers::press(button)});
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
        ModalAnswers answers({ModalAnswers::press(button)});
        dialog.deleteCurrent();
        EXPECT_EQ(QFile::exists(root + "/Group/Gone.url"), button == QMessageBox::No);
    }
}
