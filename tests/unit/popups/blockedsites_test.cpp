#include "popups/blockedsites.h"
#include "popups/popuprules.h"
#include "support/isolation.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using namespace kelvane;

namespace {

TEST(BlockedSites, MatchIsCaseInsensitiveSubstringFirstInOrderAndNeverEmpty) {
    const QStringList entries = {"", "ad", "AdServer", "popup"};
    EXPECT_EQ(findBlockedEntry(entries, "http://ADSERVER.example/banner"), 1); // "ad" first
    EXPECT_EQ(findBlockedEntry(entries, "https://example.com/PopUp.html"), 3);
    EXPECT_EQ(findBlockedEntry(entries, "https://example.com/"), -1); // not the empty entry
}

TEST(BlockedSites, BlockerDecisions) {
    const QStringList entries = {"adserver"};
    const QString blocked = "http://AdServer.example/";
    EXPECT_TRUE(isBlockedFirstNavigation(false, true, entries, blocked));
    EXPECT_FALSE(isBlockedFirstNavigation(true, true, entries, blocked)); // popups allowed
    EXPECT_FALSE(isBlockedFirstNavigation(false, false, entries, blocked));

    // Killed: the blocker on and the requester loading or closing.
    EXPECT_TRUE(isPopupToKill(false, true, false) && isPopupToKill(false, false, true));
    EXPECT_FALSE(isPopupToKill(false, false, false) || isPopupToKill(true, true, true));
}

TEST(BlockedSites, FileKeepsEveryLineAndIsWrittenBackByteForByte) {
    const std::pair<QByteArray, QStringList> cases[] = {
        {"ads.example\r\n\r\nPopUp\r\n", {"ads.example", "", "PopUp"}},
        {"a\nb", {"a", "b"}},
        {"caf\xe9\r\n", {"caf\u00e9"}},              // an 8-bit file
        {"caf\xc3\xa9\r\n", {"caf\u00e9"}},          // UTF-8
        {"\xef\xbb\xbf\xef\xbb\xbf\x61\r\n", {"a"}}, // marks, one an editor's
    };
    QTemporaryDir dir;
    BlockedSitesFile file(dir.filePath("blacklist.kvn"));
    for (const auto& [bytes, entries] : cases) {
        ASSERT_TRUE(test::writeFile(dir.filePath("blacklist.kvn"), bytes));
        EXPECT_EQ(file.load(), entries) << bytes.toStdString();
    }
    const QByteArray threeLines = cases[0].first;
    ASSERT_TRUE(file.save(cases[0].second));
    EXPECT_EQ(test::readFile(dir.filePath("blacklist.kvn")), threeLines);

    // No file: no entries, and at exit an empty file (its folder made on the way).
    const QString absent = dir.filePath("Kelvane/blacklist.kvn");
    BlockedSitesFile none(absent);
    EXPECT_TRUE(none.load().isEmpty());
    ASSERT_TRUE(none.save({}));
    EXPECT_TRUE(QFile::exists(absent) && test::readFile(absent).isEmpty());
}

// A list this user may not read (read as another user when the test runs as root), or a
// folder of that name: told once, and left as it is at exit.
TEST(BlockedSites, AListThatCouldNotBeReadIsToldAndKeptByteForByte) {
    QTemporaryDir dir;
    const QString unreadable = dir.filePath("blacklist.kvn");
    ASSERT_TRUE(test::writeFile(unreadable, "ads\r\n") && QDir().mkdir(dir.filePath("folder")));
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()), 0755) |
                  ::chmod(QFile::encodeName(unreadable), 0),
              0);
    const bool root = ::geteuid() == 0;
    for (const QString& path : {unreadable, dir.filePath("folder")}) {
        BlockedSitesFile file(path);
        testing::internal::CaptureStderr();
        ASSERT_EQ(root ? ::seteuid(65534) : 0, 0);
        const QStringList loaded = file.load();
        ASSERT_EQ(root ? ::seteuid(0) : 0, 0);
        EXPECT_TRUE(loaded.isEmpty());
        EXPECT_NE(testing::internal::GetCapturedStderr().find("was not read"), std::string::npos);
        EXPECT_FALSE(file.save({"new"}));
    }
    ASSERT_EQ(::chmod(QFile::encodeName(unreadable), 0600), 0);
    EXPECT_EQ(test::readFile(unreadable), "ads\r\n");
}

} // namespace
