// The main window and the Navigator as a window manager (openbox on Xvfb) handles them:
// maximizing, stored geometry, ownership and stacking, titles, minimizing, pop-up menus.
#include "support/desktoptest.h"

using namespace kelvane;
using test::XWindow;

namespace {

class WindowManager : public test::DesktopTest {
protected:
    bool maximized(XWindow window) const {
        const QStringList state = x.property(window, QStringLiteral("_NET_WM_STATE"));
        return state.contains(QLatin1String("_NET_WM_STATE_MAXIMIZED_VERT")) &&
               state.contains(QLatin1String("_NET_WM_STATE_MAXIMIZED_HORZ"));
    }
};

} // namespace

TEST_F(WindowManager, FirstStartIsMaximized) {
    ASSERT_TRUE(start({}, QStringLiteral("Page A")));
    EXPECT_TRUE(x.waitFor([&] { return maximized(mainWindow()); }, 5000))
        << "a first start shows a window of "
        << qPrintable(QStringLiteral("%1 x %2")
                          .arg(x.geometry(mainWindow()).width())
                          .arg(x.geometry(mainWindow()).height()));
    ASSERT_TRUE(stop());
    EXPECT_EQ(stored(QStringLiteral("MainMaximized")), QStringLiteral("True"));
}

TEST_F(WindowManager, StoredGeometryStaysPutAcrossRestarts) {
    store(QStringLiteral("MainMaximized"), QStringLiteral("False"));
    QStringList keys;
    for (const char* window : {"Main", "Navigator"}) {
        for (const char* part : {"Left", "Top", "Width", "Height"})
            keys << QLatin1String(window) + QLatin1String(part);
    }
    std::vector<std::string> runs;
    for (int run = 0; run < 3; ++run) {
        ASSERT_TRUE(start({}, QStringLiteral("Page A")));
        // The Navigator shrinks once the main window is active; its size is stored after that.
        QRect last;
        EXPECT_TRUE(x.waitFor([&] {
            const QRect now = x.geometry(navigator());
            const bool settled = now == last && now.height() <= 60;
            last = now;
            return settled;
        }));
        ASSERT_TRUE(stop());
        QStringList values;
        for (const QString& key : keys)
            values << key + u'=' + stored(key);
        runs.push_back(values.join(u' ').toStdString());
    }
    EXPECT_EQ(runs[1], runs[0]);
    EXPECT_EQ(runs[2], runs[0]);
}

TEST_F(WindowManager, NavigatorStaysAboveTheMainWindowAndMinimizesWithIt) {
    store(QStringLiteral("SaveAllOnExit"), QStringLiteral("True")); // nothing saved: no document
    placeMainWindow();
    ASSERT_TRUE(start());
    const auto ownedAndAbove = [&] {
        const XWindow main = mainWindow();
        const XWindow navigatorWindow = navigator();
        const QStringList owner = x.property(navigatorWindow, QStringLiteral("WM_TRANSIENT_FOR"));
        const QList<XWindow> order = x.stacking();
        return main != 0 && owner.size() == 1 && owner[0].toULong(nullptr, 0) == main &&
               order.indexOf(navigatorWindow) > order.indexOf(main);
    };
    x.click(inMainWindow(400, 400)); // the main window comes to the front
    EXPECT_TRUE(x.waitFor(ownedAndAbove, 3000)) << "before the first document";

    x.keys(QStringLiteral("ctrl+n")); // the first document changes the main window's native window
    ASSERT_TRUE(showsPage(QStringLiteral("Page A")));
    x.click(inMainWindow(400, 400));
    EXPECT_TRUE(x.waitFor(ownedAndAbove, 3000)) << "with a document";

    x.minimize(mainWindow());
    EXPECT_TRUE(x.waitFor([&] { return navigator() == 0; }, 3000)) << "minimized with its owner";
    ASSERT_TRUE(stop());
}

TEST_F(WindowManager, TitleNamesOnlyTheActivePage) {
    saveDocuments({QStringLiteral("/a"), QStringLiteral("/b")});
    ASSERT_TRUE(start({}, QStringLiteral("Page B")));
    EXPECT_TRUE(
        x.waitFor([&] { return title() == QLatin1String("Kelvane v1.50 - [Page B]"); }, 3000))
        << qPrintable(title());
    x.keys(QStringLiteral("ctrl+Tab"));
    EXPECT_TRUE(
        x.waitFor([&] { return title() == QLatin1String("Kelvane v1.50 - [Page A]"); }, 3000))
        << qPrintable(title());
    ASSERT_TRUE(stop());
}

TEST_F(WindowManager, MaximizedWindowClosedWhileMinimizedStoresNotMaximized) {
    placeMainWindow();
    ASSERT_TRUE(start({}, QStringLiteral("Page A")));
    const QRect client = x.geometry(mainWindow());
    x.click({client.center().x(), client.top() - 8}, 1, 2); // a double click on the title bar
    ASSERT_TRUE(x.waitFor([&] { return maximized(mainWindow()); }, 5000));
    const XWindow main = mainWindow();
    x.minimize(main);
    ASSERT_TRUE(x.waitFor([&] { return !x.isViewable(main); }, 5000));
    ASSERT_TRUE(stop());
    EXPECT_EQ(stored(QStringLiteral("MainMaximized")), QStringLiteral("False"));
    EXPECT_EQ(stored(QStringLiteral("MainWidth")), QStringLiteral("12000"))
        << "the size from before stays";
}

TEST_F(WindowManager, RightClickOverTheToolbarOpensTheBarsMenu) {
    placeMainWindow();
    ASSERT_TRUE(start({}, QStringLiteral("Page A")));
    x.click(inMainWindow(700, 45), 3); // the browse toolbar's band, right of its buttons
    EXPECT_TRUE(x.waitFor([&] { return x.openMenu() != 0; }, 3000));
    x.keys(QStringLiteral("Escape"));
    EXPECT_TRUE(x.waitFor([&] { return x.openMenu() == 0; }, 3000));
    ASSERT_TRUE(stop());
}

TEST_F(WindowManager, RightClickOnATabOnlyClosesIt) {
    saveDocuments({QStringLiteral("/a"), QStringLiteral("/b"), QStringLiteral("/c")});
    placeMainWindow();
    ASSERT_TRUE(start({}, QStringLiteral("Page C")));
    x.click(inMainWindow(227, 122), 3); // the last tab, "Page C"
    EXPECT_TRUE(x.waitFor([&] { return !title().endsWith(QLatin1String("[Page C]")); }, 5000));
    EXPECT_TRUE(holds([&] { return x.openMenu() == 0; }, 1000)) << "a menu over the tab";
    x.keys(QStringLiteral("Escape"));
    x.click(inMainWindow(500, 122), 3); // the empty part of the tab bar
    EXPECT_TRUE(holds([&] { return x.openMenu() == 0; }, 1000)) << "a menu beside the tabs";
    x.keys(QStringLiteral("Escape"));
    ASSERT_TRUE(stop());
    EXPECT_EQ(stored(QStringLiteral("DocumentCount")), QStringLiteral("2"));
}
