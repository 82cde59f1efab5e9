#include "notes/notesfile.h"

#include "notes/notesformat.h"
#include "platform/paths.h"

#include <QDate>
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
    m_sidePath.clear();
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
    const QString side = QFileInfo(m_path).absolutePath() + QStringLiteral("/notes-") +
                         QDate::currentDate().toString(Qt::ISODate);
    m_sidePath = side + QStringLiteral(".kvn");
    for (int n = 2; QFileInfo::exists(m_sidePath); ++n)
        m_sidePath = side + QStringLiteral("-%1.kvn").arg(n);
    report(QStringLiteral("the notes file %1 was not read (%2); it is left unchanged and "
                          "this session's notes go to %3")
               .arg(m_path, problem, m_sidePath));
    return {};
}

bool NotesFile::write(const QStringList& lines) {
    const QString path = m_sidePath.isEmpty() ? m_path : m_sidePath;
    const QByteArray bytes = notesFileFromLines(lines);
    if (!m_sidePath.isEmpty() && bytes.isEmpty() && !QFileInfo::exists(path))
        return true;
    QString problem;
    makePrivateFolder(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!openPrivate(file))
        problem = file.errorString();
    else if (file.write(bytes) != bytes.size() || !file.commit())
        problem = file.errorString();
    if (problem.isEmpty()) {
        m_reported = false;
        return true;
    }
    report(QStringLiteral("could not write the notes file %1: %2").arg(path, problem));
    return false;
}

void NotesFile::report(const QString& message) {
    if (m_reported)
        return;
    m_reported = true;
    std::fprintf(stderr, "kelvane: %s\n", qUtf8Printable(message));
}

} // namespace kelvane
