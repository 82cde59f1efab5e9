#include "frame/zoomrule.h"

#include <gtest/gtest.h>

using namespace kelvane;

// An engine answering out of range (-3, 9) is read as the nearest size.
TEST(ZoomRule, StepsStayInRangeAndResetGoesToMedium) {
    // level, one up, one down, reset steps (negative: decreases)
    const int cases[][4] = {{0, 1, 0, 2},  {1, 2, 0, 1},  {2, 3, 1, 0}, {3, 4, 2, -1},
                            {4, 4, 3, -2}, {-3, 1, 0, 2}, {9, 4, 3, -2}};
    for (const auto& [level, up, down, reset] : cases) {
        EXPECT_EQ(increasedZoomLevel(level), up) << level;
        EXPECT_EQ(decreasedZoomLevel(level), down) << level;
        const ZoomResetSteps steps = zoomResetSteps(level);
        EXPECT_EQ(steps.count == 0 ? 0 : steps.increase ? steps.count : -steps.count, reset);
    }
}
