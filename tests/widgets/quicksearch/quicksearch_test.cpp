// The Quick Search dialog driven through its keys and buttons, with its state in the store.
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "quicksearch/quicksearch.h"
#include "quicksearch/quicksearchdialog.h"
#include "support/isolation.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

class QuickSearchTest : public ::testing::Test {
protected:
    QuickSearchTest() { SettingsStore::reset(); }

    QuickSearchDialog* open() {
        quickSearch.open();
        return quickSearch.dialog();
    }
    QComboBox* query() { return quickSearch.dialog()->queryBox(); }
    void type(const char* text, Qt::Key key = Qt::Key_Return) {
        QTest::keyClicks(query(), QString::fromUtf8(text));
        QTest::keyClick(query(), key);
    }
    void closeBox() {
        quickSearch.dialog()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    test::IsolatedHome home;
    QWidget mainWindow;
    QuickSearch quickSearch{&mainWindow};
    QSignalSpy opened{&quickSearch, &QuickSearch::openInNewDocument};
};

TEST_F(QuickSearchTest, SearchSendsTheEncodedQueryAndKeepsItAsTyped) {
    open();
    EXPECT_FALSE(quickSearch.dialog()->searchButton()->isEnabled());
    QTest::keyClick(query(), Qt::Key_A);
    EXPECT_TRUE(quickSearch.dialog()->searchButton()->isEnabled());
    query()->clearEditText();
    type(" red & blue ");

    ASSERT_EQ(opened.count(), 1);
    EXPECT_TRUE(opened.at(0).at(0).toString().endsWith(QLatin1String("&q=red+%26+blue")));
    EXPECT_FALSE(quickSearch.dialog()->isVisible());
    EXPECT_EQ(query()->itemText(0), QStringLiteral(" red & blue "));
}

TEST_F(QuickSearchTest, EveryRepeatedSearchIsListedAndSaved) {
    for (const char* typed : {"cats", "cats", "cats", ""}) {
        open();
        query()->clearEditText();
        type(typed);
    }
    EXPECT_EQ(opened.count(), 4) << "Enter searches with an empty box too";
    quickSearch.saveAtExit(); // saved as the close box does, then ended: nothing writes it later
    EXPECT_FALSE(quickSearch.isLoaded());
    EXPECT_EQ(Settings::readInt16(QStringLiteral("QSearchSearchListCount")), 4);
    for (int i = 2; i <= 4; ++i) // newest on top
        EXPECT_EQ(Settings::readText(numberedKey(QStringLiteral("QSearchSearchListItem"), i)),
                  QStringLiteral("cats"));
}

TEST_F(QuickSearchTest, EscapeHidesAndKeepsTheText) {
    QuickSearchDialog* first = open();
    type("draft", Qt::Key_Escape);
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(open(), first);
    EXPECT_EQ(query()->currentText(), QStringLiteral("draft"));
    EXPECT_EQ(opened.count(), 0);
}

TEST_F(QuickSearchTest, GroupsSurvivesReopeningAndARestart) {
    open()->methodBox()->setCurrentIndex(1);
    closeBox();
    EXPECT_FALSE(quickSearch.isLoaded());
    EXPECT_EQ(open()->methodBox()->currentIndex(), 1);
    closeBox();
    SettingsStore::reset(); // as a new start: the store is read from its file again
    QTest::keyClick(open()->methodBox(), Qt::Key_Enter);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_TRUE(opened.at(0).at(0).toString().contains(QLatin1String("/groups?")));
}

} // namespace
