// The Quick Notes pane with its notes file in the isolated data folder.
#include "base/appsettings.h"
#include "notes/notespane.h"
#include "support/isolation.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
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

} // namespace
