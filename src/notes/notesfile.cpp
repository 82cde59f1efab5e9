#include "notes/notesfile.h"

#include "notes/notesformat.h"
#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace kelvane {

QString NotesFile::defaultPath() {
    return dataFolder() + QLatin1Char('/') + QLatin1String(kNotesFileName);
}

NotesFile::NotesFile(QString path)
    : m_path(std::move(path)) {}

QString NotesFile::read() {
    m_leaveAlone = false;
    QFile file(m_path);
    if (!file.exists())
        return {};
    QString problem;
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
    } else if (file.size() > kMaxBytes) {
        problem = QStringLiteral("larger than %1 MB").arg(kMaxBytes / (1024 * 1024));
    } else {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return notesTextFromFile(bytes);
        problem = file.errorString();
    }
    m_leaveAlone = true;
    report(QStringLiteral("the notes file %1 was not read (%2); it is left unchanged and "
                          "this session's notes are not written to it")
               .arg(m_path, problem));
    return {};
}

bool NotesFile::write(const QStringList& lines) {
    if (m_leaveAlone)
        return false;
    QString problem;
    makePrivateFolder(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        problem = file.errorString();
    } else {
        const QByteArray bytes = notesFileFromLines(lines);
        if (file.write(bytes) != bytes.size() || !file.commit())
            problem = file.errorString();
    }
    if (problem.isEmpty()) {
        m_reported = false;
        return true;
    }
    report(QStringLiteral("could not write the notes file %1: %2").arg(m_path, problem));
    return false;
}

void NotesFile::report(const QString& message) {
    if (m_reported)
        return;
    m_reported = true;
    std::fprintf(stderr, "kelvane: %s\n", qUtf8Printable(message));
}

} // namespace kelvane
