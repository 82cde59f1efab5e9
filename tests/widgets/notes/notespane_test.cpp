// The Quick Notes pane with its notes file in the isolated data folder.
#include "base/appsettings.h"
#include "notes/notespane.h"
#include "support/isolation.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
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

TEST_F(NotesPaneTest, AWrappedParagraphIsSavedAsTheLinesTheBoxShows) {
    NotesPane pane;
    pane.resize(pane.width(), 600);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    QPlainTextEdit* box = pane.notesBox();
    QString paragraph;
    for (int i = 0; pane.displayedLines().size() < 3; ++i) {
        paragraph += i % 6 == 5 ? QChar(u' ') : QChar(u'a' + i % 26);
        box->setPlainText(paragraph);
        const QTextBlock block = box->document()->begin();
        box->document()->documentLayout()->blockBoundingRect(block); // laid out by the box
        ASSERT_EQ(block.layout()->lineCount(), pane.displayedLines().size()) << i;
    }

    pane.shrinkNotes(true); // a hidden box saves the same lines
    ASSERT_TRUE(pane.saveNotes());
    EXPECT_EQ(fileBytes().count("\r\n"), 3);
    EXPECT_EQ(QString::fromUtf8(fileBytes()).remove(QLatin1String("\r\n")), paragraph);

    AppSettings larger;
    larger.quickNotesSize = 24;
    larger.quickNotesColor = 0x0000ff; // 0x00BBGGRR
    pane.applyLook(larger);
    EXPECT_GT(pane.displayedLines().size(), 3) << "wrapped again for the new font";
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::red));
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
