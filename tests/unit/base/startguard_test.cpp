#include "base/startguard.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

// Each start: its documents (one letter an address), "?" when it must ask, then how it ended:
// "!" killed, "." closed cleanly.
TEST(StartGuard, AsksAfterTwoUncleanStartsWithTheSameDocuments) {
    const std::pair<const char*, const char*> cases[] = {
        {"asks until a clean close", "A! A! A?! A?. A. A!"},
        {"other documents count afresh", "A! A! B! A! A! A?."},
        {"a clean close in between", "A! A. A! A!"},
        {"another order is other documents", "AB! AB! BA! BA! BA?."},
    };
    for (const auto& [name, starts] : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("starts.kvn"));
        for (const QString& start : QString(starts).split(u' ')) {
            QStringList documents;
            for (const QChar letter : start.chopped(start.contains(u'?') ? 2 : 1))
                documents << QStringLiteral("http://%1/").arg(letter);
            StartGuard guard(path);
            EXPECT_EQ(guard.beginRestore(documents), start.contains(u'?'))
                << name << ' ' << qPrintable(start);
            if (start.endsWith(u'.'))
                guard.closedCleanly();
        }
    }
}

TEST(StartGuard, ARecordThatIsNotOneCountsNothing) {
    const QByteArray digest = documentsDigest({QStringLiteral("a")});
    for (const char* text : {"", "2", "2\n\n", "x\n", "-3\n", "99999\n"}) {
        const QByteArray record = QByteArray(text) + (*text ? digest : QByteArray());
        EXPECT_EQ(parseUncleanStarts(record).count, 0) << text;
    }
    EXPECT_EQ(parseUncleanStarts(QByteArray("2\r\n") + digest).documents, digest);
}

} // namespace
