#include "documents/tabrules.h"

#include <gtest/gtest.h>

using namespace kelvane;

TEST(TabRules, CaptionLengthAndShrinking) {
    const QString fifty(50, QLatin1Char('a'));
    EXPECT_EQ(tabLook(fifty, false, 8).caption, fifty);
    EXPECT_EQ(tabLook(fifty + QLatin1Char('b'), false, 8).caption,
              fifty + QStringLiteral("..."));
    EXPECT_EQ(tabLook(QStringLiteral("Example page"), true, 8).caption,
              QStringLiteral("Exa"));
    EXPECT_EQ(tabLook(QStringLiteral("Ab"), true, 8).caption, QStringLiteral("Ab"));
    EXPECT_EQ(tabLook(fifty + QLatin1Char('b'), true, 8).caption, QStringLiteral("aaa"))
        << "a shrunk tab never shows the ellipsis";
    EXPECT_EQ(tabLook(QString(), false, 0).caption, QString());
}

TEST(TabRules, IconParityFollowsTheShrunkState) {
    struct {
        bool shrunk;
        int icon, expected;
    } cases[] = {{true, 8, 9},  {false, 9, 8},   {true, 0, 1},  {true, 9, 9},
                 {false, 8, 8}, {false, 11, 10}, {true, 10, 11}};
    for (const auto& c : cases)
        EXPECT_EQ(tabLook(QStringLiteral("t"), c.shrunk, c.icon).icon, c.expected)
            << c.shrunk << " " << c.icon;
}

TEST(TabRules, LoadingIconsByQuarter) {
    struct {
        int percent;
        bool shrunk;
        int expected;
    } cases[] = {{0, false, 0}, {24, false, 0}, {25, false, 2}, {49, true, 3}, {50, false, 4},
                 {50, true, 5}, {74, false, 4}, {75, false, 6}, {99, true, 7}, {-5, false, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(loadingIcon(c.percent, c.shrunk, 8), c.expected) << c.percent;
    EXPECT_EQ(loadingIcon(100, false, 6), 6) << "100 % leaves the icon as it is";
    EXPECT_EQ(loadedIcon(false), 8);
    EXPECT_EQ(loadedIcon(true), 9);
}

TEST(TabRules, HighlightFlashesBetweenLoadedAndHighlight) {
    EXPECT_EQ(highlightFlip(8), 10);
    EXPECT_EQ(highlightFlip(10), 8);
    EXPECT_EQ(highlightFlip(9), 11);
    EXPECT_EQ(highlightFlip(11), 9);
    EXPECT_EQ(highlightFlip(4), 4);
    EXPECT_EQ(highlightEnd(10), 8);
    EXPECT_EQ(highlightEnd(11), 9);
    EXPECT_EQ(highlightEnd(8), 8);
}

TEST(TabRules, LoadPercent) {
    EXPECT_EQ(loadPercentOf(-1, 10000), 100);
    EXPECT_EQ(loadPercentOf(5000, 10000), 50);
    EXPECT_EQ(loadPercentOf(999, 1000), 99) << "truncates";
    EXPECT_EQ(loadPercentOf(20, 10), std::nullopt) << "above the maximum changes nothing";
    EXPECT_EQ(loadPercentOf(0, 0), 0) << "a maximum of 0 ends the load";
    EXPECT_EQ(loadPercentOf(-1, 0), 0);
    EXPECT_EQ(loadPercentOf(30000000, 60000000), 0) << "x100 overflows 32 bits";
    EXPECT_EQ(loadPercentOf(21474836, 21474836), 100) << "x100 still fits";
}
