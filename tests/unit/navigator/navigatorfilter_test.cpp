#include "navigator/navigatorfilter.h"

#include <gtest/gtest.h>

using namespace kelvane;

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
