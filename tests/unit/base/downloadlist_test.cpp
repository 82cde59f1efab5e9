#include "base/downloadlist.h"
#include "support/isolation.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

using Outcome = DownloadRecord::Outcome;

DownloadRecord record(int i, Outcome outcome = Outcome::Completed) {
    const QString n = QString::number(i);
    return {"http://127.0.0.1/f?" + n,
            "/d/f" + n + ".bin",
            outcome,
            i,
            QDateTime::fromMSecsSinceEpoch(1'700'000'000'000 + i, Qt::UTC),
            {}};
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
