// The Navigator as a keyboard palette, in a main window over fake engines.
#include "fakes/testwindow.h"
#include "navigator/navigatorpalette.h"

#include <QTreeView>

using namespace kelvane;

namespace {

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
