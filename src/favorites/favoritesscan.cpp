#include "favorites/favoritesscan.h"

#include "base/shortcutfile.h"
#include "favorites/favoritesstore.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace kelvane {

namespace {

QString withSlash(const QString& path) {
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QByteArray quoted(const QString& text) {
    QByteArray field = text.toUtf8();
    field.replace('"', "\"\"");
    return '"' + field + '"';
}

} // namespace

FavoritesScan::FavoritesScan(const QString& rootFolder, const QString& rootText)
    : m_root(rootFolder)
    , m_rootText(rootText) {}

bool FavoritesScan::run(const Pace& pace) {
    m_nodes.clear();
    m_entries.clear();
    m_walking.clear();
    return scanFolder(withSlash(m_root), QString(), QString(), pace);
}

bool FavoritesScan::scanFolder(const QString& path, const QString& parentKey, const QString& name,
                               const Pace& pace) {
    const QString key = path + name;
    m_nodes.append({parentKey, key, name.isEmpty() ? m_rootText : name});
    if (pace && !pace())
        return false;

    // No favorites folder: its node alone, never the file system's root.
    const QString canonical = QFileInfo(key).canonicalFilePath();
    if (m_root.isEmpty() || canonical.isEmpty() || m_walking.contains(canonical))
        return true;
    m_walking.append(canonical);
    const QFileInfoList items = QDir(key).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                            QDir::Hidden | QDir::System,
                                                        QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& item : items) {
        if (item.isDir()) {
            if (!scanFolder(withSlash(key), key, item.fileName(), pace))
                return false;
            continue;
        }
        if (item.isFile()) {
            const QString entryName = favoriteNameOf(item.fileName());
            if (!entryName.isEmpty())
                m_entries.append({key, entryName, readShortcutUrl(item.filePath())});
        }
        if (pace && !pace())
            return false;
    }
    m_walking.removeLast();
    return true;
}

bool FavoritesScan::writeCache(const QString& filePath) const {
    QByteArray text = QByteArray::number(m_nodes.size()) + "\r\n";
    for (const FavoritesNode& node : m_nodes) {
        text += quoted(node.parentKey.isEmpty() ? QStringLiteral("first") : node.parentKey) + ',' +
                quoted(node.key) + ',' + quoted(node.text) + "\r\n";
    }
    for (const FavoriteEntry& entry : m_entries)
        text += quoted(entry.folder) + ',' + quoted(entry.name) + ',' + quoted(entry.url) + "\r\n";
    QSaveFile file(filePath);
    if (!openPrivate(file))
        return false;
    file.write(text);
    return file.commit();
}

} // namespace kelvane
