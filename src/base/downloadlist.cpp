#include "base/downloadlist.h"

#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <optional>

namespace kelvane {

namespace {

const QByteArray kHeading = "Kelvane downloads 1";
// Far beyond what the program writes: a larger file is not its own, and is read no further.
constexpr qint64 kMaxFileBytes = 4 << 20;
constexpr qsizetype kMaxLineBytes = 64 << 10;

const char* const kOutcomes[] = {"completed", "failed", "cancelled"};

bool hasControl(const QString& text) {
    return std::ranges::any_of(text, [](QChar c) { return c.category() == QChar::Other_Control; });
}

QByteArray encodeField(const QString& text) {
    QByteArray out;
    for (const char c : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '%')
            out += '%' + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        else
            out += c;
    }
    return out;
}

std::optional<QString> decodeField(const QByteArray& field) {
    QByteArray bytes;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '%') {
            bytes += field[i];
            continue;
        }
        const QByteArray hex = field.mid(i + 1, 2);
        if (hex.size() != 2 || !std::isxdigit(hex[0]) || !std::isxdigit(hex[1]))
            return std::nullopt;
        bytes += char(hex.toInt(nullptr, 16));
        i += 2;
    }
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        return std::nullopt; // not UTF-8
    return text;
}

std::optional<DownloadRecord> parseRecord(QByteArrayView line) {
    const QList<QByteArray> fields = line.toByteArray().split('\t');
    if (fields.size() != 6 || line.size() > kMaxLineBytes)
        return std::nullopt;
    DownloadRecord record;
    const auto outcome =
        std::ranges::find_if(kOutcomes, [&](const char* name) { return fields[0] == name; });
    if (outcome == std::end(kOutcomes))
        return std::nullopt;
    record.outcome = DownloadRecord::Outcome(outcome - std::begin(kOutcomes));
    bool bytesOk = false, timeOk = false;
    record.bytes = fields[1].toLongLong(&bytesOk);
    const qint64 ms = fields[2].toLongLong(&timeOk);
    const auto url = decodeField(fields[3]);
    const auto path = decodeField(fields[4]);
    const auto reason = decodeField(fields[5]);
    if (!bytesOk || record.bytes < -1 || !timeOk || ms < 0 || !url || !path || !reason)
        return std::nullopt;
    // What the list shows and offers to fetch again must not carry hidden characters.
    if (url->isEmpty() || hasControl(*url) || !QUrl(*url, QUrl::StrictMode).isValid() ||
        !QDir::isAbsolutePath(*path) || hasControl(*path) || hasControl(*reason))
        return std::nullopt;
    record.url = *url;
    record.path = QDir::cleanPath(*path);
    record.finished = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
    record.reason = *reason;
    return record;
}

} // namespace

QString downloadListPath() {
    return dataFolder() + QStringLiteral("/downloads.kvn");
}

QList<DownloadRecord> readDownloadList(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(kMaxFileBytes);
    QList<DownloadRecord> records;
    for (const QByteArray& line : bytes.split('\n')) {
        if (const auto record = parseRecord(line.endsWith('\r') ? line.chopped(1) : line))
            records.append(*record);
    }
    if (records.size() > kDownloadListSize)
        records.remove(0, records.size() - kDownloadListSize);
    return records;
}

bool writeDownloadList(const QList<DownloadRecord>& records, const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder) && !makePrivateFolder(folder))
        return false;
    QByteArray bytes = kHeading + '\n';
    for (qsizetype i = qMax(0, records.size() - kDownloadListSize); i < records.size(); ++i) {
        const DownloadRecord& r = records[i];
        bytes += kOutcomes[int(r.outcome)] + QByteArray("\t") + QByteArray::number(r.bytes) + '\t' +
                 QByteArray::number(qMax<qint64>(0, r.finished.toMSecsSinceEpoch())) + '\t' +
                 encodeField(r.url) + '\t' + encodeField(r.path) + '\t' + encodeField(r.reason) +
                 '\n';
    }
    QSaveFile file(path);
    if (!openPrivate(file) || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace kelvane
