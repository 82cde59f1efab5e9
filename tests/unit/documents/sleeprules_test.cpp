#include "documents/sleeprules.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {
constexpr qint64 kMinute = 60 * 1000;
using D = SleepDepth;
} // namespace

TEST(SleepRules, WhatADocumentsStateAllowsAndWhatItsUnseenTimeAsks) {
    // One reason each to stay awake; typed text allows freezing only.
    // clang-format off
    const struct { SleepState state; D deepest; } cases[] = {
        {{}, D::Discarded},
        {{.active = true}, D::Awake},        {{.visible = true}, D::Awake},
        {{.audible = true}, D::Awake},       {{.capturing = true}, D::Awake},
        {{.fullScreen = true}, D::Awake},    {{.devTools = true}, D::Awake},
        {{.loading = true}, D::Awake},       {{.typedText = true}, D::Frozen},
        {{.active = true, .typedText = true}, D::Awake}};
    // clang-format on
    const SleepTimes times;
    for (const auto& c : cases) {
        EXPECT_EQ(deepestSleep(c.state), c.deepest);
        EXPECT_EQ(dueSleep(c.state, 4 * kMinute, times), D::Awake);
        EXPECT_EQ(dueSleep(c.state, 5 * kMinute, times), std::min(c.deepest, D::Frozen));
        EXPECT_EQ(dueSleep(c.state, 30 * kMinute, times), c.deepest);
        EXPECT_EQ(dueSleep(c.state, 9999 * kMinute, SleepTimes::fromText("Never")), D::Awake);
    }
}

TEST(SleepRules, TimesTextFormsAndDefaultsForBadText) {
    // clang-format off
    const struct { const char* text; bool never; int freeze; int discard; } cases[] = {
        {"5,30", false, 5, 30}, {" 1 , 1 ", false, 1, 1}, {"never", true, 5, 30},
        {"10,5", false, 5, 30}, {"0,30", false, 5, 30}, {"5", false, 5, 30},
        {"5,30,1", false, 5, 30}, {"a,b", false, 5, 30}, {"", false, 5, 30},
        {"5,99999999", false, 5, 30}, {"-5,30", false, 5, 30}};
    // clang-format on
    for (const auto& c : cases) {
        const SleepTimes times = SleepTimes::fromText(c.text);
        EXPECT_EQ(times.never, c.never) << c.text;
        EXPECT_EQ(times.freezeMinutes, c.freeze) << c.text;
        EXPECT_EQ(times.discardMinutes, c.discard) << c.text;
        EXPECT_EQ(SleepTimes::fromText(times.toText()), times) << c.text;
    }
}

TEST(SleepRules, AvailableMemoryShareFromMeminfo) {
    const struct {
        const char* text;
        double share;
    } cases[] = {{"MemTotal:  1000 kB\nMemFree: 10 kB\nMemAvailable:   99 kB\n", 0.099},
                 {"MemAvailable: 500 kB\nMemTotal: 1000 kB\n", 0.5},
                 {"MemTotal: 1000 kB\n", -1},
                 {"MemTotal: 0 kB\nMemAvailable: 0 kB\n", -1},
                 {"MemTotal: x kB\nMemAvailable: 5 kB\n", -1},
                 {"", -1}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(availableMemoryShare(c.text).value_or(-1), c.share) << c.text;
}

TEST(SleepRules, UncoveredWindowsAndRestoreLoadOrder) {
    const QRect full(0, 0, 100, 100);
    const QRect left(0, 0, 50, 100), right(50, 0, 50, 100), corner(0, 0, 60, 60);
    // clang-format off
    const struct { QList<QRect> windows; QList<bool> uncovered; QList<int> order; } cases[] = {
        {{full, full, full}, {false, false, true}, {2}},                   // maximized
        {{left, right, corner}, {true, true, true}, {2, 1, 0}},            // tiled, one above
        {{corner, left, right}, {false, true, true}, {2, 1}},              // wholly covered
        {{full, left}, {true, true}, {1, 0}},
        {{left, QRect()}, {true, false}, {1, 0}},                          // active not yet sized
        {{}, {}, {}}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(uncoveredWindows(c.windows), c.uncovered);
        EXPECT_EQ(restoreLoadOrder(c.windows), c.order);
    }
}
