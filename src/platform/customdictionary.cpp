#include "platform/customdictionary.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSaveFile>

namespace kelvane {

namespace {

const QByteArray kChecksumMark = QByteArrayLiteral("checksum_v1 = ");
constexpr qsizetype kMaxWordBytes = 99;

} // namespace

QString customDictionaryPath(const QString& storageFolder) {
    return storageFolder + QStringLiteral("/Custom Dictionary.txt");
}

QStringList customDictionaryWords(const QString& path) {
    QFile file(path);
    QStringList words;
    if (!file.open(QIODevice::ReadOnly))
        return words;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QByteArray word = line.trimmed();
        if (!word.isEmpty() && !word.startsWith(kChecksumMark))
            words.append(QString::fromUtf8(word));
    }
    return words;
}

bool addToCustomDictionary(const QString& path, const QString& word) {
    const QString trimmed = word.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(QLatin1Char('\n')) ||
        trimmed.toUtf8().size() > kMaxWordBytes)
        return false;
    QStringList words = customDictionaryWords(path);
    if (words.contains(trimmed))
        return true;
    words.append(trimmed);
    QByteArray body;
    for (const QString& w : std::as_const(words))
        body += w.toUtf8() + '\n';
    // The checker drops a file whose checksum does not match its words.
    const QByteArray sum = QCryptographicHash::hash(body, QCryptographicHash::Md5).toHex();
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(body + kChecksumMark + sum) > 0 &&
           out.commit();
}

} // namespace kelvane
