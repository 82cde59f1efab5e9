#include "base/shortcutfile.h"
#include "favorites/browserbookmarks.h"
#include "favorites/favoritesimport.h"
#include "favorites/favoritesscan.h"
#include "favorites/importtask.h"
#include "platform/paths.h"
#include "support/isolation.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

Bookmark F(const QString& title, const QList<Bookmark>& children) {
    return {Bookmark::Kind::Folder, title, {}, children};
}
Bookmark L(const QString& title, const QString& url) {
    return {Bookmark::Kind::Link, title, url, {}};
}
const Bookmark S{Bookmark::Kind::Separator, {}, {}, {}};

// Every folder and shortcut below root: a folder as "<folder>", a shortcut as its address.
QMap<QString, QString> favorites(const QString& root) {
    QMap<QString, QString> found;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        found.insert(QDir(root).relativeFilePath(path),
                     QFileInfo(path).isDir() ? "<folder>" : readShortcutUrl(path));
    }
    return found;
}

const char kHtml[] = R"html(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<TITLE>Bookmarks</TITLE><H1>Bookmarks</H1>
<DL><p>
  <DT><H3 ADD_DATE="1" PERSONAL_TOOLBAR_FOLDER="true">Tools &amp; Docs</H3>
  <DD>What the folder holds
  <DL><p>
    <DT><A HREF="https://qt.io/?a=1&amp;b=2" ADD_DATE="2">Qt &#8211; &quot;docs&quot;</A>
    <HR>
    <dt><h3>Caf&eacute; &#xE9;t&#233;</h3>
    <dl><p><dt><a href='http://deep/'>Deep</a></dl><p>
  </DL><p>
  <DT><A HREF="javascript:alert(1)">Script</A>
  <DT><A HREF=" DATA:text/html,x ">Data</A>
  <DT><A HREF="http://up/">../../Up/Out</A>
  <DT><A HREF="http://cut/">Cut off at the end)html";

TEST(BookmarkImport, BookmarkHtmlBecomesFoldersAndShortcutsFileByFile) {
    const Bookmark tree = readBookmarkHtml(kHtml);
    const Bookmark expected =
        F({}, {F("Tools & Docs", {L(u"Qt \u2013 \"docs\""_qs, "https://qt.io/?a=1&b=2"), S,
                                  F("Caf&eacute; été", {L("Deep", "http://deep/")})}),
               L("Script", "javascript:alert(1)"), L("Data", "DATA:text/html,x"),
               L("../../Up/Out", "http://up/"), L("Cut off at the end", "http://cut/")});
    EXPECT_TRUE(tree == expected) << writeBookmarkHtml(tree).toStdString();
    QTemporaryDir root;
    ASSERT_TRUE(
        test::writeFile(root.filePath("Data.url"), "[InternetShortcut]\r\nURL=http://mine/"));
    const ImportSummary summary = importBookmarks(tree, root.path());
    EXPECT_EQ(summary, (ImportSummary{4, 2, 0, 2, 0, 0, 0}));
    EXPECT_EQ(
        favorites(root.path()),
        (QMap<QString, QString>{
            {"Data.url", "http://mine/"}, // untouched: javascript: and data: are never written
            {"Tools & Docs", "<folder>"},
            {u"Tools & Docs/Qt \u2013 _docs_.url"_qs, "https://qt.io/?a=1&b=2"},
            {"Tools & Docs/Caf&eacute; été", "<folder>"},
            {"Tools & Docs/Caf&eacute; été/Deep.url", "http://deep/"},
            {"_.._Up_Out.url", "http://up/"},
            {"Cut off at the end.url", "http://cut/"}}));
    EXPECT_EQ(summary.text(), "Added 4 favorites and 2 folders. Skipped: 2 javascript: or data: "
                              "addresses.");
    // Again: nothing is overwritten; what is there counts as present, a new address of a taken
    // name gets a number.
    const ImportSummary again =
        importBookmarks(F({}, {L("Deep", "http://other/"), L("Cut off at the end", "http://cut/"),
                               L("", "place:sort=8"), L("Later", "http://later/")}),
                        root.path(), 2);
    EXPECT_EQ(again, (ImportSummary{1, 0, 1, 0, 1, 1, 0}));
    EXPECT_EQ(favorites(root.path()).value("Deep.url"), "http://other/");
    EXPECT_FALSE(favorites(root.path()).contains("Later.url")) << "past the limit";
    ASSERT_TRUE(importBookmarks(F({}, {L("Deep", "http://third/")}), root.path()).added == 1);
    EXPECT_EQ(favorites(root.path()).value("Deep (2).url"), "http://third/");
}

// A language whose singular covers 0 and 1, its texts marked.
struct MarkedLanguage : QTranslator {
    QString translate(const char*, const char* source, const char*, int n) const override {
        return u'<' + QString::fromUtf8(source) + (n < 0 ? "" : n < 2 ? "/one" : "/many") + u'>';
    }
    bool isEmpty() const override { return false; }
};

TEST(FavoritesImport, SummaryCountsInTheUsersLanguage) {
    const ImportSummary summary{1, 0, 1, 2, 0, 3, 0, true};
    EXPECT_EQ(summary.text(), "Cancelled. Added 1 favorite and 0 folders. Skipped: 1 already in "
                              "Favorites, 2 javascript: or data: addresses, 3 past the 32767 one "
                              "import takes.");
    MarkedLanguage language;
    QCoreApplication::installTranslator(&language);
    EXPECT_EQ(summary.text(), "<Cancelled.> <Added <1 favorites/one> and <0 folders/one>.> "
                              "<Skipped: <1 already in Favorites/one>, <2 javascript: or data: "
                              "addresses/many>, <3 past the 32767 one import takes/many>.>");
    QCoreApplication::removeTranslator(&language);
}

TEST(BookmarkImport, HostileFilesAreReadWithoutWritingOutsideTheFolder) {
    QByteArray many = "<DL>";
    for (int i = 0; i < 100'000; ++i)
        many += "<DT><A HREF=\"http://h/" + QByteArray::number(i) + "\">n</A>\n";
    EXPECT_EQ(readBookmarkHtml(many).children.size(), 100'000);
    EXPECT_TRUE(readBookmarkHtml("<DL><DT><H3>E</H3></DL><DL><DT><A HREF=a>a</A></DL></DL></DL>") ==
                F({}, {F("E", {}), L("a", "a")}));
    QByteArray deep;
    for (int i = 0; i < 500; ++i)
        deep += "<DT><H3>d</H3><DL><p>";
    deep += "<DT><A HREF=\"http://bottom/\">bottom</A><DT><A HREF=\"http://x/\"><DT><A HREF=\"http";
    Bookmark tree = readBookmarkHtml(deep);
    int depth = 0;
    for (const Bookmark* folder = &tree; !folder->children.isEmpty();
         folder = &folder->children.first(), ++depth) {
        if (folder->children.first().kind == Bookmark::Kind::Link) {
            EXPECT_EQ(folder->children.size(), 2); // the cut-off tag at the end is no link
            break;
        }
    }
    EXPECT_EQ(depth, kMaxBookmarkDepth);
    QTemporaryDir outside, root;
    ASSERT_TRUE(QFile::link(outside.path(), root.filePath("Linked")));
    ASSERT_TRUE(test::writeFile(root.filePath("Plain"), "a file, not a folder"));
    tree.children = {F("Linked", {L("in", "http://in/")}), F("Plain", {L("p", "http://p/")}),
                     F("..", {L("/", "http://slash/")})};
    const ImportSummary summary = importBookmarks(tree, root.path());
    EXPECT_EQ(summary.added, 3);
    EXPECT_TRUE(QDir(outside.path()).isEmpty()) << "a link to a folder elsewhere is not entered";
    const auto found = favorites(root.path());
    EXPECT_EQ(found.value("Linked (2)/in.url"), "http://in/");
    EXPECT_EQ(found.value("Plain (2)/p.url"), "http://p/");
    EXPECT_EQ(found.value("Folder/_.url"), "http://slash/");
}

const char kMozPlaces[] = "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title "
                          "LONGVARCHAR, rev_host LONGVARCHAR, visit_count INTEGER DEFAULT 0, "
                          "guid TEXT)";
const char kMozBookmarks[] =
    "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL, "
    "parent INTEGER, position INTEGER, title LONGVARCHAR, keyword_id INTEGER, folder_type TEXT, "
    "dateAdded INTEGER, lastModified INTEGER, guid TEXT)";
const char kPlacesRoots[] = "INSERT INTO moz_bookmarks (id, type, parent, position, guid) VALUES "
                            "(1, 2, 0, 0, 'root________'), (2, 2, 1, 0, 'menu________')";

void makePlaces(const QString& path, const QList<const char*>& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "places");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const char* sql : statements)
            ASSERT_TRUE(q.exec(sql)) << sql;
    }
    QSqlDatabase::removeDatabase("places");
}

TEST(BookmarkImport, HostileFirefoxProfilesAreCutOrRefusedAndLeaveNoCopy) {
    // A copy a reader that died left behind: the next read deletes it.
    const QString orphan = runtimeFolder() + "/kelvane-places-999999999-x/places.sqlite";
    ASSERT_TRUE(test::writeFile(orphan, "the whole history"));
    QTemporaryDir dir;
    const QString deep = dir.filePath("deep.sqlite"), view = dir.filePath("view.sqlite");
    makePlaces(deep, {kMozPlaces, kMozBookmarks, kPlacesRoots,
                      "INSERT INTO moz_places (id, url) VALUES (1, 'http://bottom/')",
                      "INSERT INTO moz_bookmarks (id, type, parent, position, title, guid) WITH "
                      "RECURSIVE n(i) AS (SELECT 10 UNION ALL SELECT i + 1 FROM n WHERE i < "
                      "200010) SELECT i, 2, iif(i = 10, 2, i - 1), 0, 'd', 'g' FROM n",
                      "INSERT INTO moz_bookmarks (id, type, fk, parent, position, title) VALUES "
                      "(300000, 1, 1, 200010, 0, 'bottom')"});
    makePlaces(view, {kMozPlaces,
                      "CREATE VIEW moz_bookmarks AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                      "SELECT i + 1 FROM n) SELECT i AS id, 2 AS type, NULL AS fk, i - 1 AS "
                      "parent, 0 AS position, 'x' AS title, 'root________' AS guid FROM n"});
    QString error;
    const auto tree = readBookmarkFile(deep, &error);
    ASSERT_TRUE(tree) << error;
    int depth = 0;
    const Bookmark* folder = &*tree;
    while (!folder->children.isEmpty() && folder->children.first().kind == Bookmark::Kind::Folder)
        folder = &folder->children.first(), ++depth;
    EXPECT_EQ(depth, kMaxBookmarkDepth) << "the folders below are folded into the last one";
    EXPECT_TRUE(folder->children == QList<Bookmark>{L("bottom", "http://bottom/")});
    EXPECT_FALSE(readBookmarkFile(view, &error)) << "a view may run any query";
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(runtimeFolder()).entryList({"kelvane-places-*"}, QDir::AllEntries),
              QStringList());
}

TEST(BookmarkImport, FirefoxPlacesReadFromACopy) {
    QTemporaryDir dir;
    const QString places = dir.filePath("places.sqlite");
    makePlaces(places,
               {kMozPlaces, kMozBookmarks,
                "INSERT INTO moz_places (id, url) VALUES (1, 'https://mozilla.org/'), "
                "(2, 'https://kde.org/'), (3, 'javascript:void(0)')",
                "INSERT INTO moz_bookmarks (id, type, fk, parent, position, title, guid) VALUES "
                "(1, 2, NULL, 0, 0, '', 'root________'), (2, 2, NULL, 1, 0, 'menu', "
                "'menu________'), (3, 2, NULL, 1, 1, 'toolbar', 'toolbar_____'), (4, 2, NULL, "
                "1, 2, 'tags', 'tags________'), (5, 2, NULL, 1, 3, 'unfiled', 'unfiled_____'), "
                "(10, 2, NULL, 2, 2, 'Sub', 'a'), (11, 1, 2, 10, 0, 'KDE', 'b'), (12, 3, NULL, "
                "2, 1, NULL, 'c'), (13, 1, 1, 2, 0, 'Mozilla', 'd'), (14, 1, 3, 3, 0, 'Js', "
                "'e'), (15, 2, NULL, 4, 0, 'a tag', 'f'), (16, 1, 1, 15, 0, 'tagged', 'g')"});
    const QByteArray before = test::readFile(places);
    QString error;
    const auto tree = readBookmarkFile(places, &error);
    ASSERT_TRUE(tree) << error;
    EXPECT_TRUE(*tree ==
                F("Firefox", {F("Bookmarks Menu", {L("Mozilla", "https://mozilla.org/"), S,
                                                   F("Sub", {L("KDE", "https://kde.org/")})}),
                              F("Bookmarks Toolbar", {L("Js", "javascript:void(0)")})}))
        << writeBookmarkHtml(*tree).toStdString();
    EXPECT_EQ(test::readFile(places), before);
    QTemporaryDir root;
    EXPECT_EQ(importBookmarks(*tree, root.path()), (ImportSummary{2, 2, 0, 1, 0, 0, 0}));
    EXPECT_EQ(favorites(root.path()).keys(),
              (QStringList{"Bookmarks Menu", "Bookmarks Menu/Mozilla.url", "Bookmarks Menu/Sub",
                           "Bookmarks Menu/Sub/KDE.url"}))
        << "no folder for the toolbar, whose only address is skipped";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"places.sqlite"});
}

TEST(BookmarkImport, ChromiumBookmarksAndFilesOfNoKnownFormat) {
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeFile(dir.filePath("Bookmarks"), R"({"version": 1, "roots": {
        "bookmark_bar": {"name": "Bookmarks bar", "type": "folder", "children": [
            {"type": "url", "name": "Chromium", "url": "https://chromium.org/"},
            {"type": "folder", "name": "Inner", "children": [
                {"type": "url", "name": "Deep", "url": "https://deep/"}]}]},
        "other": {"type": "folder", "children": []},
        "synced": {"type": "folder", "children": [{"type": "url", "name": "M", "url": "m:"}]}}})"));
    QString error;
    const auto tree = readBookmarkFile(dir.filePath("Bookmarks"), &error);
    ASSERT_TRUE(tree) << error;
    EXPECT_TRUE(*tree ==
                F("Chromium", {F("Bookmarks bar", {L("Chromium", "https://chromium.org/"),
                                                   F("Inner", {L("Deep", "https://deep/")})}),
                               F("Mobile bookmarks", {L("M", "m:")})}));
    for (const QByteArray& bytes : QList<QByteArray>{"{\"roots\": 1", "{}", "plain text", ""}) {
        ASSERT_TRUE(test::writeFile(dir.filePath("x"), bytes));
        error.clear();
        EXPECT_FALSE(readBookmarkFile(dir.filePath("x"), &error)) << bytes.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(readBookmarkFile(dir.filePath("missing"), &error));
}

TEST(BookmarkImport, RunsOnAThreadOfItsOwnWritesPrivateFilesAndStopsWhenCancelled) {
    QTemporaryDir dir, root;
    QByteArray html = "<DL><DT><H3>Folder</H3><DL>";
    for (int i = 0; i < 3000; ++i)
        html += "<DT><A HREF=\"http://h/" + QByteArray::number(i) + "\">Same</A>\n";
    ASSERT_TRUE(test::writeFile(dir.filePath("b.html"), html));
    for (const bool cancel : {true, false}) {
        ImportTask task(dir.filePath("b.html"), root.path());
        ImportSummary summary;
        QEventLoop loop;
        QObject::connect(&task, &ImportTask::progress, [&](int, int total) {
            if (cancel && total > 0)
                task.cancel();
        });
        QObject::connect(&task, &ImportTask::finished,
                         [&](const QString& error, const ImportSummary& s) {
                             EXPECT_EQ(error, "");
                             summary = s;
                             loop.quit();
                         });
        task.start();
        loop.exec();
        const QFileInfoList files = QDir(root.filePath("Folder")).entryInfoList(QDir::Files);
        EXPECT_EQ(summary.cancelled, cancel);
        if (cancel)
            EXPECT_TRUE(summary.added < 3000 && files.size() == summary.added) << summary.added;
        else // numbered up to " (1000)"; what the cancelled run wrote is there
            EXPECT_TRUE(files.size() == 1000 && summary.present + summary.added == 1000 &&
                        summary.failed == 2000)
                << summary.text();
        for (const QFileInfo& file : files)
            ASSERT_EQ(file.permissions() & 0x0077, 0) << file.fileName();
        EXPECT_EQ(QFileInfo(root.filePath("Folder")).permissions() & 0x0077, 0);
    }
}

TEST(BookmarkImport, AnExportReadBackGivesTheSameTree) {
    QTemporaryDir first, second, files;
    importBookmarks(readBookmarkHtml(kHtml), first.path());
    QString error;
    ASSERT_TRUE(exportFavorites(first.path(), files.filePath("out.html"), &error)) << error;
    const auto read = readBookmarkFile(files.filePath("out.html"), &error);
    ASSERT_TRUE(read) << error;
    importBookmarks(*read, second.path());
    EXPECT_EQ(favorites(second.path()), favorites(first.path()));
    EXPECT_TRUE(favoritesTree(second.path()) == favoritesTree(first.path()));
    EXPECT_FALSE(exportFavorites(first.path(), files.filePath("no/such/folder.html"), &error));
}

void make(const QString& root, const QString& relative, const QByteArray& address) {
    const QByteArray bytes = "[InternetShortcut]\r\nURL=" + address + "\r\n";
    ASSERT_TRUE(test::writeFile(root + u'/' + relative, address.isEmpty() ? "" : bytes));
}

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

} // namespace
