#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace kelvane {

// One finished download as the list of earlier downloads keeps it.
struct DownloadRecord {
    enum class Outcome { Completed, Failed, Cancelled };

    QString url;
    QString path; // the file under its final name
    Outcome outcome = Outcome::Completed;
    qint64 bytes = -1; // the size, -1 when the server never said
    QDateTime finished;
    QString reason; // why it failed

    bool operator==(const DownloadRecord&) const = default;
};

// The list keeps this many downloads, the latest.
inline constexpr int kDownloadListSize = 100;

// dataFolder()/downloads.kvn.
QString downloadListPath();

// The records of the file at path, oldest first, at most the last kDownloadListSize. The file
// is UTF-8 text, a heading line and then one record a line, its fields separated by tabs,
// tabs, line ends, control characters and "%" in a field written as "%XX". A line that does
// not read as a record (damaged, cut short, an address with control characters, a path that
// is not absolute) is skipped and the others kept; a missing file gives no records.
QList<DownloadRecord> readDownloadList(const QString& path);

// Writes the last kDownloadListSize records whole or not at all; false when the file could not
// be written, the old one then staying.
bool writeDownloadList(const QList<DownloadRecord>& records, const QString& path);

} // namespace kelvane
