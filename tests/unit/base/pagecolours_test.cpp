#include "base/pagecolours.h"

#include <gtest/gtest.h>

using namespace kelvane;

TEST(PageColours, AChoiceWaitsForTheNextStartOnlyWhenItWouldChangeThePages) {
    using P = PageColours;
    // pages started dark, chosen now, desktop dark now, the choice waits for a start
    const std::tuple<bool, P, bool, bool> cases[] = {
        {false, P::Desktop, false, false}, {false, P::Desktop, true, true},
        {false, P::Light, true, false},    {false, P::Dark, false, true},
        {true, P::Desktop, true, false},   {true, P::Light, true, true},
        {true, P::Dark, false, false}};
    for (const auto& [startedDark, chosen, desktopIsDark, waits] : cases) {
        setPageColoursInForce(startedDark);
        EXPECT_EQ(pageColoursWaitForStart(chosen, desktopIsDark), waits)
            << startedDark << int(chosen) << desktopIsDark;
        EXPECT_EQ(pageColoursFlag(chosen, desktopIsDark).endsWith('0'), startedDark != waits);
    }
}
