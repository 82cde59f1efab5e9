#include "favorites/favoritesstore.h"
#include "support/isolation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

// Every file and folder below root, relative, with a file's contents.
QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        const bool folder = QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly);
        files.insert(QDir(root).relativeFilePath(path), folder ? "<folder>" : file.readAll());
    }
    return files;
}

void make(const QString& root, const QString& relative, const QByteArray& contents = "x") {
    ASSERT_TRUE(test::writeFile(QDir(root).filePath(relative), contents));
}

} // namespace

TEST(FavoritesStore, FileNamesFromTitlesStayInTheirFolder) {
    const QString longTitle = QString(300, QChar(0x00E9));
    // clang-format off
    const std::pair<QString, QString> cases[] = {
        {"News: today / world", "News_ today _ world"}, {"..", ""},
        {"../../etc/passwd", "_.._etc_passwd"}, {"  .hidden. ", "hidden"},
        {"a\nb\x01" "c\x7F" "d", "a_b_c_d"}, {"<a|b>*?\"\\", "_a_b_____"},
        {longTitle, QString(125, QChar(0x00E9))}, {QString(300, u'x'), QString(251, u'x')}};
    // clang-format on
    for (const auto& [title, expected] : cases)
        EXPECT_EQ(favoriteFileName(title), expected) << qPrintable(title);
}

TEST(FavoritesStore, OrganisingChangesExactlyThoseFiles) {
    QTemporaryDir dir, elsewhere;
    const QString root = dir.path();
    make(elsewhere.path(), QStringLiteral("Precious.url"));
    ASSERT_TRUE(QFile::link(elsewhere.path(), dir.filePath(QStringLiteral("Linked"))));
    for (const char* file : {"News.url", "Mail.URL", "Home.url", "Links/Home.url",
                             "Links/Deep/Page.url", "Other/Keep.url"})
        make(root, QString::fromUtf8(file), file);
    enum class Op { Rename, Move, NewFolder, Delete };
    using E = StoreError;
    // change: "a>b" moves a (and what is below it) to b, "+a" is a new folder, "-a" goes
    // with what is below it.
    // clang-format off
    const struct { Op op; const char *path, *argument; StoreError error; const char* change; }
        steps[] = {
        {Op::Rename, "Mail.URL", "Post.url", E::None, "Mail.URL>Post.URL"},
        {Op::Rename, "News.url", "Post", E::Exists, ""},
        {Op::Rename, "News.url", "../News", E::None, "News.url>_News.url"},
        {Op::Rename, "Other", "Kept", E::None, "Other>Kept"},
        {Op::Move, "Post.URL", "Links/Deep", E::None, "Post.URL>Links/Deep/Post.URL"},
        {Op::Move, "Links/Home.url", "", E::Exists, ""},
        {Op::Move, "Links", "Links/Deep", E::BadName, ""},
        {Op::NewFolder, "Links", "A/B", E::None, "+Links/A_B"},
        {Op::NewFolder, "", "Kept", E::Exists, ""},
        {Op::Delete, "_News.url", "", E::None, "-_News.url"},
        {Op::Delete, "Links", "", E::None, "-Links"},
        {Op::Delete, "Linked", "", E::None, "-Linked"}, // the link goes, not what it points to
    };
    // clang-format on
    for (const auto& step : steps) {
        SCOPED_TRACE(step.path);
        QMap<QString, QByteArray> expected = snapshot(root);
        for (const QString& change :
             QString::fromUtf8(step.change).split(u' ', Qt::SkipEmptyParts)) {
            const QString to = change.section(u'>', 1);
            if (change.startsWith(u'+')) {
                expected.insert(change.mid(1), "<folder>");
                continue;
            }
            const QString gone =
                change.startsWith(u'-') ? change.mid(1) : change.section(u'>', 0, 0);
            for (const QString& key : expected.keys()) {
                if (key == gone || key.startsWith(gone + u'/')) {
                    const QByteArray contents = expected.take(key);
                    if (!change.startsWith(u'-'))
                        expected.insert(to + key.mid(gone.size()), contents);
                }
            }
        }
        const QString path = QDir(root).filePath(QString::fromUtf8(step.path));
        const QString argument = QString::fromUtf8(step.argument);
        StoreError error = StoreError::None;
        const bool done = step.op == Op::Rename ? !renameFavorite(path, argument, &error).isEmpty()
                          : step.op == Op::Move
                              ? !moveFavorite(path, QDir(root).filePath(argument), &error).isEmpty()
                          : step.op == Op::NewFolder
                              ? !createFavoritesFolder(path, argument, &error).isEmpty()
                              : removeFavorite(path);
        EXPECT_EQ(done, step.error == StoreError::None);
        EXPECT_EQ(error, step.error);
        EXPECT_EQ(snapshot(root), expected);
    }
    EXPECT_TRUE(QFile::exists(elsewhere.filePath(QStringLiteral("Precious.url"))));
}
