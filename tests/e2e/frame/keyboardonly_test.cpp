// The browser driven by keys alone, as a user without a mouse drives it: menus by their Alt
// keys, dialogs answered with Enter, windows closed with Esc.
#include "support/desktoptest.h"

#include <QDirIterator>

using namespace kelvane;

namespace {

using KeyboardOnly = test::DesktopTest;

bool favoriteSaved(const QString& name) {
    QDirIterator files(qEnvironmentVariable("XDG_DATA_HOME"), {name + u'*'}, QDir::Files,
                       QDirIterator::Subdirectories);
    return files.hasNext();
}

} // namespace

TEST_F(KeyboardOnly, OptionsFavoritesAndDownloads) {
    store("SaveAllOnExit", "False");
    ASSERT_TRUE(start({}, "Page A"));

    // Options: View > Options..., its Alt key ticks a box, Enter keeps it.
    x.keys("alt+v o");
    ASSERT_TRUE(x.waitFor([&] { return x.findWindow("^Options$") != 0; }, 5000));
    x.keys("alt+s Return");
    EXPECT_TRUE(x.waitFor([&] { return x.findWindow("^Options$") == 0; }, 5000));

    // Add to Favorites has no Alt key of its own: the arrows reach it in the View menu.
    x.keys("alt+v Down Down Down Down Down Down Down Return");
    ASSERT_TRUE(x.waitFor([&] { return x.findWindow("^Add to Favorites$") != 0; }, 5000));
    x.type("Keyed");
    x.keys("Return");
    EXPECT_TRUE(x.waitFor([&] { return favoriteSaved("Keyed"); }, 5000));
    EXPECT_TRUE(x.waitFor([&] { return x.findWindow("^Add to Favorites$") == 0; }, 5000));

    // Downloads: its shortcut opens it, Esc closes it and the page has the keys again.
    x.keys("ctrl+j");
    ASSERT_TRUE(x.waitFor([&] { return x.findWindow("^Kelvane Downloads$") != 0; }, 5000));
    x.keys("Tab Tab Escape");
    EXPECT_TRUE(x.waitFor([&] { return x.findWindow("^Kelvane Downloads$") == 0; }, 5000));
    x.keys("alt+v o");
    EXPECT_TRUE(x.waitFor([&] { return x.findWindow("^Options$") != 0; }, 5000));
    x.keys("Escape");
    EXPECT_TRUE(x.waitFor([&] { return x.findWindow("^Options$") == 0; }, 5000));
    ASSERT_TRUE(stop());
    EXPECT_EQ(stored("SaveAllOnExit"), "True");
}
