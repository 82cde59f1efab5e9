// The Navigator of a main window over fake engines.
#include "fakes/testwindow.h"

#include <QItemSelectionModel>
#include <QToolButton>
#include <QTreeView>

using namespace kelvane;

namespace {

struct NavigatorTest : test::WindowTest {
    NavigatorTest() {
        frame.open("http://two/");
        frame.open("http://three/");
    }
    // Runs the resize timer by hand until it stops; the heights after each tick.
    QList<int> ticksUntilStopped() {
        QList<int> heights;
        while (navigator->resizeTimer()->isActive() && heights.size() < 30) {
            navigator->resizeTick();
            heights << navigator->heightTwips();
        }
        return heights;
    }

    NavigatorWindow* navigator = frame.window.navigator();
};

TEST_F(NavigatorTest, ShrinksAndGrowsInStepsUnlessPinned) {
    // clang-format off
    const struct { int start; bool shrink; QList<int> heights; } cases[] = {
        {4800, false, {5250, 5250}}, {5000, false, {5000}}, {600, true, {600}},
        {5000, true, {4550, 4100, 3650, 3200, 2750, 2300, 1850, 1400, 950, 500, 500}},
        {500, false, {950, 1400, 1850, 2300, 2750, 3200, 3650, 4100, 4550, 5000, 5000}}};
    // clang-format on
    const int top = navigator->geometry().top();
    for (const auto& c : cases) {
        navigator->setHeightTwips(c.start);
        c.shrink ? navigator->startShrink() : navigator->startGrow();
        EXPECT_EQ(ticksUntilStopped(), c.heights) << c.start << " " << c.shrink;
    }
    EXPECT_EQ(navigator->geometry().top(), top) << "the top edge stays";

    QToolButton* pin = navigator->pinButton();
    EXPECT_EQ(pin->toolTip(), QStringLiteral("Keep visible"));
    pin->click();
    EXPECT_EQ(pin->toolTip(), QStringLiteral("Auto shrink"));
    for (bool shrink : {true, false}) {
        navigator->setHeightTwips(3000);
        shrink ? navigator->startShrink() : navigator->startGrow();
        for (int i = 0; i < 5; ++i)
            navigator->resizeTick();
        EXPECT_EQ(navigator->heightTwips(), 3000) << shrink;
    }
    pin->click();
    navigator->resizeTick();
    EXPECT_EQ(navigator->heightTwips(), 3450) << "unpinned, it grows on";
}

TEST_F(NavigatorTest, TheMouseOverItOrItsActivationGrowsIt) {
    for (QWidget* target : {static_cast<QWidget*>(navigator), navigator->list()->viewport()}) {
        navigator->startShrink();
        test::moveMouse(target);
        EXPECT_FALSE(navigator->isShrinking());
        EXPECT_TRUE(navigator->resizeTimer()->isActive());
    }
    ASSERT_TRUE(frame.activate());
    EXPECT_TRUE(navigator->isShrinking()) << "deactivated, it shrinks";
    navigator->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(navigator));
    QCoreApplication::processEvents();
    EXPECT_FALSE(navigator->isShrinking()) << "activated, it grows";
}

TEST_F(NavigatorTest, CloseOnlyHidesUntilTheMainWindowAllows) {
    EXPECT_FALSE(navigator->close());
    EXPECT_FALSE(navigator->isVisible() || frame.window.menus().navigator->isChecked());
    navigator->show();
    EXPECT_TRUE(frame.window.menus().navigator->isChecked());
    EXPECT_EQ(navigator->list()->model()->rowCount(), 3) << "shown again, it lists every row";
    navigator->allowClose();
    EXPECT_TRUE(navigator->close());
}

TEST_F(NavigatorTest, LoadingDotsCountOnAndStopWhenAnyDocumentCompletes) {
    frame.engine(1)->fireProgress(10, 100);
    frame.engine(2)->fireProgress(20, 100);
    QStringList titles;
    for (int i = 0; i < 7; ++i) {
        navigator->loadingTick();
        titles << navigator->windowTitle();
    }
    EXPECT_EQ(titles, QStringList({"Navigator.", "Navigator..", "Navigator...", "Navigator....",
                                   "Navigator.....", "Navigator", "Navigator."}));
    frame.engine(1)->fireProgress(0, 0);
    EXPECT_FALSE(navigator->loadingTimer()->isActive()) << "though the second still loads";
    EXPECT_EQ(navigator->windowTitle(), QStringLiteral("Navigator"));
    frame.engine(2)->fireProgress(50, 100);
    EXPECT_TRUE(navigator->loadingTimer()->isActive());
    navigator->loadingTick();
    EXPECT_EQ(navigator->windowTitle(), QStringLiteral("Navigator..")) << "the count carries on";
}

TEST_F(NavigatorTest, ButtonsAndClicksActOnTheSelectedRowOnly) {
    for (int i = 1; i <= 3; ++i)
        frame.engine(i)->clearCalls();
    for (const char* key : {"Close", "Refresh", "Stop"})
        navigator->toolbarButton(key)->trigger();
    navigator->rowClicked();
    EXPECT_EQ(frame.set().count(), 3);
    EXPECT_EQ(frame.area().activeDocument(), frame.doc(3));

    navigator->list()->selectionModel()->select(
        frame.set().index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    navigator->toolbarButton("Refresh")->trigger();
    navigator->toolbarButton("Stop")->trigger();
    EXPECT_TRUE(frame.engine(1)->calls().isEmpty() && frame.engine(3)->calls().isEmpty());
    EXPECT_EQ(frame.engine(2)->calls(), (QStringList{"reload", "stop"}));
    navigator->rowClicked();
    EXPECT_EQ(frame.area().activeDocument(), frame.doc(2));
    EXPECT_TRUE(QTest::qWaitForWindowActive(navigator)) << "the Navigator keeps the keyboard";
    navigator->toolbarButton("Close")->trigger();
    EXPECT_EQ(frame.set().rowText(2), QStringLiteral("http://three/"));
    navigator->toolbarButton("New")->trigger();
    EXPECT_EQ(frame.engine(3)->navigated(), QStringList{appSettings().home1});
}

} // namespace
