#include "bars/addresspanel.h"

#include "base/settingsstore.h"
#include "support/isolation.h"
#include "ui/captions.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

#include <ostream>

using namespace kelvane;

// Readable texts in failure messages.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

QString stored(const QString& key) {
    return readSetting(QStringLiteral("Kelvane"), QStringLiteral("Settings"), key,
                       QStringLiteral("<none>"));
}

QStringList args(const QSignalSpy& spy) {
    QStringList texts;
    for (const QList<QVariant>& call : spy)
        texts.append(call.at(0).toString());
    return texts;
}

class AddressBarTest : public ::testing::Test {
protected:
    AddressBarTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(panel);
        layout->addWidget(other);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        box->setFocus();
    }
    ~AddressBarTest() override { box->hidePopup(); }

    // Replaces the box's text by typing, as the user does.
    void type(const QString& text) {
        box->lineEdit()->clear();
        QTest::keyClicks(box, text);
    }
    void enter() { QTest::keyClick(box, Qt::Key_Return); }
    void fill(const QStringList& topFirst) {
        for (auto it = topFirst.crbegin(); it != topFirst.crend(); ++it)
            panel->addTyped(*it);
    }
    void clickRow(QAbstractItemView* view, int row) {
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

    test::IsolatedHome home;
    QWidget window;
    AddressPanel* panel = new AddressPanel;
    QLineEdit* other = new QLineEdit;
    QComboBox* box = panel->addressBox();
    QSignalSpy navigated{panel, &AddressPanel::navigateRequested};
    QSignalSpy openedNew{panel, &AddressPanel::openInNewRequested};
};

TEST_F(AddressBarTest, EnterOpensTheTextAsTypedAndPutsItOnTopOnce) {
    const struct {
        QString typed;
        QStringList expectedItems;
    } steps[] = {
        {"a", {"a"}},
        {"a", {"a"}},
        {"b", {"b", "a"}},
        {"a", {"a", "b", "a"}},
        {"  Two words ", {"  Two words ", "a", "b", "a"}}, // nothing trimmed, no scheme added
    };
    QStringList expectedNavigations;
    for (const auto& step : steps) {
        type(step.typed);
        enter();
        expectedNavigations.append(step.typed);
        EXPECT_EQ(args(navigated), expectedNavigations);
        EXPECT_EQ(panel->items(), step.expectedItems) << step.typed.toStdString();
        EXPECT_EQ(box->currentText(), step.typed);
    }
    EXPECT_TRUE(openedNew.isEmpty());
}

TEST_F(AddressBarTest, EnterAfterTheReceiverAddedTheAddressLeavesOneEntry) {
    // With no document open the main window's LoadNewDoc adds the address before the panel does.
    QObject::connect(panel, &AddressPanel::navigateRequested, panel, &AddressPanel::addTyped);
    type("example.org");
    enter();
    EXPECT_EQ(panel->items(), QStringList{"example.org"});
}

TEST_F(AddressBarTest, EmptyBoxOpensNothing) {
    fill({"a"});
    box->setEditText(QString());
    enter();
    EXPECT_FALSE(panel->goButton()->isEnabled());
    EXPECT_FALSE(panel->goNewButton()->isEnabled());
    panel->goButton()->click();
    EXPECT_TRUE(navigated.isEmpty());
    EXPECT_TRUE(openedNew.isEmpty());
    EXPECT_EQ(panel->items(), QStringList{"a"});
}

TEST_F(AddressBarTest, ButtonsAreEnabledExactlyWhileThereIsText) {
    const struct {
        std::function<void()> change;
        bool enabled;
    } steps[] = {
        {[] {}, false},
        {[this] { QTest::keyClicks(box, "x"); }, true},
        {[this] { QTest::keyClick(box, Qt::Key_Backspace); }, false},
        {[this] { panel->setPageAddress("http://page/"); }, true},
        {[this] { panel->setPageAddress(""); }, false},
        {[this] { panel->setPageAddress(" "); }, true},
    };
    int i = 0;
    for (const auto& step : steps) {
        step.change();
        EXPECT_EQ(panel->goButton()->isEnabled(), step.enabled) << "step " << i;
        EXPECT_EQ(panel->goNewButton()->isEnabled(), step.enabled) << "step " << i;
        ++i;
    }
}

TEST_F(AddressBarTest, GoNewOpensTheTextInANewWindowAndLeavesTheList) {
    fill({"a", "b"});
    type(" new one");
    QTest::mouseClick(panel->goNewButton(), Qt::LeftButton);
    EXPECT_EQ(args(openedNew), QStringList{" new one"});
    EXPECT_TRUE(navigated.isEmpty());
    EXPECT_EQ(panel->items(), (QStringList{"a", "b"}));
}

TEST_F(AddressBarTest, GoOpensTheTypedTextAndLeavesTheListToTheReceiver) {
    fill({"a"});
    type("typed");
    ASSERT_TRUE(panel->isEditing());
    QTest::mouseClick(panel->goButton(), Qt::LeftButton);
    EXPECT_EQ(args(navigated), QStringList{"typed"});
    EXPECT_EQ(panel->items(), QStringList{"a"});
}

TEST_F(AddressBarTest, PickingFromTheListOpensTheItem) {
    fill({"first", "second", "third"});
    box->showPopup();
    QAbstractItemView* view = box->view();
    ASSERT_TRUE(view->isVisible());
    clickRow(view, 1);
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(args(navigated), QStringList{"second"});
    EXPECT_EQ(box->currentText(), "second");

    box->showPopup();
    view->setCurrentIndex(view->model()->index(2, 0));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(args(navigated), (QStringList{"second", "third"}));
    EXPECT_EQ(panel->items(), (QStringList{"first", "second", "third"}));
}

TEST_F(AddressBarTest, OpeningTheListEndsTheEditSoAPickOpens) {
    fill({"site"});
    type("half-typ");
    ASSERT_TRUE(panel->isEditing());
    box->showPopup();
    EXPECT_FALSE(panel->isEditing());
    clickRow(box->view(), 0);
    EXPECT_EQ(args(navigated), QStringList{"site"});
}

TEST_F(AddressBarTest, SelectionsWhileTypingOnlyFillTheBox) {
    fill({"Alpha", "beta", "alpine", "Alpha"});
    QAbstractItemView* completions = box->completer()->popup();

    type("AL"); // case-insensitive, distinct entries
    ASSERT_TRUE(completions->isVisible());
    EXPECT_EQ(completions->model()->rowCount(), 2);
    clickRow(completions, 1);
    EXPECT_EQ(box->currentText(), "alpine");
    EXPECT_TRUE(navigated.isEmpty());

    type("x");
    QTest::keyClick(box, Qt::Key_Down); // steps through the list
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_TRUE(panel->isEditing());
    EXPECT_TRUE(navigated.isEmpty());

    // Enter on a highlighted completion opens that one address, once.
    type("bet");
    ASSERT_TRUE(completions->isVisible());
    QTest::keyClick(completions, Qt::Key_Down);
    QTest::keyClick(completions, Qt::Key_Return);
    EXPECT_EQ(args(navigated), QStringList{"beta"});
    EXPECT_FALSE(panel->isEditing());
}

TEST_F(AddressBarTest, LeavingTheBoxKeepsItsTextAndOpensNothing) {
    // The box would swap a text for a loosely matching item when the edit ends.
    fill({"http://Site/", "other"});
    const QString texts[] = {"http://site/", "OTHER", "http://Site/"};
    for (const QString& text : texts) {
        box->setFocus();
        panel->setPageAddress(text);
        other->setFocus();
        EXPECT_EQ(box->currentText(), text);
        box->setFocus();
        enter();
        EXPECT_EQ(args(navigated).last(), text);
    }
    EXPECT_EQ(args(navigated).size(), 3) << "Enter opens once, leaving opens nothing";
}

TEST_F(AddressBarTest, AddressBarHasFocusFollowsTheFocus) {
    EXPECT_TRUE(panel->isAddressBeingEdited());
    other->setFocus();
    EXPECT_FALSE(panel->isAddressBeingEdited());
    box->lineEdit()->setFocus();
    EXPECT_TRUE(panel->isAddressBeingEdited());
    fill({"a"});
    box->showPopup();
    EXPECT_TRUE(panel->isAddressBeingEdited()) << "the drop-down list belongs to the box";
    box->hidePopup();
    other->setFocus();
    EXPECT_FALSE(panel->isAddressBeingEdited());
    // Another window in front leaves the typed text alone: the box keeps its window's focus.
    box->setFocus();
    QWidget elsewhere;
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_TRUE(panel->isAddressBeingEdited());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    EXPECT_FALSE(panel->isAddressBeingEdited());

    applyCaptions(&window);
    EXPECT_EQ(panel->label()->text(), "A&ddress");
    QTest::keyClick(other, Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(panel->isAddressBeingEdited()) << "Alt+D, the label's mnemonic";
}

TEST_F(AddressBarTest, ChangesOfTheListLeaveTheTextAlone) {
    type("being typed");
    box->lineEdit()->setSelection(0, 5);
    panel->addTyped("elsewhere"); // into an empty list
    panel->addTyped("again");
    EXPECT_EQ(box->currentText(), "being typed");
    EXPECT_EQ(box->lineEdit()->selectedText(), "being");
    panel->clearHistory();
    EXPECT_TRUE(panel->items().isEmpty());
    EXPECT_EQ(box->currentText(), "being typed");
    EXPECT_TRUE(panel->isEditing());
}

TEST_F(AddressBarTest, PageAddressesDoNotEnterTheList) {
    panel->setPageAddress("http://page/");
    EXPECT_EQ(box->currentText(), "http://page/");
    EXPECT_TRUE(panel->items().isEmpty());
    EXPECT_TRUE(navigated.isEmpty());
}

TEST_F(AddressBarTest, HistoryComesBackAfterARestartWithoutEmptyItems) {
    fill({"A", "B", "", "C"});
    panel->saveHistory();
    SettingsStore::reset();
    EXPECT_EQ(stored("HistorySite1"), "C");
    EXPECT_EQ(stored("HistorySite2"), "B");
    EXPECT_EQ(stored("HistorySite3"), "A");
    EXPECT_EQ(stored("HistoryCount"), "3");

    AddressPanel next;
    next.setPageAddress("shown");
    next.loadHistory();
    EXPECT_EQ(next.items(), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(next.addressBox()->currentText(), "shown");

    next.clearHistory();
    next.saveHistory();
    SettingsStore::reset();
    EXPECT_EQ(stored("HistoryCount"), "0");
    AddressPanel third;
    third.loadHistory();
    EXPECT_TRUE(third.items().isEmpty());
}

} // namespace
