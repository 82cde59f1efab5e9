// The address panel and the find bar's keys and its following of the active document.
#include "bars/findbar.h"
#include "bars/suggestionlist.h"
#include "base/browsinghistory.h"
#include "fakes/testwindow.h"
#include "ui/captions.h"

#include <QAbstractItemView>
#include <QListWidget>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

using namespace kelvane;

namespace {

struct AddressPanelTest : ::testing::Test {
    AddressPanelTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(panel);
        layout->addWidget(other);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        box->setFocus();
    }
    // Replaces the box's text by typing, as the user does, and presses Enter.
    void type(const QString& text, bool enter = true) {
        box->lineEdit()->clear();
        QTest::keyClicks(box, text);
        if (enter)
            QTest::keyClick(box, Qt::Key_Return);
    }
    QStringList opened() {
        QStringList texts;
        for (const QList<QVariant>& call : navigated)
            texts << call.at(0).toString();
        return texts;
    }

    test::IsolatedHome home;
    QWidget window;
    AddressPanel* panel = new AddressPanel;
    QLineEdit* other = new QLineEdit;
    QComboBox* box = panel->addressBox();
    QSignalSpy navigated{panel, &AddressPanel::navigateRequested};
};

TEST_F(AddressPanelTest, EnterOpensTheTextAsTypedAndPutsItOnTopOnce) {
    for (const char* text : {"a", "a", "b", "a", " Two  "})
        type(text);
    EXPECT_EQ(opened(), (QStringList{"a", "a", "b", "a", " Two  "})) << "nothing trimmed";
    EXPECT_EQ(panel->items(), (QStringList{" Two  ", "a", "b", "a"}));
    box->setEditText(QString());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(panel->goButton()->isEnabled() || navigated.count() > 5) << "empty: nothing";
    type("new one", false);
    QTest::mouseClick(panel->goButton(), Qt::LeftButton);
    EXPECT_EQ(opened().last(), "new one");
    EXPECT_EQ(panel->items().first(), " Two  ") << "Go leaves the list to the receiver";
    box->showPopup();
    QTest::mouseClick(box->view()->viewport(), Qt::LeftButton, {},
                      box->view()->visualRect(box->view()->model()->index(2, 0)).center());
    EXPECT_EQ(opened().last(), "b") << "a pick from the list opens";
    type("WO", false);
    EXPECT_EQ(panel->suggestionList()->suggestions().size(), 1) << "\" Two  \" in the middle";
}

TEST_F(AddressPanelTest, SuggestionsNeverReplaceTheTypedTextUnlessPicked) {
    BrowsingHistory history(BrowsingHistory::defaultPath());
    for (int i = 0; i < 2; ++i)
        history.recordVisit("http://hist.test/site", "History Site",
                            QDateTime::currentMSecsSinceEpoch());
    panel->setSuggestionSources(&history, [] {
        return QList<FavoriteLink>{{"Fav Site", "http://fav.test/"}};
    });
    other->setFocus();
    box->setFocus(); // the favorites are read as the box takes the focus
    panel->addTyped("http://typed.test/site");
    SuggestionList* list = panel->suggestionList();
    type("SITE", false);
    ASSERT_TRUE(list->isVisible());
    QList<SuggestionSource> sources;
    for (const Suggestion& s : list->suggestions())
        sources.append(s.source);
    EXPECT_EQ(sources, (QList<SuggestionSource>{SuggestionSource::Typed, SuggestionSource::History,
                                                SuggestionSource::Favorite}));
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Down, 0}, {Qt::Key_Down, 1},   {Qt::Key_Down, 2}, {Qt::Key_Down, -1},
        {Qt::Key_Up, 2},   {Qt::Key_PageUp, 0}, {Qt::Key_Up, -1}};
    for (const auto& [key, row] : steps) {
        QTest::keyClick(box, key);
        EXPECT_EQ(list->currentRow(), row) << key;
        EXPECT_EQ(box->currentText(), "SITE");
    }
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(box->currentText(), "SITE");
    EXPECT_TRUE(opened().isEmpty());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(opened(), QStringList{"SITE"}) << "nothing chosen: the text as typed";

    type("site", false); // "SITE" is typed history now, on top
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(opened().last(), "http://hist.test/site");
    EXPECT_EQ(box->currentText(), "http://hist.test/site");
    EXPECT_EQ(panel->items().first(), "http://hist.test/site") << "picked: as if typed";
    EXPECT_FALSE(list->isVisible());

    type("fav", false);
    ASSERT_EQ(list->suggestions().size(), 1);
    QListWidget* rows = list->list();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                      rows->visualItemRect(rows->item(0)).center());
    EXPECT_EQ(opened().last(), "http://fav.test/");
    EXPECT_EQ(opened().size(), 3);
}

TEST_F(AddressPanelTest, EditingFollowsTheFocusOfItsWindow) {
    // The box would swap a text for a loosely matching item when the edit ends.
    for (const char* text : {"http://Site/", "other"})
        panel->addTyped(text);
    for (const char* text : {"http://site/", "OTHER"}) {
        box->setFocus();
        panel->setPageAddress(text);
        other->setFocus();
        EXPECT_EQ(box->currentText(), text);
        EXPECT_FALSE(panel->isAddressBeingEdited());
    }
    box->setFocus();
    EXPECT_FALSE(panel->isAddressBeingEdited()) << "nothing typed yet";
    panel->setPageAddress("about:blank"); // a new document's page arrives after the focus
    QTest::keyClicks(box, "x");
    EXPECT_EQ(box->currentText(), "x") << "what is typed replaces a page's address";
    box->showPopup();
    EXPECT_TRUE(panel->isAddressBeingEdited()) << "the drop-down list belongs to the box";
    box->hidePopup();
    QWidget elsewhere;
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_TRUE(panel->isAddressBeingEdited()) << "another window in front changes nothing";
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    applyCaptions(&window);
    QTest::keyClick(other, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(window.focusWidget(), box) << "Alt+D, the mnemonic of \"A&ddress\"";
    type("being typed", false);
    panel->clearHistory();
    panel->addTyped("elsewhere"); // into an empty list
    EXPECT_EQ(box->currentText(), "being typed") << "list changes leave the typed text alone";
    EXPECT_TRUE(navigated.isEmpty());
}

TEST_F(AddressPanelTest, GoAndNewActWhileCompletionsShowAndADroppedLinkIsTheAddress) {
    QSignalSpy openedNew(panel, &AddressPanel::openInNewRequested);
    panel->addTyped("http://page/one");
    panel->applyResizeRule(9000, 0, nullptr); // places Go and New
    // The list of suggestions holds no mouse: the first click on Go or New acts and closes it.
    for (QToolButton* button : {panel->goButton(), panel->goNewButton()}) {
        type("page", false);
        QWidget* list = panel->suggestionList();
        ASSERT_TRUE(list->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_FALSE(list->isVisible());
    }
    EXPECT_EQ(opened(), QStringList{"page"});
    EXPECT_EQ(openedNew.count() == 1 ? openedNew.at(0).at(0).toString() : QString(), "page");
    box->setEditText("http://old/");
    QMimeData link;
    link.setUrls({QUrl("http://dropped/x")});
    link.setText("http://dropped/x");
    test::drop(box->lineEdit(), link);
    EXPECT_EQ(box->currentText(), "http://dropped/x") << "not added to the text";
    EXPECT_EQ(opened().last(), "http://dropped/x");
}

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
