#include "documents/tabrules.h"
#include "navigator/navigatorfilter.h"

#include <gtest/gtest.h>

using namespace kelvane;

TEST(TabRules, CaptionAndIconParity) {
    const QString a50(50, 'a');
    // clang-format off
    const struct { QString title; bool shrunk; int icon; QString caption; int look; } cases[] = {
        {a50, false, 8, a50, 8}, {a50 + 'b', false, 9, a50 + "...", 8}, {"Ex", true, 9, "Ex", 9},
        {"Example", true, 8, "Exa", 9}, {a50 + 'b', true, 0, "aaa", 1}, {"t", false, 11, "t", 10}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(tabLook(c.title, c.shrunk, c.icon).caption, c.caption);
        EXPECT_EQ(tabLook(c.title, c.shrunk, c.icon).icon, c.look) << c.caption.toStdString();
    }
}

// The loading pictures and the flash show in the document window's tests.
TEST(TabRules, LoadPercentOfProgressMaximumAndNoneForAReportPastItsMaximum) {
    const int loads[][3] = {
        {-1, 10000, 100}, {999, 1000, 99},           {20, 10, -1},           {0, 0, 0},
        {-1, 0, 0},       {21474836, 21474836, 100}, {30000000, 60000000, 0}};
    for (const auto& [progress, max, percent] : loads)
        EXPECT_EQ(loadPercentOf(progress, max).value_or(-1), percent) << progress << "/" << max;
}

TEST(TabRules, NextTabWrapsAround) {
    // count, current (0: none, read as the first), backwards, next (0: nothing happens)
    const int cases[][4] = {{1, 1, 0, 0}, {0, 0, 0, 0}, {3, 3, 0, 1}, {3, 1, 1, 3},
                            {3, 2, 0, 3}, {3, 2, 1, 1}, {3, 0, 0, 2}};
    for (const auto& [count, current, backwards, next] : cases)
        EXPECT_EQ(nextTabIndex(count, current, backwards), next) << count << current << backwards;
}

TEST(NavigatorFilter, EveryWordInTitleOrAddressAnyCaseAnyOrder) {
    // clang-format off
    const struct { const char* filter; bool match; } cases[] = {
        {"", true}, {"   ", true}, {"kelvane", true}, {"NEWS kel", true}, {"news\tkel", true},
        {"example news", true},   // one word in the address, one in the title
        {"kel zzz", false}, {"newsk", false}, {"example.org", false}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(NavigatorFilter(c.filter).matches(u"Kelvane News", u"http://example.com/n"),
                  c.match)
            << c.filter;
}

TEST(NavigatorFilter, HighlightsEveryOccurrenceMergedInOrder) {
    using R = QList<TextRange>;
    // clang-format off
    const struct { const char* filter; const char* text; R ranges; } cases[] = {
        {"news", "News and more news", R{{0, 4}, {14, 4}}},
        {"ws ne", "News", R{{0, 4}}},               // overlapping words make one stretch
        {"arch NE", "News Archive", R{{0, 2}, {5, 4}}},
        {"aa", "aaa", R{{0, 3}}}, {"x", "News", R{}}, {"", "News", R{}}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(NavigatorFilter(c.filter).highlights(QString(c.text)), c.ranges) << c.filter;
}
