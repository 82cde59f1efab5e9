#include "base/shortcutfile.h"
#include "favorites/favoritesstore.h"
#include "favorites/favoriteswindow.h"
#include "platform/paths.h"
#include "support/waituntil.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

using namespace kelvane;

namespace {

// Root: Space (an address with %20), Other. One/Same/Deep and Two/Same: same-named folders.
QString makeFavorites() {
    QDir(favoritesFolder()).removeRecursively();
    const QString root = favoritesFolder();
    for (const auto& [file, address] : {std::pair{"Space.url", "http://x/a%20b"},
                                        {"Other.URL", "http://o/"},
                                        {"One/Same/Deep.url", "http://deep/"},
                                        {"Two/Same/Far.url", "http://far/"}}) {
        const QString path = root + u'/' + QString::fromUtf8(file);
        QDir().mkpath(path.section(u'/', 0, -2));
        EXPECT_TRUE(writeShortcutUrl(path, QString::fromUtf8(address)));
    }
    return root;
}

std::unique_ptr<FavoritesWindow> openScanned(const QString& start = {}) {
    auto window = std::make_unique<FavoritesWindow>(start);
    bool finished = false;
    QObject::connect(window.get(), &FavoritesWindow::scanFinished, [&] { finished = true; });
    window->show();
    EXPECT_TRUE(test::waitUntil([&] { return finished; }));
    return window;
}

QStringList shownEntries(const FavoritesWindow& window) {
    QStringList rows;
    for (int i = 0; i < window.favoritesList()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = window.favoritesList()->topLevelItem(i);
        rows << item->text(0) + u'|' + item->text(1);
    }
    return rows;
}

QPoint cell(const FavoritesWindow& window, int row, int column) {
    QTreeWidget* list = window.favoritesList();
    return list->visualRect(list->model()->index(row, column)).center();
}

void press(const FavoritesWindow& window, int row, int column) {
    QTest::mouseClick(window.favoritesList()->viewport(), Qt::LeftButton, {},
                      cell(window, row, column));
}

} // namespace

TEST(FavoritesWindow, OpensOnTheStartNode) {
    const QString root = makeFavorites();
    struct {
        QString start;
        QString node;
        QStringList entries;
    } cases[] = {
        {QString(), root + u'/', {"Other|http://o/", "Space|http://x/a b"}},
        {root.toUpper() + QStringLiteral("/TWO/SAME"),
         root + QStringLiteral("/Two/Same"),
         {"Far|http://far/"}},
        {QStringLiteral("http://not.a.folder/"),
         root + u'/',
         {"Other|http://o/", "Space|http://x/a b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start.toStdString());
        const auto window = openScanned(c.start);
        const QTreeWidgetItem* node = window->folderTree()->currentItem();
        EXPECT_EQ(node ? node->data(0, Qt::UserRole).toString() : QString(), c.node);
        EXPECT_TRUE(node && node->isExpanded());
        EXPECT_EQ(shownEntries(*window), c.entries);
        EXPECT_FALSE(window->loadButton()->isEnabled() || window->clipboardButton()->isEnabled());
    }
    EXPECT_TRUE(QFile::exists(dataFolder() + QStringLiteral("/widgets_favoriteswindow_test.ini")));
}

TEST(FavoritesWindow, CopiesAndLoads) {
    makeFavorites();
    const auto window = openScanned();

    press(*window, 1, 0); // the name of Space: its address as stored
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("http://x/a%20b"));
    EXPECT_TRUE(window->loadButton()->isEnabled());
    press(*window, 0, 1); // the address of Other: its own
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("http://o/"));

    press(*window, 1, 0);
    window->clipboardButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("http://x/a b"));

    // A folder disables both buttons until an entry is chosen again.
    window->folderTree()->setCurrentItem(window->folderTree()->topLevelItem(0)->child(0));
    EXPECT_FALSE(window->loadButton()->isEnabled() || window->clipboardButton()->isEnabled());
    window->folderTree()->setCurrentItem(window->folderTree()->topLevelItem(0));
    press(*window, 1, 0);

    QStringList opened;
    QObject::connect(window.get(), &FavoritesWindow::openInNewDocumentRequested,
                     [&](const QString& address) { opened << address; });
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(opened, QStringList{QStringLiteral("http://x/a b")});
    EXPECT_FALSE(window->isVisible());
}

TEST(FavoritesWindow, DoubleClickLoadsAndThePositionSurvives) {
    makeFavorites();
    auto window = openScanned();
    window->move(123, 77);
    QStringList opened;
    QObject::connect(window.get(), &FavoritesWindow::openInNewDocumentRequested,
                     [&](const QString& address) { opened << address; });
    QTest::mouseDClick(window->favoritesList()->viewport(), Qt::LeftButton, {},
                       cell(*window, 0, 0));
    EXPECT_TRUE(test::waitUntil([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, QStringList{QStringLiteral("http://o/")});

    window = openScanned();
    EXPECT_EQ(window->pos(), QPoint(123, 77));
    window->move(40, 50);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(openScanned()->pos(), QPoint(40, 50));
}
