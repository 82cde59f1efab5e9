#include "blocking/blockingsettings.h"
#include "support/isolation.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(BlockingSettings, FetchesWeeklyAfterSuccessAndDailyAfterFailure) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // Days since the last try (-1: never, -2: two days in the future), failed, due.
    const std::tuple<int, bool, bool> cases[] = {{-1, false, true}, {6, false, false},
                                                 {7, false, true},  {0, true, false},
                                                 {1, true, true},   {-2, false, true}};
    for (const auto& [triedDaysAgo, failed, due] : cases) {
        Subscription s{"https://lists.example/a.txt", {}, {}, failed ? "timed out" : ""};
        if (triedDaysAgo != -1)
            s.tried = now.addDays(-triedDaysAgo);
        if (!failed && s.tried.isValid())
            s.fetched = s.tried;
        EXPECT_EQ(s.isDue(now), due) << triedDaysAgo << failed;
    }
}

TEST(BlockingSettings, FreshProfileIsSubscribedAndWhatIsSavedComesBack) {
    test::IsolatedHome home;
    qputenv("KELVANE_BLOCKLIST_SUBSCRIPTIONS", "http://127.0.0.1:1/a.txt http://127.0.0.1:1/b.txt");
    BlockingSettings settings = BlockingSettings::load();
    qputenv("KELVANE_BLOCKLIST_SUBSCRIPTIONS", "");
    EXPECT_TRUE(settings.enabled);
    ASSERT_EQ(settings.subscriptions.size(), 2);
    EXPECT_NE(settings.subscriptions[0].file(), settings.subscriptions[1].file());

    settings.enabled = false;
    settings.siteExceptions = {"news.example"};
    settings.subscriptions[0].error = "host not found";
    settings.subscriptions[1].fetched = QDateTime(QDate(2026, 1, 2), QTime(3, 4), Qt::UTC);
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(BlockingSettings::load(), settings);
    EXPECT_FALSE(QFile::permissions(BlockingSettings::path()) &
                 (QFile::ReadGroup | QFile::ReadOther));
}

} // namespace
