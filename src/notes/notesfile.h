#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// The notes file in the data folder, read at start and written whole (or not at all) after
// changes and at close. Failures go to stderr once, never to the user's notes: a file that
// exists but cannot be read is never replaced, so notes stored there are not lost to an empty
// box.
class NotesFile {
public:
    // Larger files are not taken into the notes box (it would stall the window); they are left
    // as they are.
    static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

    // dataFolder()/notes.kvn
    static QString defaultPath();

    explicit NotesFile(QString path = defaultPath());

    QString path() const { return m_path; }

    // The text the file adds to the notes box; empty when the file is missing, unreadable or
    // too large.
    QString read();
    // Writes the paragraphs of the notes box whole, replacing the file in one step. False when
    // nothing was written: the write failed, or the file is one read() could not take.
    bool write(const QStringList& lines);

private:
    void report(const QString& message);

    QString m_path;
    // Set by read() for a file that exists but was not read.
    bool m_leaveAlone = false;
    // One message per run of failures; a successful write ends the run.
    bool m_reported = false;
};

} // namespace kelvane
