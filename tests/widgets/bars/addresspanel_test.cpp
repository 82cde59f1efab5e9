#include "bars/addresspanel.h"

#include "fakes/testwindow.h"
#include "ui/captions.h"

#include <QAbstractItemView>
#include <QCompleter>
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
    EXPECT_EQ(box->completer()->completionCount(), 1) << "\" Two  \" matches in the middle";
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
    QTest::keyClicks(box, "x");
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

} // namespace
