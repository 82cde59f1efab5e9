#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// The notes file in the data folder, read at start and written whole (or not at all) after
// changes and at close. Failures go to stderr once, never to the user's notes: a file that
// exists but cannot be read is never replaced, so notes stored there are not lost to an empty
// box; what is typed meanwhile goes to a side file beside it.
class NotesFile {
public:
    // Larger files are not taken into the notes box (it would stall the window); they are left
    // as they are.
    static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

    // dataFolder()/notes.kvn
    static QString defaultPath();

    explicit NotesFile(QString path = defaultPath());

    QString path() const { return m_path; }
    // After read() found a file it could not take: "notes-<date>.kvn" beside it ("-2", "-3" ...
    // added when that name is taken), where write() puts the notes instead. Empty otherwise.
    QString sidePath() const { return m_sidePath; }

    // The text the file adds to the notes box; empty when the file is missing, unreadable or
    // too large.
    QString read();
    // Writes the paragraphs of the notes box whole, replacing the file (or the side file) in one
    // step. False when the write failed. No side file is made for empty notes.
    bool write(const QStringList& lines);

private:
    void report(const QString& message);

    QString m_path;
    QString m_sidePath;
    // One message per run of failures; a successful write ends the run.
    bool m_reported = false;
};

} // namespace kelvane
