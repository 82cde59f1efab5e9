#include "documents/sleeprules.h"

#include <gtest/gtest.h>

using namespace kelvane;
using D = SleepDepth;

TEST(SleepRules, WhatADocumentsStateAllowsAndWhatItsUnseenTimeAsks) {
    // One reason each to stay awake; typed text allows freezing only.
    // clang-format off
    const struct { SleepState state; D deepest; } cases[] = {
        {{}, D::Discarded}, {{.active = true}, D::Awake}, {{.visible = true}, D::Awake},
        {{.audible = true}, D::Awake}, {{.capturing = true}, D::Awake},
        {{.fullScreen = true}, D::Awake}, {{.devTools = true}, D::Awake},
        {{.loading = true}, D::Awake}, {{.typedText = true}, D::Frozen}};
    // clang-format on
    const qint64 minute = 60'000;
    for (const auto& c : cases) {
        EXPECT_EQ(dueSleep(c.state, 5 * minute - 1, {}), D::Awake);
        EXPECT_EQ(dueSleep(c.state, 5 * minute, {}), std::min(c.deepest, D::Frozen));
        EXPECT_EQ(dueSleep(c.state, 30 * minute, {}), c.deepest);
        EXPECT_EQ(dueSleep(c.state, 9999 * minute, SleepTimes::fromText("never")), D::Awake);
    }
}

TEST(SleepRules, TimesTextAndMemoryShareWithDefaultsForBadText) {
    // clang-format off
    const struct { const char* text; bool never; int freeze, discard; } times[] = {
        {" 1 , 2 ", false, 1, 2}, {"Never", true, 5, 30}, {"10,5", false, 5, 30},
        {"0,30", false, 5, 30}, {"5", false, 5, 30}, {"a,b", false, 5, 30},
        {"5,99999999", false, 5, 30}};
    // clang-format on
    for (const auto& c : times) {
        const SleepTimes t = SleepTimes::fromText(c.text);
        EXPECT_EQ(std::tuple(t.never, t.freezeMinutes, t.discardMinutes),
                  std::tuple(c.never, c.freeze, c.discard))
            << c.text;
        EXPECT_EQ(SleepTimes::fromText(t.toText()), t) << c.text;
    }
    // clang-format off
    const struct { const char* meminfo; double share; } memory[] = {
        {"MemTotal:  1000 kB\nMemFree: 10 kB\nMemAvailable:   99 kB\n", 0.099},
        {"MemTotal: 1000 kB\n", -1}, {"MemTotal: 0 kB\nMemAvailable: 0 kB\n", -1},
        {"MemTotal: x kB\nMemAvailable: 5 kB\n", -1}};
    // clang-format on
    for (const auto& c : memory)
        EXPECT_DOUBLE_EQ(availableMemoryShare(c.meminfo).value_or(-1), c.share) << c.meminfo;
}

TEST(SleepRules, RestoreLoadsTheActiveWindowThenTheOthersUncoveredTopDown) {
    const QRect full(0, 0, 100, 100), left(0, 0, 50, 100), right(50, 0, 50, 100);
    const QRect corner(0, 0, 60, 60);
    // clang-format off
    const struct { QList<QRect> bottomToTop; QList<int> order; } cases[] = {
        {{full, full, full}, {2}}, {{left, right, corner}, {2, 1, 0}},
        {{corner, left, right}, {2, 1}}, {{left, QRect()}, {1, 0}}, {{}, {}}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(restoreLoadOrder(c.bottomToTop), c.order);
}
