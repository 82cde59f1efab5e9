#include "notes/notesfile.h"
#include "notes/notesformat.h"
#include "support/isolation.h"

#include <QDate>
#include <QFile>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(NotesFormat, AnyLineBreakEndsALineAndEveryLineIsWrittenWhole) {
    EXPECT_EQ(notesTextFromFile("unix\nmac\r\rend"), "unix\nmac\n\nend\n");
    EXPECT_EQ(notesTextFromFile("caf\xe9\r\n"), "café\n"); // from an 8-bit code page
    const QString long100(100, QLatin1Char('x'));
    EXPECT_EQ(notesFileFromLines({long100, "é"}), (long100 + "\r\né\r\n").toUtf8());
}

// What is typed over a file that was not read goes to a file of its own beside it.
TEST(NotesFile, AFileThatWasNotReadIsNeverReplaced) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.kvn"));
    QFile big(path);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(NotesFile::kMaxBytes + 1));
    big.close();

    const QString side = dir.filePath("notes-" + QDate::currentDate().toString(Qt::ISODate));
    for (const QString& expected : QStringList{side + ".kvn", side + "-2.kvn"}) {
        NotesFile notes(path);
        EXPECT_EQ(notes.read(), QString());
        EXPECT_EQ(notes.sidePath(), expected);
        EXPECT_TRUE(notes.write({QString()}) && !QFile::exists(expected)) << "nothing typed";
        EXPECT_TRUE(notes.write({QStringLiteral("typed")}));
        EXPECT_EQ(test::readFile(expected), "typed\r\n");
    }
    EXPECT_EQ(QFile(path).size(), NotesFile::kMaxBytes + 1);
}

TEST(NotesFile, AFailedWriteIsReportedOnceAndNeverCountsAsSaved) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    NotesFile notes(blocker.fileName() + QStringLiteral("/notes.kvn"));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(notes.write({QStringLiteral("a")}));
    EXPECT_FALSE(notes.write({QStringLiteral("a")}));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

} // namespace
