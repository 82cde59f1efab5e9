#include "navigator/navigatorrules.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace kelvane;

TEST(NavigatorRules, ShrinksInTenTicksAndGrowsBack) {
    int height = 5000;
    int ticks = 0;
    for (NavigatorTick t = navigatorTick(height, true, false); !t.stop;
         t = navigatorTick(height, true, false)) {
        height = t.height;
        ++ticks;
    }
    EXPECT_EQ(height, 500);
    EXPECT_EQ(ticks, 10);
    ticks = 0;
    for (NavigatorTick t = navigatorTick(height, false, false); !t.stop;
         t = navigatorTick(height, false, false)) {
        height = t.height;
        ++ticks;
    }
    EXPECT_EQ(height, 5000);
    EXPECT_EQ(ticks, 10);
}

TEST(NavigatorRules, EdgesAndPin) {
    EXPECT_EQ(navigatorTick(4800, false, false).height, 5250);
    EXPECT_TRUE(navigatorTick(5250, false, false).stop);
    EXPECT_TRUE(navigatorTick(600, true, false).stop);
    EXPECT_FALSE(navigatorTick(601, true, false).stop);
    const NavigatorTick pinned = navigatorTick(3000, true, true);
    EXPECT_EQ(pinned.height, 3000) << "the pin freezes the height";
    EXPECT_FALSE(pinned.stop) << "the timer keeps running while pinned";
}

TEST(NavigatorRules, LoadingDotsCycleThroughSix) {
    int dots = 0;
    QStringList captions;
    for (int i = 0; i < 7; ++i) {
        dots = nextLoadingDots(dots);
        captions << loadingCaption(QStringLiteral("Navigator"), dots);
    }
    EXPECT_EQ(captions.first(), QStringLiteral("Navigator."));
    EXPECT_EQ(captions.at(4), QStringLiteral("Navigator....."));
    EXPECT_EQ(captions.at(5), QStringLiteral("Navigator"));
    EXPECT_EQ(captions.at(6), QStringLiteral("Navigator."));
}
