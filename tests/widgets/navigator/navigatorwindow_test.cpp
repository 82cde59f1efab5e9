// The Navigator of a main window over fake engines, also as a keyboard palette.
#include "fakes/testwindow.h"
#include "navigator/navigatorpalette.h"

#include <QItemSelectionModel>
#include <QMdiArea>
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
    for (const auto& c : cases) {
        navigator->setHeightTwips(c.start);
        c.shrink ? navigator->startShrink() : navigator->startGrow();
        EXPECT_EQ(ticksUntilStopped(), c.heights) << c.start << " " << c.shrink;
    }

    QToolButton* pin = navigator->pinButton();
    pin->click();
    navigator->setHeightTwips(3000);
    navigator->startShrink();
    navigator->resizeTick();
    EXPECT_EQ(navigator->heightTwips(), 3000) << "pinned, it keeps its height";
    navigator->startGrow();
    pin->click();
    navigator->resizeTick();
    EXPECT_EQ(navigator->heightTwips(), 3450) << "unpinned, it grows on";
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, {}, {});
    QApplication::sendEvent(frame.window.mdiArea()->viewport(), &move);
    EXPECT_TRUE(navigator->isShrinking()) << "the mouse over the documents";
}

TEST_F(NavigatorTest, LoadingDotsCountOnAndStopWhenAnyDocumentCompletes) {
    frame.engine(1)->fireProgress(10, 100);
    frame.engine(2)->fireProgress(20, 100);
    for (const char* title : {"Navigator.", "Navigator..", "Navigator...", "Navigator....",
                              "Navigator.....", "Navigator", "Navigator."}) {
        navigator->loadingTick();
        EXPECT_EQ(navigator->windowTitle(), QLatin1String(title));
    }
    frame.engine(1)->fireProgress(0, 0);
    EXPECT_EQ(navigator->windowTitle(), QStringLiteral("Navigator")) << "though 2 still loads";
    frame.engine(2)->fireProgress(50, 100);
    EXPECT_TRUE(navigator->loadingTimer()->isActive());
    navigator->loadingTick();
    EXPECT_EQ(navigator->windowTitle(), QStringLiteral("Navigator..")) << "the count carries on";
}

TEST_F(NavigatorTest, ButtonsActOnTheSelectedRowAndCloseOnlyHides) {
    for (int i = 1; i <= 3; ++i)
        frame.engine(i)->clearCalls();
    for (const char* key : {"Close", "Refresh", "Stop"}) // no row selected: nothing happens
        navigator->toolbarButton(key)->trigger();
    navigator->list()->selectionModel()->select(
        frame.set().index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    navigator->toolbarButton("Refresh")->trigger();
    navigator->toolbarButton("Stop")->trigger();
    EXPECT_TRUE(frame.engine(1)->calls().isEmpty() && frame.engine(3)->calls().isEmpty());
    EXPECT_EQ(frame.engine(2)->calls(), (QStringList{"reload", "stop"}));
    navigator->list()->setCurrentIndex(frame.set().index(1, 0));
    QTest::keyClick(navigator->list(), Qt::Key_Return); // chooses the row as a click does
    EXPECT_EQ(frame.area().activeDocument(), frame.doc(2));
    EXPECT_EQ(frame.set().index(1, 0).data(Qt::AccessibleDescriptionRole), "Active document");
    EXPECT_TRUE(QTest::qWaitForWindowActive(navigator)) << "the Navigator keeps the keyboard";
    navigator->toolbarButton("Close")->trigger();
    EXPECT_EQ(frame.set().rowText(2), QStringLiteral("http://three/"));
    EXPECT_FALSE(navigator->close()) << "closing only hides it";
    EXPECT_FALSE(navigator->isVisible() || frame.window.menus().navigator->isChecked());
    navigator->show();
    EXPECT_TRUE(frame.window.menus().navigator->isChecked());
    EXPECT_EQ(navigator->list()->model()->rowCount(), 2) << "shown again, it lists every row";
    navigator->allowClose();
    EXPECT_TRUE(navigator->close()) << "once the main window allows it";
}

struct NavigatorPaletteTest : test::WindowTest {
    NavigatorPaletteTest() {
        frame.open("http://two/");
        frame.open("http://news.example/");
        frame.open("http://four/");
        int i = 0;
        for (const char* title :
             {"Kelvane News", "Weather", "Archive of old items", "News Archive"})
            frame.engine(++i)->fireTitle(title);
    }
    QStringList shownRows() const {
        QStringList rows;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            if (!list->isRowHidden(row, {}))
                rows << list->model()->index(row, 0).data().toString();
        }
        return rows;
    }
    // Ctrl+K from the main window; true once the Navigator has the keyboard.
    bool pressCtrlK() {
        if (!frame.activate())
            return false;
        focusBefore->setFocus();
        QTest::keyClick(&frame.window, Qt::Key_K, Qt::ControlModifier);
        return test::waitUntil([&] { return navigator->isActiveWindow(); }, 5000);
    }
    // The window of widget is active and widget has the keyboard focus.
    static bool hasKeyboard(QWidget* widget) {
        return test::waitUntil([&] { return QApplication::focusWidget() == widget; }, 5000);
    }
    NavigatorWindow* navigator = frame.window.navigator();
    NavigatorPalette* palette = navigator->palette();
    QLineEdit* box = palette->box();
    QTreeView* list = navigator->list();
    QWidget* focusBefore = frame.window.addressPanel()->addressBox();
};

TEST_F(NavigatorPaletteTest, EveryWordNarrowsTheListAndEnterChoosesForThePage) {
    ASSERT_TRUE(pressCtrlK());
    EXPECT_TRUE(box->isVisible() && hasKeyboard(box));
    EXPECT_EQ(shownRows().size(), 4);
    QTest::keyClicks(box, "NEWS arch");
    EXPECT_EQ(shownRows(), (QStringList{"Archive of old items", "News Archive"}))
        << "a word may match the address";
    EXPECT_EQ(palette->highlightsOf(3), (QList<TextRange>{{0, 4}, {5, 4}}));
    EXPECT_EQ(palette->highlightsOf(2), (QList<TextRange>{{0, 4}}));
    EXPECT_EQ(list->currentIndex().row(), 2) << "the first match is current";
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(frame.area().activeDocument(), frame.doc(4));
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(shownRows().size(), 4);
    EXPECT_TRUE(hasKeyboard(frame.engine(4)->widget()));
    EXPECT_TRUE(palette->highlightsOf(3).isEmpty());
}

TEST_F(NavigatorPaletteTest, EscapeGivesBackListFocusAndHiddenWindowTypingFiltersToo) {
    navigator->hide();
    ASSERT_TRUE(pressCtrlK());
    QTest::keyClicks(box, "zzz");
    EXPECT_TRUE(shownRows().isEmpty());
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(shownRows().size(), 4);
    EXPECT_FALSE(box->isVisible() || navigator->isVisible()) << "hidden as it was";
    EXPECT_TRUE(hasKeyboard(focusBefore));
    navigator->show();
    navigator->activateWindow();
    list->setFocus();
    QTest::keyClicks(list, "We");
    EXPECT_TRUE(box->isVisible() && hasKeyboard(box));
    EXPECT_EQ(box->text(), "We");
    EXPECT_EQ(shownRows(), QStringList{"Weather"});
    frame.open("http://west/");
    frame.open("http://east/");
    EXPECT_EQ(shownRows(), (QStringList{"Weather", "http://west/"})) << "new rows are judged too";
    frame.engine(5)->fireTitle("Elsewhere");
    frame.engine(2)->fireTitle("Sunny");
    EXPECT_EQ(shownRows(), QStringList{"Elsewhere"}) << "again when the title changes";
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_EQ(shownRows().size(), 6);
    EXPECT_TRUE(navigator->isVisible());
}

} // namespace
