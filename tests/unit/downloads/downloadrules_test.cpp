#include "downloads/downloadrules.h"
#include "support/isolation.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

bool isWholeUtf8(const QString& text) {
    return !text.contains(QChar::ReplacementCharacter) && QString::fromUtf8(text.toUtf8()) == text;
}

TEST(DownloadRules, ServerNamesStayInTheFolderAndShowWhatTheyAre) {
    const std::pair<QString, QString> cases[] = {
        {"report.bin", "report.bin"},
        {"../../evil.bin", "evil.bin"},
        {"x/y\\z.bin", "z.bin"},
        {"/etc/passwd", "passwd"},
        {".bashrc", "bashrc"},
        {". ..hidden", "hidden"},
        {"..", "download"},
        {"", "download"},
        {"a\nb\x01\x7f.txt", "ab.txt"},
        {QString::fromUtf8("invoice\u202Egpj.exe"), "invoicegpj.exe"},
        {"  spaced name.pdf  ", "spaced name.pdf"},
        {QString::fromUtf8("r\u00e9sum\u00e9.pdf"), QString::fromUtf8("r\u00e9sum\u00e9.pdf")},
    };
    for (const auto& [proposed, safe] : cases)
        EXPECT_EQ(safeFileName(proposed), safe) << proposed;
}

TEST(DownloadRules, LongNamesAreCutBetweenCharactersKeepingTheExtension) {
    const QString twoByte = QString(300, QChar(0xe9)) + ".pdf";
    const QString fourByte = QString::fromUtf8("\xf0\x9f\x98\x80").repeated(100) + ".txt";
    const QString noExtension = QString(400, 'a');
    for (const QString& name : {twoByte, fourByte, noExtension}) {
        for (const int limit : {255, 239}) {
            const QString safe = safeFileName(name, limit);
            EXPECT_LE(safe.toUtf8().size(), limit);
            EXPECT_GE(safe.toUtf8().size(), limit - 3) << "cut no more than one character";
            EXPECT_TRUE(isWholeUtf8(safe));
            EXPECT_EQ(safe.right(4), name.right(4));
        }
    }
}

TEST(DownloadRules, TakenNamesGetTheFirstFreeNumberBeforeTheExtension) {
    struct Case {
        QString name;
        QSet<QString> taken;
        QString unique;
    };
    const Case cases[] = {
        {"report.bin", {}, "report.bin"},
        {"report.bin", {"report.bin"}, "report (1).bin"},
        {"report.bin", {"report.bin", "report (1).bin"}, "report (2).bin"},
        {"data.tar.gz", {"data.tar.gz"}, "data (1).tar.gz"},
        {"README", {"README"}, "README (1)"},
        {"v1.2 notes", {"v1.2 notes"}, "v1.2 notes (1)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(uniqueFileName(c.name, [&](const QString& n) { return c.taken.contains(n); }),
                  c.unique);
    const QString full = QString(251, 'a') + ".bin";
    const QString numbered = uniqueFileName(full, [&](const QString& n) { return n == full; });
    EXPECT_EQ(numbered.toUtf8().size(), 255);
    EXPECT_TRUE(numbered.endsWith(" (1).bin"));
}

TEST(DownloadRules, TimeLeftProgressAndTheStatusText) {
    EXPECT_EQ(timeLeftText(5000, 1000), "5 s left");
    EXPECT_EQ(timeLeftText(5001, 1000), "6 s left");
    EXPECT_EQ(timeLeftText(61'000, 1000), "2 min left");
    EXPECT_EQ(timeLeftText(qint64(7500) * 1000, 1000), "2 h 5 min left");
    EXPECT_EQ(timeLeftText(-1, 1000), "");
    EXPECT_EQ(timeLeftText(5000, 0), "");
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

} // namespace
