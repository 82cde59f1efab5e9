#include "base/passwordhash.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

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
