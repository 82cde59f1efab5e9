// The find bar's keys and its following of the active document, with fake engines.
#include "bars/findbar.h"
#include "fakes/testwindow.h"

#include <QRegularExpression>
#include <QToolButton>

using namespace kelvane;

namespace {

struct FindBarTest : test::WindowTest {
    FindBarTest() { EXPECT_TRUE(frame.activate()); }
    // The searches asked of a document's engine since this was last asked.
    QStringList finds(int doc) {
        const QStringList calls = frame.engine(doc)->calls().filter(QRegularExpression("^find"));
        frame.engine(doc)->clearCalls();
        return calls;
    }
    void find() { frame.window.menus().find->trigger(); }

    FindBar& bar = *frame.window.findBar();
    QLineEdit* box = bar.textBox();
};

TEST_F(FindBarTest, TypingSearchesAsItGoesAndKeysStepOrClose) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(bar.isVisible() && test::waitUntil([&] { return box->hasFocus(); })) << "Ctrl+F";
    QTest::keyClicks(box, "cat");
    EXPECT_EQ(finds(1), (QStringList{"find c", "find ca", "find cat"}));
    const std::tuple<int, int, const char*> results[] = {
        {3, 12, "3 of 12"}, {1, 1, "1 of 1"}, {0, 0, "No matches"}, {0, 4, "4 matches"}};
    for (const auto& [active, count, shown] : results) {
        frame.engine(1)->fireFindResult(active, count);
        EXPECT_EQ(bar.countText(), QLatin1String(shown));
    }
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Enter);
    bar.findChild<QToolButton*>("findPrevious")->click();
    EXPECT_EQ(finds(1),
              (QStringList{"find cat", "findBackward cat", "find cat", "findBackward cat"}));
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_TRUE(bar.isHidden());
    EXPECT_EQ(finds(1), QStringList{"find "}) << "closing clears the highlighting";
    EXPECT_TRUE(frame.engine(1)->widget()->hasFocus()) << "the focus goes back to the page";
    find();
    find();
    EXPECT_EQ(box->selectedText(), QStringLiteral("cat"));
    EXPECT_EQ(finds(1), QStringList{"find cat"}) << "opened again, it searches once";
    box->clear();
    frame.engine(1)->fireFindResult(0, 0);
    EXPECT_EQ(bar.countText(), QString()) << "no \"No matches\" for an empty text";
}

TEST_F(FindBarTest, AnOpenBarFollowsTheActiveDocument) {
    find();
    box->setText("fox");
    frame.engine(1)->fireFindResult(2, 5);
    finds(1);
    frame.open("http://two/");
    EXPECT_EQ(finds(1), QStringList{"find "}) << "the old page is cleared";
    EXPECT_EQ(finds(2), QStringList{"find fox"});
    EXPECT_EQ(bar.countText(), QString());
    frame.engine(1)->fireFindResult(4, 4);
    EXPECT_EQ(bar.countText(), QString()) << "the old page no longer answers";
    frame.engine(2)->fireFindResult(1, 3);
    EXPECT_EQ(bar.countText(), QStringLiteral("1 of 3"));
    bar.findChild<QToolButton*>("findClose")->click(); // a closed bar follows quietly
    finds(2);
    frame.doc(1)->bringToFront();
    EXPECT_TRUE(finds(1).isEmpty() && finds(2).isEmpty());
    frame.closeAll();
    bar.openBar();
    EXPECT_TRUE(bar.isHidden()) << "no document, nothing to search in";
}

} // namespace
