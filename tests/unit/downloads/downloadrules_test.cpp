#include "downloads/downloadrules.h"
#include "support/isolation.h"
#include <QSet>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(DownloadRules, ServerNamesStayInTheFolderAndShowWhatTheyAre) {
    const std::pair<QString, QString> cases[] = {{"report.bin", "report.bin"},
                                                 {"../../evil.bin", "evil.bin"},
                                                 {"x/y\\z.bin", "z.bin"},
                                                 {"/etc/passwd", "passwd"},
                                                 {".bashrc", "bashrc"},
                                                 {". ..hidden", "hidden"},
                                                 {"..", "download"},
                                                 {"", "download"},
                                                 {"a\nb\x01\x7f.txt", "ab.txt"},
                                                 {"invoice\u202Egpj.exe", "invoicegpj.exe"},
                                                 {"  spaced name.pdf  ", "spaced name.pdf"},
                                                 {"r\u00e9sum\u00e9.pdf", "r\u00e9sum\u00e9.pdf"}};
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

} // namespace
