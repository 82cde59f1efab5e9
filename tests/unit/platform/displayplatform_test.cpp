#include "platform/displayplatform.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(DisplayPlatform, XWaylandOnlyWhenBothAreThereAndTheUserChoseNone) {
    const struct {
        const char *qpa, *wayland, *display;
        bool argument;
        const char* expected;
    } cases[] = {
        {"", "wayland-0", ":0", false, "xcb"},
        {"", "wayland-0", "", false, ""},
        {"", "", ":0", false, ""},
        {"wayland", "wayland-0", ":0", false, ""},
        {"", "wayland-0", ":0", true, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(preferredPlatform(c.qpa, c.wayland, c.display, c.argument), c.expected)
            << c.qpa << '|' << c.wayland << '|' << c.display << '|' << c.argument;
}

} // namespace
