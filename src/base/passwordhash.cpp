#include "base/passwordhash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace kelvane {

namespace {

constexpr char kMark[] = "pbkdf2-sha256";
// Slow enough to make guessing costly, quick enough for a prompt the user waits on.
constexpr int kIterations = 60000;
constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;

QByteArray derive(const QString& password, const QByteArray& salt, int iterations) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              iterations, kHashBytes);
}

struct Parsed {
    int iterations = 0;
    QByteArray salt;
    QByteArray hash;
};

bool parse(const QString& stored, Parsed* out) {
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != QLatin1String(kMark))
        return false;
    bool ok = false;
    out->iterations = parts[1].toInt(&ok);
    out->salt = QByteArray::fromBase64(parts[2].toLatin1());
    out->hash = QByteArray::fromBase64(parts[3].toLatin1());
    return ok && out->iterations > 0 && !out->salt.isEmpty() && out->hash.size() == kHashBytes;
}

// Takes as long whichever byte differs first.
bool sameBytes(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= char(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

QString hashPassword(const QString& password) {
    if (password.isEmpty())
        return {};
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                          kSaltBytes / int(sizeof(quint32)));
    return QStringLiteral("%1$%2$%3$%4")
        .arg(QLatin1String(kMark))
        .arg(kIterations)
        .arg(QString::fromLatin1(salt.toBase64()),
             QString::fromLatin1(derive(password, salt, kIterations).toBase64()));
}

bool isHashedPassword(const QString& stored) {
    Parsed parsed;
    return parse(stored, &parsed);
}

bool passwordMatches(const QString& typed, const QString& stored) {
    Parsed parsed;
    // A damaged hash is compared as text, like an older password: the user is never locked
    // out of the window by a stored value no typed text could match.
    if (!parse(stored, &parsed))
        return typed == stored;
    return sameBytes(derive(typed, parsed.salt, parsed.iterations), parsed.hash);
}

QString storedPasswordForm(const QString& stored) {
    return isHashedPassword(stored) ? stored : hashPassword(stored);
}

} // namespace kelvane
