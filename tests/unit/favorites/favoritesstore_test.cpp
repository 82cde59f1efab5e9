#include "favorites/favoritesstore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

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
    const QString path = QDir(root).filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

} // namespace

TEST(FavoritesStore, FileNamesFromTitlesStayInTheirFolder) {
    QTemporaryDir dir;
    const QString longTitle = QString(300, QChar(0x00E9));
    struct {
        QString title;
        QString expected;
    } cases[] = {
        {QStringLiteral("News: today / world"), QStringLiteral("News_ today _ world")},
        {QStringLiteral(".."), QString()},
        {QStringLiteral("../../etc/passwd"), QStringLiteral("_.._etc_passwd")},
        {QStringLiteral("  .hidden. "), QStringLiteral("hidden")},
        {QStringLiteral("a\nb\x01"
                        "c\x7F"
                        "d"),
         QStringLiteral("a_b_c_d")},
        {QStringLiteral("<a|b>*?\"\\"), QStringLiteral("_a_b_____")},
        {longTitle, QString(125, QChar(0x00E9))},
        {QString(300, u'x'), QString(251, u'x')},
    };
    for (const auto& c : cases) {
        const QString name = favoriteFileName(c.title);
        EXPECT_EQ(name, c.expected) << qPrintable(c.title);
        if (name.isEmpty())
            continue;
        const QString path = dir.filePath(name + QStringLiteral(".url"));
        EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(dir.path()).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(name);
    }
}

TEST(FavoritesStore, OrganisingChangesExactlyThoseFiles) {
    QTemporaryDir dir;
    const QString root = dir.path();
    for (const char* file : {"News.url", "Mail.URL", "Home.url", "Links/Home.url",
                             "Links/Deep/Page.url", "Other/Keep.url"})
        make(root, QString::fromUtf8(file), file);
    const auto at = [&](const char* relative) {
        return QDir(root).filePath(QString::fromUtf8(relative));
    };
    const auto name = [](const char* text) { return QString::fromUtf8(text); };
    StoreError error = StoreError::None;
    struct Step {
        const char* name;
        std::function<bool()> run;
        StoreError error;
        QStringList from; // each moves to the same place in `to`; the rest of `to` are new folders
        QStringList to;
    };
    const Step steps[] = {
        {"rename shortcut",
         [&] { return !renameFavorite(at("Mail.URL"), name("Post.url"), &error).isEmpty(); },
         StoreError::None,
         {"Mail.URL"},
         {"Post.URL"}},
        {"rename onto another",
         [&] { return !renameFavorite(at("News.url"), name("Post"), &error).isEmpty(); },
         StoreError::Exists,
         {},
         {}},
        {"rename with a path",
         [&] { return !renameFavorite(at("News.url"), name("../News"), &error).isEmpty(); },
         StoreError::None,
         {"News.url"},
         {"_News.url"}},
        {"rename folder",
         [&] { return !renameFavorite(at("Other"), name("Kept"), &error).isEmpty(); },
         StoreError::None,
         {"Other", "Other/Keep.url"},
         {"Kept", "Kept/Keep.url"}},
        {"move shortcut",
         [&] { return !moveFavorite(at("Post.URL"), at("Links/Deep"), &error).isEmpty(); },
         StoreError::None,
         {"Post.URL"},
         {"Links/Deep/Post.URL"}},
        {"move onto another",
         [&] { return !moveFavorite(at("Links/Home.url"), root, &error).isEmpty(); },
         StoreError::Exists,
         {},
         {}},
        {"move folder below itself",
         [&] { return !moveFavorite(at("Links"), at("Links/Deep"), &error).isEmpty(); },
         StoreError::BadName,
         {},
         {}},
        {"new folder",
         [&] { return !createFavoritesFolder(at("Links"), name("A/B"), &error).isEmpty(); },
         StoreError::None,
         {},
         {"Links/A_B"}},
        {"existing folder",
         [&] { return !createFavoritesFolder(root, name("Kept"), &error).isEmpty(); },
         StoreError::Exists,
         {},
         {}},
        {"delete shortcut",
         [&] { return removeFavorite(at("_News.url")); },
         StoreError::None,
         {"_News.url"},
         {}},
        {"delete folder",
         [&] { return removeFavorite(at("Links")); },
         StoreError::None,
         {"Links", "Links/Home.url", "Links/Deep", "Links/Deep/Page.url", "Links/Deep/Post.URL",
          "Links/A_B"},
         {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        QMap<QString, QByteArray> expected = snapshot(root);
        for (qsizetype i = 0; i < step.from.size(); ++i) {
            const QByteArray contents = expected.take(step.from.at(i));
            if (i < step.to.size())
                expected.insert(step.to.at(i), contents);
        }
        for (qsizetype i = step.from.size(); i < step.to.size(); ++i)
            expected.insert(step.to.at(i), "<folder>");
        error = StoreError::None;
        EXPECT_EQ(step.run(), step.error == StoreError::None);
        EXPECT_EQ(error, step.error);
        EXPECT_EQ(snapshot(root), expected);
    }
}

TEST(FavoritesStore, DeletingALinkedFolderKeepsWhatItPointsTo) {
    QTemporaryDir favorites, elsewhere;
    make(elsewhere.path(), QStringLiteral("Precious.url"));
    ASSERT_TRUE(QFile::link(elsewhere.path(), favorites.filePath(QStringLiteral("Linked"))));
    EXPECT_TRUE(removeFavorite(favorites.filePath(QStringLiteral("Linked"))));
    EXPECT_TRUE(QFile::exists(elsewhere.filePath(QStringLiteral("Precious.url"))));
    EXPECT_TRUE(snapshot(favorites.path()).isEmpty());
}
