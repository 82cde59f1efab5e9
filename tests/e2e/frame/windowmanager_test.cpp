// The main window and the Navigator as a window manager (openbox on Xvfb) handles them:
// maximizing, stored geometry, ownership and stacking, minimizing, pop-up menus; and keys and
// mouse as a user gives them: shortcuts whatever has the focus, the Navigator following the
// mouse, toolbar buttons after their drop-down menus, and a run by keys alone.
#include "base/sessionfile.h"
#include "support/desktoptest.h"
#include "support/secondstart.h"

#include <QDirIterator>
#include <QTest>

using namespace kelvane;
using test::XWindow;

namespace {

using UserInput = test::DesktopTest;
// The browser driven by keys alone: menus by their Alt keys, dialogs answered with Enter,
// windows closed with Esc.
using KeyboardOnly = test::DesktopTest;

class WindowManager : public test::DesktopTest {
protected:
    bool maximized(XWindow window) const {
        return x.property(window, "_NET_WM_STATE").filter("_NET_WM_STATE_MAXIMIZED_").size() == 2;
    }
};

} // namespace

// The question whether to become the default browser comes first, centred on the screen; the
// page follows in a maximized window.
TEST_F(WindowManager, FirstStartIsMaximized) {
    store("CheckIfDefault", "True");
    x.startProgram(KELVANE_BINARY, {url("/a")});
    ASSERT_TRUE(x.waitFor([&] { return x.findWindow("^Association") != 0; }));
    const QPoint centre = x.geometry(x.findWindow("^Association")).center();
    EXPECT_LE((centre - QPoint(640, 400)).manhattanLength(), 60) << "centred on the screen";
    x.keys("alt+n");
    EXPECT_TRUE(showsPage("Page A")) << title();
    EXPECT_TRUE(x.waitFor([&] { return maximized(mainWindow()); }, 5000))
        << x.geometry(mainWindow()).width() << " x " << x.geometry(mainWindow()).height();
    ASSERT_TRUE(stop());
    EXPECT_EQ(stored("MainMaximized"), "True");
}

TEST_F(WindowManager, StoredGeometryStaysPutAcrossRestarts) {
    store("MainMaximized", "False");
    QStringList runs;
    for (int run = 0; run < 3; ++run) {
        ASSERT_TRUE(start({}, "Page A"));
        EXPECT_TRUE(navigatorSettled(test::XSession::kWaitMs)); // its size is stored after that
        ASSERT_TRUE(stop());
        QString values;
        for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight", "NavigatorLeft",
                                "NavigatorTop", "NavigatorWidth", "NavigatorHeight"})
            values += stored(key) + ' ';
        runs << values;
    }
    EXPECT_EQ(runs, QStringList(3, runs[0]));
}

TEST_F(WindowManager, HandOverToAMaximizedWindowRestoresAGeometryThatFitsTheScreen) {
    // Normal geometry the size of the whole screen, with no room for the title bar.
    for (const auto& [key, value] : {std::pair{"MainLeft", "0"},
                                     {"MainTop", "0"},
                                     {"MainWidth", "19200"},
                                     {"MainHeight", "12000"},
                                     {"MainMaximized", "True"}})
        store(key, value);
    ASSERT_TRUE(start({}, "Page A"));
    ASSERT_TRUE(x.waitFor([&] { return maximized(mainWindow()); }, 5000));
    ASSERT_EQ(test::handOverToRunning({url("/b")}), QString());
    ASSERT_TRUE(showsPage("Page B"));
    const QRect screen(0, 0, 1280, 800);
    EXPECT_TRUE(x.waitFor(
        [&] {
            const QRect inner = x.geometry(mainWindow());
            return !maximized(mainWindow()) && inner.top() > 0 && screen.contains(inner);
        },
        5000))
        << "title and status bar on the screen: " << x.geometry(mainWindow()).y() << ' '
        << x.geometry(mainWindow()).height();
    ASSERT_TRUE(stop());
}

// Maximized by a double click on its title bar, then minimized and closed, the main window is
// stored not maximized with its size from before.
TEST_F(WindowManager, NavigatorStaysAboveTheMainWindowAndMinimizesWithIt) {
    store("SaveAllOnExit", "True"); // nothing saved: no document
    placeMainWindow();
    ASSERT_TRUE(start());
    const auto id = [](XWindow window) -> QString { return "0x" + QString::number(window, 16); };
    const auto ownedAndAbove = [&] {
        const QStringList order = x.property(0, "_NET_CLIENT_LIST_STACKING");
        return x.property(navigator(), "WM_TRANSIENT_FOR") == QStringList{id(mainWindow())} &&
               order.indexOf(id(navigator())) > order.indexOf(id(mainWindow()));
    };
    x.click(inMainWindow(400, 400)); // the main window comes to the front
    EXPECT_TRUE(x.waitFor(ownedAndAbove, 3000)) << "before the first document";

    x.keys("ctrl+n"); // the first document changes the main window's native window
    ASSERT_TRUE(showsPage("Page A"));
    x.click(inMainWindow(400, 400));
    EXPECT_TRUE(x.waitFor(ownedAndAbove, 3000)) << "with a document";

    const QRect client = x.geometry(mainWindow());
    x.click({client.center().x(), client.top() - 8}, 1, 2); // a double click on the title bar
    ASSERT_TRUE(x.waitFor([&] { return maximized(mainWindow()); }, 5000));
    const XWindow main = mainWindow();
    x.minimize(main);
    EXPECT_TRUE(x.waitFor([&] { return navigator() == 0; }, 3000)) << "minimized with its owner";
    ASSERT_TRUE(x.waitFor(
        [&] { return x.property(main, "_NET_WM_STATE").contains("_NET_WM_STATE_HIDDEN"); }));
    ASSERT_TRUE(stop());
    EXPECT_EQ(stored("MainMaximized"), "False");
    EXPECT_EQ(stored("MainWidth"), "12000") << "the size from before stays";
}

TEST_F(WindowManager, RightClicksOpenTheBarsMenuOverTheToolbarOnlyAndCloseATab) {
    saveDocuments({"/a", "/b", "/c"});
    // Documents restored asleep show the saved titles, so the tabs have their loaded widths.
    SessionFile::write(
        SessionFile::defaultPath(),
        {{url("/a"), "Page A", {}}, {url("/b"), "Page B", {}}, {url("/c"), "Page C", {}}});
    placeMainWindow();
    ASSERT_TRUE(start({}, "Page C"));
    x.click(inMainWindow(700, 45), 3); // the browse toolbar's band, right of its buttons
    EXPECT_TRUE(x.waitFor([&] { return x.openMenu() != 0; }, 3000));
    x.keys("Escape");
    EXPECT_TRUE(x.waitFor([&] { return x.openMenu() == 0; }, 3000));

    x.click(inMainWindow(227, 122), 3); // the last tab, "Page C"
    EXPECT_TRUE(x.waitFor([&] { return !title().endsWith("[Page C]"); }, 5000));
    EXPECT_TRUE(holds([&] { return x.openMenu() == 0; }, 1000)) << "a menu over the tab";
    x.keys("Escape");
    x.click(inMainWindow(500, 122), 3); // the empty part of the tab bar
    EXPECT_TRUE(holds([&] { return x.openMenu() == 0; }, 1000)) << "a menu beside the tabs";
    x.keys("Escape");
    ASSERT_TRUE(stop());
    EXPECT_EQ(stored("DocumentCount"), "2");
}

// In one run: a toolbar button loses its highlight once its drop-down menu was used, Alt+D
// selects the whole address also when the box has the focus, the News key works while the page
// has the focus, and the mouse over the shrunk Navigator grows it.
TEST_F(UserInput, AltDSelectsTheWholeAddressAlsoWhenTheBoxHasTheFocus) {
    server.addPage("/news", test::htmlPage("News"));
    store("News", url("/news"));
    placeMainWindow(); // right of the Navigator's left end, which stays uncovered
    ASSERT_TRUE(start({}, "Page A"));
    const QRect newButton(inMainWindow(4, 20), QSize(70, 60));
    const QImage normal = x.grab(newButton);
    x.click(inMainWindow(62, 46)); // the New button's drop-down arrow
    XWindow menu = 0;
    ASSERT_TRUE(x.waitFor([&] { return (menu = x.openMenu()) != 0; }, 5000));
    const QPoint firstItem = x.geometry(menu).topLeft() + QPoint(30, 12); // "Home 1"
    x.moveMouse(firstItem);
    QTest::qWait(300);
    x.click(firstItem);
    ASSERT_TRUE(x.waitFor([&] { return x.openMenu() == 0; }, 5000));
    x.moveMouse({1279, 799});
    EXPECT_TRUE(x.waitFor([&] { return x.grab(newButton) == normal; }, 3000));

    for (const QString page : {"B", "C"}) {
        x.keys("alt+d");
        x.type(url('/' + page.toLower()));
        x.keys("Return");
        EXPECT_TRUE(showsPage("Page " + page, 10'000)) << title();
    }

    x.click(inMainWindow(400, 400)); // into the page
    QTest::qWait(300);
    x.keys("ctrl+w");
    EXPECT_TRUE(x.waitFor([&] { return server.requestCount("/news") > 0; }, 5000));

    ASSERT_TRUE(x.waitFor([&] { return x.geometry(navigator()).height() <= 60; }, 5000))
        << "it shrinks once the main window is active";
    const QRect shrunk = x.geometry(navigator());
    for (const int dx : {6, 10, 14})
        x.moveMouse({shrunk.left() + dx, shrunk.center().y()});
    EXPECT_TRUE(x.waitFor([&] { return x.geometry(navigator()).height() >= 200; }, 3000));
    ASSERT_TRUE(stop());
}

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
