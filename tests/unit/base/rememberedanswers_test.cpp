#include "base/passwordhash.h"
#include "base/rememberedanswers.h"
#include "support/isolation.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(RememberedAnswers, OnlyWellFormedLinesAreReadAndTheFileIsWrittenWholeAndSorted) {
    test::IsolatedHome home;
    RememberedAnswers answers;
    EXPECT_TRUE(answers.path().startsWith(home.dataHome()));
    ASSERT_TRUE(test::writeFile(
        answers.path(), "https://b.test location block\r\nhttps://a.test notifications block\n"
                        "https://a.test notifications allow\n" // the later counts
                        "mailto: open-outside allow\nhttps://c.test camera maybe\n"
                        "https://c.test Camera allow\nhttps://c.test camera allow extra\n"
                        "https://c.test\tcamera allow\nhttps://c.test/\x01 camera allow\n"
                        "\xff\xfe camera allow\njust-one-field\n\n"));
    answers.load();
    const QList<RememberedAnswer> expected = {{"https://a.test", "notifications", true},
                                              {"https://b.test", "location", false},
                                              {"mailto:", "open-outside", true}};
    EXPECT_EQ(answers.entries(), expected);
    EXPECT_EQ(answers.answer("https://b.test", "location"), std::optional(false));
    EXPECT_EQ(answers.answer("https://b.test", "camera"), std::nullopt);
    // What the file could not hold back is never taken.
    for (const auto& [site, kind] : {std::pair{"https://x .test", "camera"},
                                     {"", "camera"},
                                     {"https://x.test\n", "camera"},
                                     {"https://x.test", "camera allow"},
                                     {"https://x.test", ""}})
        EXPECT_FALSE(answers.remember(site, kind, true)) << site << kind;
    answers.forget("https://b.test", "location");
    ASSERT_TRUE(answers.save());
    EXPECT_EQ(QString(test::readFile(answers.path())),
              "https://a.test notifications allow\nmailto: open-outside allow\n");
    // A file that cannot be written is refused, not half written.
    RememberedAnswers unwritable(home.root() + "/a-file/under/a-file.txt");
    ASSERT_TRUE(test::writeFile(home.root() + "/a-file", "x"));
    EXPECT_FALSE(unwritable.save());
}

TEST(PasswordHash, StoredFormNeverHoldsThePasswordAndOnlyTheExactPasswordMatches) {
    const QString stored = hashPassword(QStringLiteral("Secret1"));
    EXPECT_TRUE(isHashedPassword(stored));
    EXPECT_FALSE(stored.contains(QLatin1String("Secret1")));
    EXPECT_NE(hashPassword(QStringLiteral("Secret1")), stored) << "a new salt each time";
    EXPECT_TRUE(passwordMatches(QStringLiteral("Secret1"), stored));
    for (const char* wrong : {"secret1", "SECRET1", "Secret", "Secret1 ", ""})
        EXPECT_FALSE(passwordMatches(QLatin1String(wrong), stored)) << wrong;
    EXPECT_EQ(hashPassword(QString()), QString()) << "no password stays none";
    // A stored hash one bit away from the right one's is another password's.
    QStringList parts = stored.split('$');
    const QByteArray hash = QByteArray::fromBase64(parts[3].toLatin1());
    for (const int at : {0, 15, 31}) {
        QByteArray near = hash;
        near[at] = char(near[at] ^ 1);
        parts[3] = QString::fromLatin1(near.toBase64());
        EXPECT_FALSE(passwordMatches(QStringLiteral("Secret1"), parts.join('$'))) << at;
    }
}

TEST(PasswordHash, OlderPlainPasswordStillWorksAndIsHashedOnItsWayOut) {
    const QString plain = QStringLiteral("Old Pass");
    EXPECT_TRUE(passwordMatches(plain, plain) && !passwordMatches("old pass", plain));
    const QString written = storedPasswordForm(plain);
    EXPECT_TRUE(isHashedPassword(written));
    EXPECT_TRUE(passwordMatches(plain, written));
    EXPECT_EQ(storedPasswordForm(written), written) << "a hash is written as it is";
    // A damaged hash never locks the user out: it compares as text.
    const QString damaged = QStringLiteral("pbkdf2-sha256$x$y");
    EXPECT_TRUE(passwordMatches(damaged, damaged));
}

} // namespace
