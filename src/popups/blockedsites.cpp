#include "popups/blockedsites.h"

#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cstdio>

namespace kelvane {

QString blockedSitesPath() {
    return dataFolder() + QStringLiteral("/blacklist.kvn");
}

QStringList BlockedSitesFile::load() {
    QFile file(m_path);
    if (!file.exists())
        return {};
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    m_unread = !file.isOpen() || file.error() != QFileDevice::NoError;
    if (m_unread) {
        std::fprintf(stderr,
                     "kelvane: the blocked-sites list %s was not read (%s); it is left "
                     "unchanged and this session's list is not written to it\n",
                     qUtf8Printable(m_path), qUtf8Printable(file.errorString()));
        return {};
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);

    QStringList entries;
    // Byte-order marks at the start are no part of the first entry (the decoder takes the
    // first; an editor that added its own mark before ours leaves more).
    qsizetype start = 0;
    while (start < text.size() && text[start] == QChar::ByteOrderMark)
        ++start;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        entries.append(text.mid(start, end - start));
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() &&
            text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return entries;
}

bool BlockedSitesFile::save(const QStringList& entries) const {
    const QString folder = QFileInfo(m_path).absolutePath();
    if (m_unread || (!QFileInfo::exists(folder) && !makePrivateFolder(folder)))
        return false;
    QSaveFile file(m_path);
    if (!openPrivate(file))
        return false;
    QByteArray bytes;
    for (const QString& entry : entries) {
        bytes += entry.toUtf8();
        bytes += "\r\n";
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

qsizetype findBlockedEntry(const QStringList& entries, const QString& address) {
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString& entry = entries[i];
        if (!entry.isEmpty() && address.contains(entry, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

} // namespace kelvane
