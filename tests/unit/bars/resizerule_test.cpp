#include "bars/resizerule.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

using namespace kelvane;

TEST(ResizeRule, WidthsAndPositions) {
    AddressRowInput in;
    in.windowWidth = 12000;
    in.goWidth = 600;
    in.goNewWidth = 700;
    in.labelWidth = 800;
    in.addressLeft = 900;
    in.tabBarLeft = 30;
    const AddressRowLayout out = computeAddressRow(in);
    EXPECT_EQ(out.addressWidth, 12000 - 600 - 700 - 800 - 900 - 200);
    EXPECT_DOUBLE_EQ(out.goLeft, 12000 - 600 - 700 - 600);
    EXPECT_DOUBLE_EQ(out.goNewLeft, 12000 - 700 - 500);
    EXPECT_EQ(out.tabBarWidth, 12000 - 5 * 30);
}

TEST(ResizeRule, NarrowWindowClampsAtZeroButKeepsPositions) {
    AddressRowInput in;
    in.windowWidth = 1000;
    in.goWidth = 300;
    in.goNewWidth = 300;
    in.labelWidth = 150;
    in.addressLeft = 60; // the others add up to more than 800
    in.tabBarLeft = 300;
    const AddressRowLayout out = computeAddressRow(in);
    EXPECT_EQ(out.addressWidth, 0);
    EXPECT_EQ(out.tabBarWidth, 0);
    EXPECT_DOUBLE_EQ(out.goLeft, 1000 - 300 - 300 - 600); // negative, used as it is
}

TEST(ResizeRule, WidthsRoundHalvesToEven) {
    AddressRowInput in;
    in.windowWidth = 1000.5;
    in.tabBarLeft = 0;
    EXPECT_EQ(computeAddressRow(in).addressWidth, 800); // 800.5 -> 800
    in.windowWidth = 1001.5;
    EXPECT_EQ(computeAddressRow(in).addressWidth, 802); // 801.5 -> 802
    in.tabBarLeft = 0.1;
    in.windowWidth = 100.5; // 100.5 - 0.5 = 100
    EXPECT_EQ(computeAddressRow(in).tabBarWidth, 100);
}

TEST(Twips, ConversionsAtCommonDpi) {
    EXPECT_DOUBLE_EQ(twipsPerPixel(96), 15.0);
    EXPECT_DOUBLE_EQ(twipsPerPixel(120), 12.0);
    EXPECT_EQ(twipsToPixels(1000, 96), 67); // 66.67
    EXPECT_EQ(twipsToPixels(6500, 96), 433);
    EXPECT_DOUBLE_EQ(pixelsToTwips(67, 96), 1005.0);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
}
