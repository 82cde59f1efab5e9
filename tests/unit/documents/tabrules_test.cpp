#include "documents/tabrules.h"

#include "support/printers.h"

#include <gtest/gtest.h>

using namespace kelvane;

TEST(TabRules, CaptionAndIconParity) {
    const QString a50(50, 'a');
    const struct {
        QString title;
        bool shrunk;
        int icon;
        QString caption;
        int look;
    } cases[] = {{a50, false, 8, a50, 8},        {a50 + 'b', false, 9, a50 + "...", 8},
                 {"Example", true, 8, "Exa", 9}, {"Ab", true, 9, "Ab", 9},
                 {a50 + 'b', true, 0, "aaa", 1}, {"t", false, 11, "t", 10}};
    for (const auto& c : cases) {
        EXPECT_EQ(tabLook(c.title, c.shrunk, c.icon).caption, c.caption);
        EXPECT_EQ(tabLook(c.title, c.shrunk, c.icon).icon, c.look) << c.caption.toStdString();
    }
}

TEST(TabRules, LoadingLoadedAndFlashIcons) {
    const int quarters[][2] = {{0, 0},  {24, 0}, {25, 2}, {49, 2},
                               {50, 4}, {75, 6}, {99, 6}, {-5, 0}};
    for (const auto& [percent, icon] : quarters) {
        EXPECT_EQ(loadingIcon(percent, false, 8), icon) << percent;
        EXPECT_EQ(loadingIcon(percent, true, 8), icon + 1) << percent;
    }
    EXPECT_EQ(loadingIcon(100, false, 6), 6) << "100 % leaves the icon as it is";
    EXPECT_EQ(loadedIcon(true), 9);
    const int flips[][3] = {{8, 10, 8}, {10, 8, 8}, {9, 11, 9}, {11, 9, 9}, {4, 4, 4}};
    for (const auto& [icon, flipped, end] : flips) {
        EXPECT_EQ(highlightFlip(icon), flipped) << icon;
        EXPECT_EQ(highlightEnd(icon), end) << icon;
    }
    // progress, maximum, percent (-1: the report changes nothing)
    const int loads[][3] = {
        {-1, 10000, 100}, {999, 1000, 99},           {20, 10, -1},           {0, 0, 0},
        {-1, 0, 0},       {21474836, 21474836, 100}, {30000000, 60000000, 0}};
    for (const auto& [progress, max, percent] : loads)
        EXPECT_EQ(loadPercentOf(progress, max).value_or(-1), percent) << progress << "/" << max;
}
