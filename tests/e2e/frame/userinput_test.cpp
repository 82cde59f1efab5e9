// Keys and mouse as a user gives them on a real desktop: shortcuts whatever has the focus, the
// Navigator following the mouse, toolbar buttons after their drop-down menus.
#include "support/desktoptest.h"

#include <QTest>

using namespace kelvane;
using test::XWindow;

namespace {

using UserInput = test::DesktopTest;

} // namespace

TEST_F(UserInput, AltDSelectsTheWholeAddressAlsoWhenTheBoxHasTheFocus) {
    ASSERT_TRUE(start({}, "Page A"));
    for (const QString page : {"B", "C"}) {
        x.keys("alt+d");
        x.type(url('/' + page.toLower()));
        x.keys("Return");
        EXPECT_TRUE(showsPage("Page " + page, 10'000)) << title();
    }
    ASSERT_TRUE(stop());
}

TEST_F(UserInput, NewsShortcutWorksWhileThePageHasTheFocus) {
    server.addPage("/news", test::htmlPage("News"));
    store("News", url("/news"));
    placeMainWindow();
    ASSERT_TRUE(start({}, "Page A"));
    x.click(inMainWindow(400, 400)); // into the page
    QTest::qWait(300);
    x.keys("ctrl+w");
    EXPECT_TRUE(x.waitFor([&] { return server.requestCount("/news") > 0; }, 5000));
    ASSERT_TRUE(stop());
}

TEST_F(UserInput, MouseOverTheShrunkNavigatorGrowsIt) {
    placeMainWindow(); // right of the Navigator's left end, which stays uncovered
    ASSERT_TRUE(start({}, "Page A"));
    ASSERT_TRUE(x.waitFor([&] { return x.geometry(navigator()).height() <= 60; }, 5000))
        << "it shrinks once the main window is active";
    const QRect shrunk = x.geometry(navigator());
    for (const int dx : {6, 10, 14})
        x.moveMouse({shrunk.left() + dx, shrunk.center().y()});
    EXPECT_TRUE(x.waitFor([&] { return x.geometry(navigator()).height() >= 200; }, 3000));
    ASSERT_TRUE(stop());
}

TEST_F(UserInput, ToolbarButtonLosesItsHighlightOnceItsMenuWasUsed) {
    placeMainWindow();
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
    ASSERT_TRUE(stop());
}
