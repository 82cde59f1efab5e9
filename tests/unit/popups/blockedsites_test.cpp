#include "popups/blockedsites.h"
#include "popups/popuprules.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace kelvane;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(BlockedSites, MatchIsCaseInsensitiveSubstringFirstInOrderAndNeverEmpty) {
    const QStringList entries = {QString(), QStringLiteral("ad"), QStringLiteral("AdServer"),
                                 QStringLiteral("popup")};
    struct Case {
        const char* address;
        qsizetype entry;
    };
    const Case cases[] = {
        {"http://ADSERVER.example/banner", 1}, // "ad" comes first
        {"https://example.com/PopUp.html", 3},
        {"https://example.com/", -1}, // the empty entry matches nothing
        {"", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findBlockedEntry(entries, QString::fromLatin1(c.address)), c.entry) << c.address;
}

TEST(BlockedSites, ChecksOnlyFirstNavigationsWhileTheBlockerIsOn) {
    const QStringList entries = {QStringLiteral("adserver")};
    const QString blocked = QStringLiteral("http://AdServer.example/");
    EXPECT_TRUE(isBlockedFirstNavigation(false, true, entries, blocked));
    EXPECT_FALSE(isBlockedFirstNavigation(true, true, entries, blocked)); // popups allowed
    EXPECT_FALSE(isBlockedFirstNavigation(false, false, entries, blocked));
    EXPECT_FALSE(isBlockedFirstNavigation(false, true, entries, QStringLiteral("http://a/")));
}

TEST(BlockedSites, PopupIsKilledWhileBlockerOnAndRequesterLoadingOrClosing) {
    struct Case {
        bool popUpEnabled, loading, closing, kill;
    };
    const Case cases[] = {
        {false, true, false, true},
        {false, false, true, true},
        {false, false, false, false},
        {true, true, true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isPopupToKill(c.popUpEnabled, c.loading, c.closing), c.kill);
}

TEST(BlockedSites, LoadKeepsEveryLine) {
    struct Case {
        QByteArray bytes;
        QStringList entries;
    };
    const Case cases[] = {
        {"ads.example\r\n\r\nPopUp\r\n", {"ads.example", "", "PopUp"}},
        {"a\nb", {"a", "b"}},
        {"\r\n", {""}},
        {"", {}},
        {"caf\xe9\r\n", {QStringLiteral("caf\u00e9")}},     // an 8-bit file
        {"caf\xc3\xa9\r\n", {QStringLiteral("caf\u00e9")}}, // UTF-8
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blacklist.kvn"));
    for (const Case& c : cases) {
        writeAll(path, c.bytes);
        EXPECT_EQ(loadBlockedSites(path), c.entries) << c.bytes.toStdString();
    }
}

TEST(BlockedSites, SavedFileReadsBackByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blacklist.kvn"));
    const QByteArray bytes = "ads.example\r\n\r\nPopUp\r\n";
    writeAll(path, bytes);
    const QStringList entries = loadBlockedSites(path);
    EXPECT_EQ(entries.size(), 3);
    ASSERT_TRUE(saveBlockedSites(entries, path));
    EXPECT_EQ(readAll(path), bytes);
}

TEST(BlockedSites, AbsentFileGivesEmptyListAndAnEmptyFileAtExit) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kelvane/blacklist.kvn"));
    EXPECT_TRUE(loadBlockedSites(path).isEmpty());
    ASSERT_TRUE(saveBlockedSites({}, path));
    EXPECT_EQ(readAll(path), QByteArray());
}

} // namespace
