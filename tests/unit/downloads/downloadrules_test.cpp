#include "base/downloadlist.h"
#include "downloads/downloadrules.h"
#include "support/isolation.h"
#include <QSet>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(DownloadRules, ServerNamesStayInTheFolderAndShowWhatTheyAre) {
    // clang-format off
    const std::pair<QString, QString> cases[] = {
        {"report.bin", "report.bin"}, {"../../evil.bin", "evil.bin"}, {"x/y\\z.bin", "z.bin"},
        {"/etc/passwd", "passwd"}, {".bashrc", "bashrc"}, {". ..hidden", "hidden"},
        {"..", "download"}, {"", "download"}, {"a\nb\x01\x7f.txt", "ab.txt"},
        {"invoice\u202Egpj.exe", "invoicegpj.exe"}, {"  spaced name.pdf  ", "spaced name.pdf"},
        {"r\u00e9sum\u00e9.pdf", "r\u00e9sum\u00e9.pdf"}};
    // clang-format on
    for (const auto& [proposed, safe] : cases)
        EXPECT_EQ(safeFileName(proposed), safe) << proposed;
}

TEST(DownloadRules, LongNamesAreCutBetweenCharactersKeepingTheExtension) {
    for (const QString& name :
         QStringList{QString(300, QChar(0xe9)) + ".pdf", QString(400, 'a'),
                     QString::fromUtf8("\xf0\x9f\x98\x80").repeated(100) + ".txt"}) {
        for (const int limit : {255, 239}) {
            const QString safe = safeFileName(name, limit);
            EXPECT_LE(safe.toUtf8().size(), limit);
            EXPECT_GE(safe.toUtf8().size(), limit - 3) << "cut no more than one character";
            EXPECT_FALSE(safe.contains(QChar::ReplacementCharacter));
            EXPECT_EQ(QString::fromUtf8(safe.toUtf8()), safe) << "whole characters";
            EXPECT_EQ(safe.right(4), name.right(4));
        }
    }
}

TEST(DownloadRules, TakenNamesGetTheFirstFreeNumberBeforeTheExtension) {
    const std::tuple<QString, QSet<QString>, QString> cases[] = {
        {"report.bin", {}, "report.bin"},
        {"report.bin", {"report.bin"}, "report (1).bin"},
        {"report.bin", {"report.bin", "report (1).bin"}, "report (2).bin"},
        {"data.tar.gz", {"data.tar.gz"}, "data (1).tar.gz"},
        {"README", {"README"}, "README (1)"},
        {"v1.2 notes", {"v1.2 notes"}, "v1.2 notes (1)"}};
    for (const auto& [name, taken, unique] : cases)
        EXPECT_EQ(uniqueFileName(name, [&](const QString& n) { return taken.contains(n); }),
                  unique);
    const QString full = QString(251, 'a') + ".bin";
    const QString numbered = uniqueFileName(full, [&](const QString& n) { return n == full; });
    EXPECT_EQ(numbered.toUtf8().size(), 255);
    EXPECT_TRUE(numbered.endsWith(" (1).bin"));
}

TEST(DownloadRules, TimeLeftProgressAndTheStatusText) {
    const qint64 bytes[] = {5000, 5001, 61'000, qint64(7500) * 1000, -1, 5000};
    const QStringList left = {"5 s left", "6 s left", "2 min left", "2 h 5 min left", "", ""};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(timeLeftText(bytes[i], i < 5 ? 1000 : 0), left[i]) << bytes[i];
    EXPECT_EQ(percentDone(50, 200), 25);
    EXPECT_EQ(percentDone(300, 200), 100);
    EXPECT_EQ(percentDone(5, -1), -1);
    EXPECT_EQ(runningDownloadsText({}), "");
    EXPECT_EQ(runningDownloadsText({{50, 100}, {150, 300}}), "Downloads running: 2 (50%)");
    EXPECT_EQ(runningDownloadsText({{50, 100}, {2048, -1}}),
              "Downloads running: 2 (" + sizeText(2098) + ")");
}

TEST(DownloadRules, SpeedCountsTheLastSecondsOnly) {
    TransferRate rate;
    rate.note(0, 0);
    EXPECT_EQ(rate.bytesPerSecond(), 0);
    rate.note(1000, 1000);
    rate.note(2000, 3000);
    EXPECT_EQ(rate.bytesPerSecond(), 1500);
    rate.note(6000, 3000);
    EXPECT_EQ(rate.bytesPerSecond(), 0) << "nothing came in the last three seconds";
    rate.note(7000, 500); // started again
    rate.note(8000, 2500);
    EXPECT_EQ(rate.bytesPerSecond(), 2000);
}

using Outcome = DownloadRecord::Outcome;

DownloadRecord record(int i, Outcome outcome = Outcome::Completed) {
    const QString n = QString::number(i);
    return {"http://127.0.0.1/f?" + n,
            "/d/f" + n + ".bin",
            outcome,
            i,
            QDateTime::fromMSecsSinceEpoch(1'700'000'000'000 + i, Qt::UTC),
            QString()};
}

struct DownloadList : ::testing::Test {
    QTemporaryDir dir;
    const QString path = dir.filePath("Kelvane/downloads.kvn");
};

TEST_F(DownloadList, EveryFieldComesBackAsWritten) {
    EXPECT_TRUE(readDownloadList(path).isEmpty());
    QList<DownloadRecord> records = {record(1), record(2, Outcome::Failed),
                                     record(3, Outcome::Cancelled)};
    records[0].path = QString::fromUtf8("/home/u/r\u00e9sum\u00e9 100%25 #1.pdf");
    records[0].url = QStringLiteral("https://example.com/a%20b?x=%25");
    records[1].reason = QStringLiteral("the disk is full");
    records[2].bytes = -1;
    ASSERT_TRUE(writeDownloadList(records, path));
    EXPECT_EQ(test::readFile(path).count('\n'), 4) << "a heading and one line each";
    EXPECT_EQ(readDownloadList(path), records);
}

TEST_F(DownloadList, KeepsTheLatestHundred) {
    QList<DownloadRecord> records;
    QByteArray longFile = "Kelvane downloads 1\n";
    for (int i = 0; i < 150; ++i) {
        records.append(record(i));
        longFile += "completed\t1\t2\thttp://a/" + QByteArray::number(i) + "\t/d/x\t\n";
    }
    ASSERT_TRUE(writeDownloadList(records, path));
    EXPECT_EQ(test::readFile(path).count('\n'), 101);
    EXPECT_EQ(readDownloadList(path), records.mid(50));
    ASSERT_TRUE(test::writeFile(path, longFile));
    EXPECT_EQ(readDownloadList(path).size(), 100);
    EXPECT_EQ(readDownloadList(path).value(0).url, "http://a/50");
}

TEST_F(DownloadList, ADamagedFileLosesOnlyItsDamagedLines) {
    ASSERT_TRUE(writeDownloadList({record(1)}, path));
    const QByteArray good = test::readFile(path).split('\n').value(1);
    const QByteArray damaged[] = {
        "completed\t1\t2\thttp://a/\t/d/x",             // a field short
        "finished\t1\t2\thttp://a/\t/d/x\t",            // no such outcome
        "completed\tmany\t2\thttp://a/\t/d/x\t",        // size
        "completed\t1\t-5\thttp://a/\t/d/x\t",          // time
        "completed\t1\t2\thttp://a/%0D%0Aevil\t/d/x\t", // control characters in the address
        "completed\t1\t2\t\t/d/x\t",                    // no address
        "completed\t1\t2\thttp://a/\trelative/x\t",     // path not absolute
        "completed\t1\t2\thttp://a/\t/d/x%\t",          // a cut escape
        "completed\t1\t2\thttp://a/\t/d/x%ZZ\t",        // not an escape
        "completed\t1\t2\thttp://a/\t/d/\xff\xfe\t",    // not UTF-8
        "completed\t1\t2\thttp://a/\t/d/x%01\t",        // a control character in the path
        QByteArray(70'000, 'x'),
    };
    QByteArray bytes = "Kelvane downloads 1\r\n" + good + "\r\n";
    for (const QByteArray& line : damaged)
        bytes += line + '\n';
    ASSERT_TRUE(test::writeFile(path, bytes + good + "\n\0\0garbage"));
    EXPECT_EQ(readDownloadList(path), (QList{record(1), record(1)}));
}

} // namespace
