#include "frame/zoomrule.h"

#include <gtest/gtest.h>

using namespace kelvane;

TEST(ZoomRule, StepsClampAtTheEnds) {
    struct {
        int level, up, down;
    } cases[] = {
        {0, 1, 0},
        {1, 2, 0},
        {2, 3, 1},
        {3, 4, 2},
        {4, 4, 3},
        // An engine answering out of range is read as the nearest size.
        {-3, 1, 0},
        {9, 4, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(increasedZoomLevel(c.level), c.up) << c.level;
        EXPECT_EQ(decreasedZoomLevel(c.level), c.down) << c.level;
    }
}

TEST(ZoomRule, ZoomResetStepsTowardsTheMediumSize) {
    struct {
        int level;
        ZoomResetSteps steps;
    } cases[] = {
        {0, {2, true}},  {1, {1, true}},  {2, {0, false}},   {3, {1, false}},
        {4, {2, false}}, {-1, {2, true}}, {200, {2, false}},
    };
    for (const auto& c : cases) {
        const ZoomResetSteps steps = zoomResetSteps(c.level);
        EXPECT_EQ(steps.count, c.steps.count) << c.level;
        if (steps.count > 0) {
            EXPECT_EQ(steps.increase, c.steps.increase) << c.level;
        }
    }
}
