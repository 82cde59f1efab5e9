#include "downloads/downloadnames.h"

#include "downloads/downloadrules.h"
#include "platform/engine/engineservices.h"
#include "platform/filemove.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace kelvane {

namespace {

constexpr int kMoveTries = 5;

const QString kPartSuffix = QStringLiteral(".part");
// The engine writes beside the file it was given, under this suffix, until complete.
const QString kEngineSuffix = Download::intermediateSuffix();

} // namespace

bool DownloadNames::isTaken(const QString& path) const {
    const QFileInfo file(path);
    return m_held.contains(file.absoluteFilePath()) || file.exists() || file.isSymLink();
}

QString DownloadNames::freeName(const QString& folder, const QString& name) const {
    const QDir dir(folder);
    return uniqueFileName(
        name,
        [&](const QString& n) {
            return isTaken(dir.filePath(n)) || isTaken(dir.filePath(n + kPartSuffix)) ||
                   isTaken(dir.filePath(n + kPartSuffix + kEngineSuffix));
        },
        kMaxFileNameBytes - kPartNameRoom);
}

DownloadTarget DownloadNames::hold(const QString& folder, const QString& name, bool replace) {
    const QDir dir(folder);
    const QString final = replace ? name : freeName(folder, name);
    const QString part = uniqueFileName(final + kPartSuffix, [&](const QString& n) {
        return isTaken(dir.filePath(n)) || isTaken(dir.filePath(n + kEngineSuffix));
    });
    DownloadTarget target{dir.absoluteFilePath(final), dir.absoluteFilePath(part), name, replace};
    m_held << target.finalPath << target.partPath << target.partPath + kEngineSuffix;
    return target;
}

void DownloadNames::release(const DownloadTarget& target) {
    m_held.remove(target.finalPath);
    m_held.remove(target.partPath);
    m_held.remove(target.partPath + kEngineSuffix);
}

DownloadNames::Move DownloadNames::moveIntoPlace(const DownloadTarget& target) {
    release(target);
    const QString part = target.partPath;
    if (target.replace) {
        // The user chose to replace that file: the one step of rename() does, a link included.
        if (std::rename(QFile::encodeName(part).constData(),
                        QFile::encodeName(target.finalPath).constData()) != 0)
            return {part, errno};
        return {target.finalPath, 0};
    }
    const QDir folder = QFileInfo(target.finalPath).dir();
    QString to = target.finalPath;
    for (int i = 0; i < kMoveTries; ++i) {
        if (!isTaken(to)) {
            const int error = moveWithoutReplacing(part, to);
            if (error != EEXIST)
                return {error ? part : to, error};
        }
        // Taken meanwhile, on disk or by another download: the next free number.
        to = folder.filePath(uniqueFileName(
            target.name, [&](const QString& n) { return isTaken(folder.filePath(n)); }));
    }
    return {part, EEXIST};
}

} // namespace kelvane
