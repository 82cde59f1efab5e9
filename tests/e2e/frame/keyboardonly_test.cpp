// The browser driven by keys alone, as a user without a mouse drives it: menus by their Alt
// keys, dialogs answered with Enter, windows closed with Esc.
#include "support/desktoptest.h"

#include <QDirIterator>

using namespace kelvane;

namespace {

using KeyboardOnly = test::DesktopTest;

} // namespace

TEST_F(KeyboardOnly, OptionsFavoritesAndDownloads) {
    store("SaveAllOnExit", "False");
    ASSERT_TRUE(start({}, "Page A"));
    const auto shown = [&](const char* title, bool shown) {
        return x.waitFor([&] { return (x.findWindow(title) != 0) == shown; }, 5000);
    };
    // Options: View > Options..., an Alt key ticks a box, Enter keeps it; Esc leaves it.
    x.keys("alt+v o");
    ASSERT_TRUE(shown("^Options$", true));
    x.keys("alt+s Return");
    EXPECT_TRUE(shown("^Options$", false));

    // Add to Favorites has no Alt key of its own: the arrows reach it in the View menu.
    x.keys("alt+v Down Down Down Down Down Down Down Return");
    ASSERT_TRUE(shown("^Add to Favorites$", true));
    x.type("Keyed");
    x.keys("Return");
    EXPECT_TRUE(shown("^Add to Favorites$", false));
    EXPECT_TRUE(QDirIterator(qEnvironmentVariable("XDG_DATA_HOME"), {"Keyed*"}, QDir::Files,
                             QDirIterator::Subdirectories)
                    .hasNext());

    // Downloads: its shortcut opens it, Esc closes it and the main window has the keys again.
    x.keys("ctrl+j");
    ASSERT_TRUE(shown("^Kelvane Downloads$", true));
    x.keys("Tab Tab Escape");
    EXPECT_TRUE(shown("^Kelvane Downloads$", false));
    x.keys("alt+v o");
    EXPECT_TRUE(shown("^Options$", true));
    x.keys("Escape");
    EXPECT_TRUE(shown("^Options$", false));
    ASSERT_TRUE(stop());
    EXPECT_EQ(stored("SaveAllOnExit"), "True");
}
