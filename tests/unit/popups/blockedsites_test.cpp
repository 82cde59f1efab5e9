#include "popups/blockedsites.h"
#include "popups/popuprules.h"
#include "support/isolation.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

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
    struct Case {
        QByteArray bytes;
        QStringList entries;
    };
    const Case cases[] = {
        {"ads.example\r\n\r\nPopUp\r\n", {"ads.example", "", "PopUp"}},
        {"a\nb", {"a", "b"}},
        {"caf\xe9\r\n", {"caf\u00e9"}},     // an 8-bit file
        {"caf\xc3\xa9\r\n", {"caf\u00e9"}}, // UTF-8
        {"\xef\xbb\xbf\xef\xbb\xbf"
         "a\r\n",
         {"a"}}, // marks, one an editor's
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("blacklist.kvn");
    for (const Case& c : cases) {
        ASSERT_TRUE(test::writeFile(path, c.bytes));
        EXPECT_EQ(loadBlockedSites(path), c.entries) << c.bytes.toStdString();
    }
    const QByteArray threeLines = cases[0].bytes;
    ASSERT_TRUE(saveBlockedSites(cases[0].entries, path));
    EXPECT_EQ(test::readFile(path), threeLines);

    // No file: no entries, and at exit an empty file (its folder made on the way).
    const QString absent = dir.filePath("Kelvane/blacklist.kvn");
    EXPECT_TRUE(loadBlockedSites(absent).isEmpty());
    ASSERT_TRUE(saveBlockedSites({}, absent));
    EXPECT_TRUE(QFile::exists(absent) && test::readFile(absent).isEmpty());
}

} // namespace
