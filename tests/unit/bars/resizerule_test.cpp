#include "bars/resizerule.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

using namespace kelvane;

TEST(ResizeRule, WidthsClampAtZeroAndRoundHalvesToEven) {
    const AddressRowLayout wide = computeAddressRow({12000, 600, 700, 800, 900, 30});
    EXPECT_EQ(wide.addressWidth, 12000 - 600 - 700 - 800 - 900 - 200);
    EXPECT_DOUBLE_EQ(wide.goLeft, 12000 - 600 - 700 - 600);
    EXPECT_DOUBLE_EQ(wide.goNewLeft, 12000 - 700 - 500);
    EXPECT_EQ(wide.tabBarWidth, 12000 - 5 * 30);
    const AddressRowLayout narrow = computeAddressRow({1000, 300, 300, 150, 60, 300});
    EXPECT_EQ(narrow.addressWidth + narrow.tabBarWidth, 0);
    EXPECT_DOUBLE_EQ(narrow.goLeft, 1000 - 300 - 300 - 600) << "negative, used as it is";
    EXPECT_EQ(computeAddressRow({1000.5, 0, 0, 0, 0, 0}).addressWidth, 800);
    EXPECT_EQ(computeAddressRow({1001.5, 0, 0, 0, 0, 0}).addressWidth, 802);
    EXPECT_EQ(computeAddressRow({100.5, 0, 0, 0, 0, 0.1}).tabBarWidth, 100);
    EXPECT_EQ(twipsToPixels(1000, 96), 67);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
}
