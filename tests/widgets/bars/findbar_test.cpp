// The find bar's keys and its following of the active document, with the fake engine.
#include "bars/findbar.h"
#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "fakes/fakeengine.h"
#include "frame/mainwindow.h"
#include "frame/menus.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kelvane;
using kelvane::test::FakeEngineFactory;
using kelvane::test::FakeEngine;

namespace {

using Calls = QList<std::pair<QString, bool>>; // text, backward

class FindBarTest : public ::testing::Test {
protected:
    FindBarTest() {
        appSettings() = AppSettings();
        window.load(QStringLiteral("http://one/"));
        window.show();
        window.activateWindow();
        test::waitUntil([&] { return QApplication::activeWindow() == &window; });
    }
    ~FindBarTest() override { window.close(); }

    FakeEngine* engine(int i) {
        return static_cast<FakeEngine*>(window.documentArea().document(i)->engine());
    }
    static Calls calls(FakeEngine* e) {
        Calls list;
        for (const FakeEngine::FindCall& call : e->findCalls())
            list.append({call.text, call.backward});
        return list;
    }
    QLineEdit* box() { return bar.textBox(); }
    void find() { window.menus().action(QStringLiteral("mnuEditFind"))->trigger(); }
    void button(const char* name) { bar.findChild<QToolButton*>(QLatin1String(name))->click(); }

    test::IsolatedHome home;
    FakeEngineFactory engines;
    MainWindow window{engines, nullptr};
    FindBar& bar = *window.findBar();
};

TEST_F(FindBarTest, CtrlFOpensWithTheFocusInTheTextBox) {
    ASSERT_TRUE(bar.isHidden());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_F,
                    Qt::ControlModifier);
    ASSERT_TRUE(bar.isVisible()) << "the menu item's shortcut";
    EXPECT_TRUE(test::waitUntil([&] { return box()->hasFocus(); }));
    EXPECT_TRUE(calls(engine(1)).isEmpty()) << "nothing to find yet";
}

TEST_F(FindBarTest, TypingSearchesAsItGoesAndTheCountFollows) {
    find();
    QTest::keyClicks(box(), QStringLiteral("cat"));
    EXPECT_EQ(calls(engine(1)), (Calls{{"c", false}, {"ca", false}, {"cat", false}}));

    const struct {
        int active, count;
        QString shown;
    } results[] = {{3, 12, "3 of 12"}, {1, 1, "1 of 1"}, {0, 0, "No matches"}, {0, 4, "4 matches"}};
    for (const auto& r : results) {
        engine(1)->fireFindResult(r.active, r.count);
        EXPECT_EQ(bar.countText(), r.shown);
    }

    QTest::keyClick(box(), Qt::Key_Backspace);
    QTest::keyClick(box(), Qt::Key_Backspace);
    QTest::keyClick(box(), Qt::Key_Backspace);
    EXPECT_EQ(calls(engine(1)).last(), std::pair(QString(), false)) << "empty: clears";
    EXPECT_EQ(bar.countText(), QString());
    engine(1)->fireFindResult(0, 0);
    EXPECT_EQ(bar.countText(), QString()) << "no \"No matches\" for an empty text";
}

TEST_F(FindBarTest, EnterShiftEnterAndTheButtons) {
    find();
    box()->setText(QStringLiteral("dog"));
    engine(1)->clearRecords();
    QTest::keyClick(box(), Qt::Key_Return);
    QTest::keyClick(box(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(box(), Qt::Key_Enter);
    button("findPrevious");
    button("findNext");
    EXPECT_EQ(
        calls(engine(1)),
        (Calls{{"dog", false}, {"dog", true}, {"dog", false}, {"dog", true}, {"dog", false}}));
    EXPECT_TRUE(bar.isVisible());
}

TEST_F(FindBarTest, EscClosesAndClearsTheHighlighting) {
    find();
    QTest::keyClicks(box(), QStringLiteral("ox"));
    engine(1)->fireFindResult(1, 2);
    engine(1)->clearRecords();
    QTest::keyClick(box(), Qt::Key_Escape);
    EXPECT_TRUE(bar.isHidden());
    EXPECT_EQ(calls(engine(1)), (Calls{{QString(), false}}));
    EXPECT_EQ(bar.countText(), QString());
    EXPECT_TRUE(engine(1)->widget()->hasFocus()) << "the focus goes back to the page";

    // Open again: the old text is selected and searched once more.
    engine(1)->clearRecords();
    find();
    EXPECT_EQ(box()->selectedText(), QStringLiteral("ox"));
    EXPECT_EQ(calls(engine(1)), (Calls{{"ox", false}}));
    find();
    EXPECT_EQ(calls(engine(1)).size(), 1) << "an open bar only takes the focus again";

    button("findClose");
    EXPECT_TRUE(bar.isHidden());
}

TEST_F(FindBarTest, SwitchingDocumentsSearchesTheNewOne) {
    find();
    box()->setText(QStringLiteral("fox"));
    engine(1)->fireFindResult(2, 5);
    engine(1)->clearRecords();

    window.openInNewDocument(QStringLiteral("http://two/"));
    ASSERT_EQ(window.documentArea().activeDocument(), window.documentArea().document(2));
    EXPECT_EQ(calls(engine(1)), (Calls{{QString(), false}})) << "the old page is cleared";
    EXPECT_EQ(calls(engine(2)), (Calls{{"fox", false}}));
    EXPECT_EQ(bar.countText(), QString());
    engine(1)->fireFindResult(4, 4);
    EXPECT_EQ(bar.countText(), QString()) << "the old page no longer answers";
    engine(2)->fireFindResult(1, 3);
    EXPECT_EQ(bar.countText(), QStringLiteral("1 of 3"));

    // A closed bar follows quietly.
    QTest::keyClick(box(), Qt::Key_Escape);
    engine(1)->clearRecords();
    engine(2)->clearRecords();
    window.documentArea().document(1)->bringToFront();
    EXPECT_TRUE(calls(engine(1)).isEmpty());
    EXPECT_TRUE(calls(engine(2)).isEmpty());
}

TEST_F(FindBarTest, WithoutDocuments) {
    find();
    box()->setText(QStringLiteral("owl"));
    engine(1)->fireFindResult(1, 1);
    window.documentArea().document(1)->closeDocument();
    ASSERT_EQ(window.documentArea().count(), 0);
    QTest::keyClicks(box(), QStringLiteral("s"));
    QTest::keyClick(box(), Qt::Key_Return);
    EXPECT_EQ(bar.countText(), QString());
    QTest::keyClick(box(), Qt::Key_Escape);
    EXPECT_TRUE(bar.isHidden());

    bar.openBar();
    EXPECT_TRUE(bar.isHidden()) << "nothing to search in";
}

} // namespace
