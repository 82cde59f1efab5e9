#include "favorites/favoritesstore.h"

#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kelvane {

namespace {

// A file name holds 255 bytes; ".url" takes four.
constexpr qsizetype kMaxNameBytes = 251;

bool unfitForFileName(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return true;
    switch (c) {
    case U'/':
    case U'\\':
    case U':':
    case U'*':
    case U'?':
    case U'"':
    case U'<':
    case U'>':
    case U'|':
        return true;
    default:
        return false;
    }
}

bool blankOrDot(QChar c) {
    return c.isSpace() || c == u'.';
}

QString trimBlanksAndDots(QString name) {
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && blankOrDot(name[begin]))
        ++begin;
    while (end > begin && blankOrDot(name[end - 1]))
        --end;
    return name.mid(begin, end - begin);
}

// Whether fileName is taken in folder: by any entry of that name (a broken link too) or, for a
// shortcut, by the same favorite with its extension in another case.
bool isTaken(const QString& folder, const QString& fileName) {
    const QString path = QDir(folder).filePath(fileName);
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink())
        return true;
    const QString name = favoriteNameOf(fileName);
    return !name.isEmpty() && !existingShortcut(folder, name).isEmpty();
}

void report(StoreError* error, StoreError value) {
    if (error)
        *error = value;
}

} // namespace

QString favoritesFolder() {
    const QString folder = dataFolder() + QStringLiteral("/Favorites");
    return makePrivateFolder(folder) ? folder : QString();
}

QString favoriteFileName(const QString& title) {
    QString name;
    name.reserve(title.size());
    qsizetype bytes = 0;
    for (const char32_t c : title.toUcs4()) {
        const char32_t kept = unfitForFileName(c) ? U'_' : c;
        bytes += kept < 0x80 ? 1 : kept < 0x800 ? 2 : kept < 0x10000 ? 3 : 4;
        if (bytes > kMaxNameBytes)
            break;
        name += QString::fromUcs4(&kept, 1);
    }
    return trimBlanksAndDots(name);
}

QString favoriteNameOf(const QString& fileName) {
    if (fileName.size() <= 4 || !fileName.endsWith(QLatin1String(".url"), Qt::CaseInsensitive))
        return {};
    return fileName.left(fileName.size() - 4);
}

QString existingShortcut(const QString& folder, const QString& name) {
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(name + QStringLiteral(".url"))).isFile())
        return dir.filePath(name + QStringLiteral(".url"));
    // Compared by hand: a name filter would read "[" in the name as a pattern.
    const QStringList candidates = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& candidate : candidates) {
        if (favoriteNameOf(candidate) == name)
            return dir.filePath(candidate);
    }
    return {};
}

QString displayedAddress(const QString& url) {
    QString shown = url;
    return shown.replace(QLatin1String("%20"), QLatin1String(" "));
}

QString renameFavorite(const QString& path, const QString& newName, StoreError* error) {
    const QFileInfo info(path);
    QString name = favoriteFileName(newName);
    const bool shortcut = !info.isDir() && !favoriteNameOf(info.fileName()).isEmpty();
    if (shortcut && !favoriteNameOf(name).isEmpty())
        name = trimBlanksAndDots(favoriteNameOf(name)); // the user typed the extension
    if (name.isEmpty()) {
        report(error, StoreError::BadName);
        return {};
    }
    if (shortcut)
        name += info.fileName().right(4);
    const QString target = info.dir().filePath(name);
    if (target == info.filePath()) {
        report(error, StoreError::None);
        return target;
    }
    if (isTaken(info.path(), name)) {
        report(error, StoreError::Exists);
        return {};
    }
    if (!QDir().rename(info.filePath(), target)) {
        report(error, StoreError::Failed);
        return {};
    }
    report(error, StoreError::None);
    return target;
}

QString moveFavorite(const QString& path, const QString& folder, StoreError* error) {
    const QFileInfo info(path);
    const QString from = info.absoluteFilePath();
    const QString into = QDir(folder).absolutePath();
    if (into == info.absolutePath()) {
        report(error, StoreError::None);
        return path;
    }
    if (info.isDir() && !info.isSymLink() &&
        (into == from || into.startsWith(from + QLatin1Char('/')))) {
        report(error, StoreError::BadName);
        return {};
    }
    const QString target = QDir(into).filePath(info.fileName());
    if (isTaken(into, info.fileName())) {
        report(error, StoreError::Exists);
        return {};
    }
    if (!QDir().rename(from, target)) {
        report(error, StoreError::Failed);
        return {};
    }
    report(error, StoreError::None);
    return target;
}

bool removeFavorite(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

QString createFavoritesFolder(const QString& parent, const QString& name, StoreError* error) {
    const QString folderName = favoriteFileName(name);
    if (folderName.isEmpty()) {
        report(error, StoreError::BadName);
        return {};
    }
    const QString target = QDir(parent).filePath(folderName);
    if (isTaken(parent, folderName)) {
        report(error, StoreError::Exists);
        return {};
    }
    if (!QDir(parent).mkdir(folderName)) {
        report(error, StoreError::Failed);
        return {};
    }
    report(error, StoreError::None);
    return target;
}

} // namespace kelvane
