#include "favorites/favoritesscan.h"
#include "support/isolation.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

void make(const QString& root, const QString& relative, const QByteArray& address) {
    const QByteArray bytes = "[InternetShortcut]\r\nURL=" + address + "\r\n";
    ASSERT_TRUE(test::writeFile(root + u'/' + relative, address.isEmpty() ? "" : bytes));
}

} // namespace

TEST(FavoritesScan, ListsShortcutsUnderTheKeysOfTheirFolders) {
    QTemporaryDir dir;
    const QString root = dir.path();
    for (const auto& [file, address] : {std::pair{"b title.url", "http://b/"},
                                        {"A Title.URL", "http://a/a%20b"},
                                        {".url", "http://hidden/"},
                                        {"notes.txt", "http://no/"},
                                        {"Say \"hi\".url", "http://q/"},
                                        {"One/Same/s.url", "http://one/"},
                                        {"Two/Same/t.Url", "http://two/"},
                                        {"Two/Same/Empty.url", ""}})
        make(root, QString::fromUtf8(file), address);
    ASSERT_TRUE(QFile::link(root + QStringLiteral("/Two"), root + QStringLiteral("/Two/Loop")));

    FavoritesScan scan(root, QStringLiteral("Favorites"));
    ASSERT_TRUE(scan.run());
    const QString r = root + QLatin1Char('/');
    QStringList nodes;
    for (const FavoritesNode& node : scan.nodes())
        nodes << node.parentKey + u'|' + node.key + u'|' + node.text;
    EXPECT_EQ(nodes, (QStringList{u"|" + r + u"|Favorites", r + u'|' + r + u"One|One",
                                  r + u"One|" + r + u"One/Same|Same", r + u'|' + r + u"Two|Two",
                                  r + u"Two|" + r + u"Two/Loop|Loop",
                                  r + u"Two|" + r + u"Two/Same|Same"}));
    QStringList entries;
    for (const FavoriteEntry& entry : scan.entries())
        entries << entry.folder + u'|' + entry.name + u'|' + entry.url;
    EXPECT_EQ(entries, (QStringList{r + u"|A Title|http://a/a%20b", r + u"|b title|http://b/",
                                    r + u"One/Same|s|http://one/", r + u"|Say \"hi\"|http://q/",
                                    r + u"Two/Same|Empty|", r + u"Two/Same|t|http://two/"}));

    const QString cache = dir.filePath(QStringLiteral("cache.ini"));
    ASSERT_TRUE(scan.writeCache(cache));
    const QList<QByteArray> lines = test::readFile(cache).split('\n');
    ASSERT_EQ(lines.size(), 1 + 6 + 6 + 1);
    EXPECT_EQ(lines.at(0), "6\r");
    EXPECT_EQ(lines.at(1), "\"first\",\"" + r.toUtf8() + "\",\"Favorites\"\r");
    EXPECT_EQ(lines.at(10), "\"" + r.toUtf8() + "\",\"Say \"\"hi\"\"\",\"http://q/\"\r");

    // Stopped at the first pause, or no favorites folder: the root alone.
    EXPECT_FALSE(scan.run([] { return false; }));
    EXPECT_EQ(scan.nodes().size(), 1);
    FavoritesScan none{QString(), QString()};
    EXPECT_TRUE(none.run() && none.nodes().size() == 1);
}
