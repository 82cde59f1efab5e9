#include "favorites/favoritesfoldertree.h"

#include "base/stringtable.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QStyle>

namespace kelvane {

namespace {

constexpr int kProductNameId = 100;
constexpr int kRootTextId = 2006;
constexpr int kNewFolderNameId = 2028;
constexpr int kFolderNamePromptId = 2029;
constexpr int kExistsId = 2033;
constexpr int kBadNameId = 2034;
constexpr int kFailedId = 2035;
constexpr int kPathRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;

void collectOpenFolders(QTreeWidgetItem* item, QSet<QString>& open) {
    if (item->isExpanded())
        open.insert(item->data(0, kPathRole).toString());
    for (int i = 0; i < item->childCount(); ++i)
        collectOpenFolders(item->child(i), open);
}

void reopenFolders(QTreeWidgetItem* item, const QSet<QString>& open) {
    if (open.contains(item->data(0, kPathRole).toString()))
        item->setExpanded(true);
    for (int i = 0; i < item->childCount(); ++i)
        reopenFolders(item->child(i), open);
}

} // namespace

FavoritesFolderTree::FavoritesFolderTree(const QString& root, Content content, QWidget* parent)
    : QTreeWidget(parent)
    , m_root(QDir::cleanPath(root))
    , m_content(content) {
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Shared by every item, so each picture is made once.
    m_folderIcon =
        QIcon::fromTheme(QStringLiteral("folder"), style()->standardIcon(QStyle::SP_DirIcon));
    m_shortcutIcon = QIcon::fromTheme(QStringLiteral("text-html"),
                                      style()->standardIcon(QStyle::SP_FileLinkIcon));
    reload();
}

void FavoritesFolderTree::reload() {
    const QString current = currentPath();
    QSet<QString> open;
    for (int i = 0; i < topLevelItemCount(); ++i)
        collectOpenFolders(topLevelItem(i), open);

    clear();
    auto* rootItem = new QTreeWidgetItem(this, {tableString(kRootTextId)});
    rootItem->setData(0, kPathRole, m_root);
    rootItem->setData(0, kFolderRole, true);
    rootItem->setIcon(0, m_folderIcon);
    QSet<QString> walked;
    addChildren(rootItem, m_root, walked);
    rootItem->setExpanded(true);
    reopenFolders(rootItem, open);
    if (!selectPath(current))
        setCurrentItem(rootItem);
}

void FavoritesFolderTree::addChildren(QTreeWidgetItem* parent, const QString& folder,
                                      QSet<QString>& walked) {
    // A folder reached again through a link is listed, but not walked again: links back up
    // the tree would otherwise make the walk endless, or exponentially long.
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || walked.contains(canonical))
        return;
    walked.insert(canonical);
    const QDir dir(folder);
    const QDir::Filters shown = m_content == Content::Folders
                                    ? QDir::Dirs | QDir::NoDotAndDotDot
                                    : QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot;
    const QFileInfoList items =
        dir.entryInfoList(shown | QDir::Hidden, QDir::DirsFirst | QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : items) {
        const bool isFolder = info.isDir();
        const QString name = isFolder ? info.fileName() : favoriteNameOf(info.fileName());
        if (name.isEmpty())
            continue;
        auto* item = new QTreeWidgetItem(parent, {name});
        item->setData(0, kPathRole, info.filePath());
        item->setData(0, kFolderRole, isFolder);
        item->setIcon(0, isFolder ? m_folderIcon : m_shortcutIcon);
        if (isFolder)
            addChildren(item, info.filePath(), walked);
    }
}

QString FavoritesFolderTree::currentPath() const {
    const QTreeWidgetItem* item = currentItem();
    return item ? item->data(0, kPathRole).toString() : m_root;
}

bool FavoritesFolderTree::currentIsFolder() const {
    const QTreeWidgetItem* item = currentItem();
    return !item || item->data(0, kFolderRole).toBool();
}

QString FavoritesFolderTree::currentFolder() const {
    return currentIsFolder() ? currentPath() : QFileInfo(currentPath()).path();
}

bool FavoritesFolderTree::selectPath(const QString& path) {
    const QString wanted = QDir::cleanPath(path);
    QTreeWidgetItem* item = topLevelItem(0);
    while (item && item->data(0, kPathRole).toString() != wanted) {
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i) {
            const QString childPath = item->child(i)->data(0, kPathRole).toString();
            if (childPath == wanted || wanted.startsWith(childPath + QLatin1Char('/')))
                next = item->child(i);
        }
        item = next;
    }
    if (!item)
        return false;
    setCurrentItem(item);
    scrollToItem(item);
    return true;
}

void FavoritesFolderTree::createFolderInCurrent() {
    bool confirmed = false;
    const QString name =
        QInputDialog::getText(this, tableString(kProductNameId), tableString(kFolderNamePromptId),
                              QLineEdit::Normal, tableString(kNewFolderNameId), &confirmed);
    if (!confirmed)
        return;
    StoreError error = StoreError::None;
    const QString made = createFavoritesFolder(currentFolder(), name, &error);
    if (made.isEmpty())
        return showStoreError(this, error, name);
    reload();
    selectPath(made);
}

void showStoreError(QWidget* parent, StoreError error, const QString& name) {
    const int message = error == StoreError::Exists    ? kExistsId
                        : error == StoreError::BadName ? kBadNameId
                                                       : kFailedId;
    QMessageBox::warning(parent, tableString(kProductNameId), tableString(message).arg(name));
}

} // namespace kelvane
