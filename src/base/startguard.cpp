#include "base/startguard.h"

#include "platform/paths.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace kelvane {

namespace {

// A record is two short lines; a longer file is not one.
constexpr qint64 kMaxRecordBytes = 256;
// Far beyond any real loop; keeps the count clear of overflow.
constexpr int kMaxCount = 1000;

} // namespace

QString StartGuard::defaultPath() {
    return dataFolder() + QStringLiteral("/starts.kvn");
}

StartGuard::StartGuard(QString path)
    : m_path(std::move(path)) {}

bool StartGuard::beginRestore(const QStringList& documents) {
    UncleanStarts last;
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly) && file.size() <= kMaxRecordBytes)
        last = parseUncleanStarts(file.readAll());
    file.close();

    const QByteArray digest = documentsDigest(documents);
    const int before = last.documents == digest ? last.count : 0;
    // On disk before the first document opens: a crash after that must find it.
    makePrivateFolder(QFileInfo(m_path).absolutePath());
    QSaveFile record(m_path);
    if (openPrivate(record)) {
        record.write(uncleanStartsText({std::min(before + 1, kMaxCount), digest}));
        record.commit();
    }
    return before >= kUncleanStartsBeforeAsking;
}

void StartGuard::closedCleanly() {
    QFile::remove(m_path);
}

UncleanStarts parseUncleanStarts(const QByteArray& text) {
    const QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 2)
        return {};
    bool ok = false;
    const int count = lines[0].trimmed().toInt(&ok);
    const QByteArray digest = lines[1].trimmed();
    if (!ok || count < 0 || count > kMaxCount || digest.isEmpty())
        return {};
    return {count, digest};
}

QByteArray uncleanStartsText(const UncleanStarts& record) {
    return QByteArray::number(record.count) + '\n' + record.documents + '\n';
}

QByteArray documentsDigest(const QStringList& documents) {
    return QCryptographicHash::hash(documents.join(u'\n').toUtf8(), QCryptographicHash::Sha256)
        .toHex();
}

} // namespace kelvane
