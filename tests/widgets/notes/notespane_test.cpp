// The Quick Notes pane with its notes file in the isolated data folder, and the Quick Search
// dialog driven through its keys and buttons, with its state in the store.
#include "base/appsettings.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "notes/notespane.h"
#include "quicksearch/quicksearch.h"
#include "quicksearch/quicksearchdialog.h"
#include "support/isolation.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

QByteArray fileBytes() {
    return test::readFile(NotesFile::defaultPath());
}

class NotesPaneTest : public ::testing::Test {
protected:
    test::IsolatedHome home;
};

TEST_F(NotesPaneTest, FileLinesLoadAsLinesAndSaveBackUnchangedFiftyTimes) {
    const QByteArray notes = "a\r\nb\r\n\r\n  milk, caf\xc3\xa9\r\n\tcall Anna at 5\r\n\r\n";
    ASSERT_TRUE(test::writeFile(NotesFile::defaultPath(), notes));
    for (int run = 0; run < 50; ++run) {
        NotesPane pane;
        pane.loadNotes();
        if (run == 0) {
            EXPECT_EQ(pane.notesBox()->toPlainText(), "a\nb\n\n  milk, café\n\tcall Anna at 5\n\n");
        }
        ASSERT_TRUE(pane.saveNotes());
        ASSERT_EQ(fileBytes(), notes) << "run " << run;
    }
}

TEST_F(NotesPaneTest, AWrappedParagraphIsSavedAsOneLineWhateverTheLook) {
    QString paragraph;
    for (int i = 0; i < 60; ++i)
        paragraph += QStringLiteral("word%1 ").arg(i);
    NotesPane pane;
    pane.show();
    pane.notesBox()->setPlainText(paragraph + "\nnext");
    AppSettings larger;
    larger.quickNotesSize = 24;
    larger.quickNotesColor = 0x0000ff; // 0x00BBGGRR
    pane.applyLook(larger);
    ASSERT_TRUE(pane.saveNotes());
    EXPECT_EQ(fileBytes(), (paragraph + "\r\nnext\r\n").toUtf8());
    EXPECT_EQ(pane.notesBox()->palette().color(QPalette::Text), QColor(Qt::red));
}

TEST_F(NotesPaneTest, ANotesFileThatCouldNotBeReadIsToldInThePane) {
    ASSERT_TRUE(QDir().mkpath(NotesFile::defaultPath())); // a folder in its place
    NotesPane pane;
    pane.loadNotes();
    EXPECT_TRUE(pane.notesBox()->placeholderText().contains("/notes-")) << "where typing goes";
}

TEST_F(NotesPaneTest, ChangesAreSavedAfterTheDelay) {
    NotesPane pane;
    QTest::keyClicks(pane.notesBox(), QStringLiteral("x"));
    ASSERT_TRUE(pane.autosaveTimer()->isActive());
    EXPECT_FALSE(QFile::exists(NotesFile::defaultPath()));
    QMetaObject::invokeMethod(pane.autosaveTimer(), "timeout");
    EXPECT_EQ(fileBytes(), "x\r\n");
    QTest::keyClicks(pane.notesBox(), QStringLiteral("y"));
    QMetaObject::invokeMethod(pane.autosaveTimer(), "timeout");
    EXPECT_EQ(fileBytes(), "xy\r\n");
}

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
    QuickSearchDialog* first = open();
    EXPECT_FALSE(first->searchButton()->isEnabled());
    type("draft", Qt::Key_Escape); // hides it and keeps the text
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(open(), first);
    EXPECT_EQ(query()->currentText(), QStringLiteral("draft"));
    EXPECT_TRUE(first->searchButton()->isEnabled());
    EXPECT_EQ(opened.count(), 0);
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
