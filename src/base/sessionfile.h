#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace kelvane {

// One document as it is kept beyond its window: its address, its title and its engine's back
// and forward list in the engine's own form.
struct SavedPage {
    QString url;
    QString title;
    QByteArray history;
    friend bool operator==(const SavedPage&, const SavedPage&) = default;
};

// The session file beside the settings ("session.kvs"): the saved documents' histories, in the
// order of the "Document"+i keys, which stay the list of record. A binary file with a mark, a
// format number and a checksum over its content, written whole or not at all.
class SessionFile {
public:
    // Larger files are not read: no sound session comes near it.
    static constexpr qint64 kMaxBytes = 256 * 1024 * 1024;

    // configFolder()/session.kvs
    static QString defaultPath();

    static bool write(const QString& path, const QList<SavedPage>& pages);
    // The pages; none when the file is missing (*error stays empty) or damaged (*error says
    // how).
    static std::optional<QList<SavedPage>> read(const QString& path, QString* error = nullptr);
};

} // namespace kelvane
