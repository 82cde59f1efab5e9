#include "base/sessionfile.h"
#include "support/isolation.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(SessionFile, ReadsBackWhatItWroteAndRefusesAnyDamage) {
    test::IsolatedHome home;
    const QString path = SessionFile::defaultPath();
    QString error = "x";
    EXPECT_FALSE(SessionFile::read(path, &error));
    EXPECT_TRUE(error.isEmpty()) << "a missing file is no damage";

    const QList<SavedPage> pages = {{"http://a/", "Ä", QByteArray("\0\1\2", 3)}, {"", "", ""}};
    ASSERT_TRUE(SessionFile::write(path, pages));
    EXPECT_FALSE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther));
    const auto read = SessionFile::read(path, &error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(*read, pages);

    const QByteArray whole = test::readFile(path);
    QByteArray flipped = whole;
    const qsizetype url = whole.indexOf(QByteArray("\0h\0t", 4)) + 1; // its form stays sound
    flipped[url] = flipped[url] ^ 1;
    for (const QByteArray& damaged : QList<QByteArray>{
             whole.left(whole.size() - 1), flipped, whole + "x", QByteArray(),
             "KVSX" + whole.mid(4), QByteArray(whole).replace(4, 2, QByteArray("\0\2", 2))}) {
        ASSERT_TRUE(test::writeFile(path, damaged));
        error.clear();
        EXPECT_FALSE(SessionFile::read(path, &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
