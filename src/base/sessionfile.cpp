#include "base/sessionfile.h"

#include "platform/paths.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>

namespace kelvane {

namespace {

constexpr quint32 kMark = 0x4B565353; // "KVSS"
constexpr quint16 kFormat = 1;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_4;

std::optional<QList<SavedPage>> failure(QString* error, const QString& why) {
    if (error)
        *error = why;
    return std::nullopt;
}

} // namespace

QString SessionFile::defaultPath() {
    return configFolder() + QStringLiteral("/session.kvs");
}

bool SessionFile::write(const QString& path, const QList<SavedPage>& pages) {
    QByteArray content;
    {
        QDataStream out(&content, QIODevice::WriteOnly);
        out.setVersion(kStreamVersion);
        out << quint32(pages.size());
        for (const SavedPage& page : pages)
            out << page.url << page.title << page.history;
    }
    QSaveFile file(path);
    if (!makePrivateFolder(configFolder()) || !openPrivate(file))
        return false;
    // Where the user has been is the user's alone.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QDataStream out(&file);
    out.setVersion(kStreamVersion);
    out << kMark << kFormat << content << qChecksum(content);
    return out.status() == QDataStream::Ok && file.commit();
}

std::optional<QList<SavedPage>> SessionFile::read(const QString& path, QString* error) {
    if (error)
        error->clear();
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (file.size() > kMaxBytes)
        return failure(error, QStringLiteral("larger than any session"));
    if (!file.open(QIODevice::ReadOnly))
        return failure(error, file.errorString());
    QDataStream in(&file);
    in.setVersion(kStreamVersion);
    quint32 mark = 0;
    quint16 format = 0;
    QByteArray content;
    quint16 checksum = 0;
    in >> mark >> format;
    if (mark != kMark)
        return failure(error, QStringLiteral("not a session file"));
    if (format != kFormat)
        return failure(error, QStringLiteral("format %1 unknown").arg(format));
    in >> content >> checksum;
    if (in.status() != QDataStream::Ok || !file.atEnd() || checksum != qChecksum(content))
        return failure(error, QStringLiteral("cut short or changed"));

    QDataStream pages(content);
    pages.setVersion(kStreamVersion);
    quint32 count = 0;
    pages >> count;
    QList<SavedPage> result;
    for (quint32 i = 0; i < count && pages.status() == QDataStream::Ok; ++i) {
        SavedPage page;
        pages >> page.url >> page.title >> page.history;
        result.append(page);
    }
    if (pages.status() != QDataStream::Ok || !pages.atEnd())
        return failure(error, QStringLiteral("its list of documents does not add up"));
    return result;
}

} // namespace kelvane
