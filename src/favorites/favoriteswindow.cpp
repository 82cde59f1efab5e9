#include "favorites/favoriteswindow.h"

#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "base/stringtable.h"
#include "favorites/favoritesstore.h"
#include "platform/paths.h"
#include "platform/twips.h"
#include "ui/captions.h"
#include "ui/onscreen.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr int kTitleId = 2000;
constexpr int kClipboardId = 2001;
constexpr int kLoadId = 2002;
constexpr int kDoneId = 2003;
constexpr int kNameColumnId = 2004;
constexpr int kAddressColumnId = 2005;
constexpr int kRootTextId = 2006;

// Pending events get their turn this often during a scan: often enough to keep the window
// responsive, seldom enough not to slow a large scan down.
constexpr int kEventIntervalMs = 50;

const QString kLeftKey = QStringLiteral("FavoriteLeft");
const QString kTopKey = QStringLiteral("FavoriteTop");

constexpr int kEntryRole = Qt::UserRole;

FavoritesWindow* s_openWindow = nullptr;
bool s_scanRunning = false;

QPushButton* makeButton(int captionId, QWidget* parent) {
    auto* button = new QPushButton(parent);
    setCaptionId(button, captionId);
    return button;
}

bool isStored(const QString& key) {
    return !readSetting(QLatin1String(kAppName), QLatin1String(kSettingsSection), key, QString())
                .isEmpty();
}

QString cacheFilePath() {
    return dataFolder() + QLatin1Char('/') +
           QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() +
           QStringLiteral(".ini");
}

} // namespace

FavoritesWindow::FavoritesWindow(const QString& startFolder, QWidget* parent)
    : QDialog(parent)
    , m_startFolder(startFolder)
    , m_scan(favoritesFolder(), tableString(kRootTextId))
    , m_tree(new QTreeWidget(this))
    , m_list(new QTreeWidget(this))
    , m_clipboardButton(makeButton(kClipboardId, this))
    , m_loadButton(makeButton(kLoadId, this))
    , m_doneButton(makeButton(kDoneId, this)) {
    if (!s_openWindow)
        s_openWindow = this;
    // One icon shared by every node, so its pictures are made once.
    m_folderIcon =
        QIcon::fromTheme(QStringLiteral("folder"), style()->standardIcon(QStyle::SP_DirIcon));
    setModal(true);
    setCaptionId(this, kTitleId);
    m_tree->setAccessibleName(tr("Favorites folders"));
    m_list->setAccessibleName(tr("Favorites in the folder"));

    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* node) {
        if (node)
            showFolder(node->data(0, Qt::UserRole).toString());
    });

    const double dpi = logicalDpiX();
    m_list->setColumnCount(2);
    m_list->headerItem()->setData(0, Qt::UserRole, QString::number(kNameColumnId));
    m_list->headerItem()->setData(1, Qt::UserRole, QString::number(kAddressColumnId));
    m_list->setColumnWidth(0, twipsToPixels(kNameColumnWidth, dpi));
    m_list->setColumnWidth(1, twipsToPixels(kAddressColumnWidth, dpi));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] {
        const bool chosen = selectedItem() != nullptr;
        m_loadButton->setEnabled(chosen);
        m_clipboardButton->setEnabled(chosen);
    });

    m_clipboardButton->setEnabled(false);
    m_loadButton->setEnabled(false);
    m_loadButton->setDefault(true);
    connect(m_clipboardButton, &QPushButton::clicked, this, &FavoritesWindow::copySelected);
    connect(m_loadButton, &QPushButton::clicked, this, &FavoritesWindow::loadSelected);
    connect(m_doneButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_tree);
    splitter->addWidget(m_list);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_clipboardButton);
    buttons->addWidget(m_loadButton);
    buttons->addWidget(m_doneButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    // The list is as wide as its two columns with a vertical scroll bar, so that no
    // horizontal one is needed.
    const int treeWidth = twipsToPixels(kTreeWidth, dpi);
    const int listWidth = twipsToPixels(kNameColumnWidth + kAddressColumnWidth, dpi) +
                          2 * m_list->frameWidth() +
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    splitter->setSizes({treeWidth, listWidth});

    applyCaptions(this);
    const QMargins margins = layout->contentsMargins();
    resize(margins.left() + treeWidth + splitter->handleWidth() + listWidth + margins.right(),
           twipsToPixels(kDesignHeight, logicalDpiY()));
    restorePosition();
}

FavoritesWindow::~FavoritesWindow() {
    m_closing = true;
    if (s_openWindow == this)
        s_openWindow = nullptr;
}

FavoritesWindow* FavoritesWindow::openWindow() {
    return s_openWindow;
}

void FavoritesWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_scanStarted) {
        m_scanStarted = true;
        QTimer::singleShot(0, this, &FavoritesWindow::startScan);
    }
}

void FavoritesWindow::startScan() {
    if (s_scanRunning || m_closing)
        return;
    s_scanRunning = true;
    m_scanning = true;
    m_sinceEvents.start();
    QPointer<FavoritesWindow> self(this);
    const bool finished = m_scan.run([this, self] { return self && paceScan(); });
    s_scanRunning = false;
    if (!self)
        return;
    m_scanning = false;
    takeScanResults();
    // No node of the start folder: the root's, whose favorites the list shows.
    if (!m_startNodeFound && m_tree->topLevelItemCount() > 0) {
        m_startNodeFound = true;
        m_tree->topLevelItem(0)->setExpanded(true);
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
    }
    if (!finished)
        return;
    // The finished tree gets its turn on screen before the cache file is written.
    QCoreApplication::processEvents();
    if (!self)
        return;
    m_scan.writeCache(cacheFilePath());
    Q_EMIT scanFinished();
}

bool FavoritesWindow::paceScan() {
    if (m_sinceEvents.elapsed() < kEventIntervalMs)
        return !m_closing;
    takeScanResults();
    QPointer<FavoritesWindow> self(this);
    QCoreApplication::processEvents();
    if (!self)
        return false;
    m_sinceEvents.restart();
    return !m_closing;
}

void FavoritesWindow::takeScanResults() {
    const QList<FavoritesNode>& nodes = m_scan.nodes();
    for (; m_nodesTaken < nodes.size(); ++m_nodesTaken)
        addNode(nodes.at(m_nodesTaken));
    const QList<FavoriteEntry>& entries = m_scan.entries();
    for (; m_entriesTaken < entries.size(); ++m_entriesTaken)
        m_entriesOfFolder[entries.at(m_entriesTaken).folder].append(m_entriesTaken);
    listNewEntries();
}

void FavoritesWindow::addNode(const FavoritesNode& node) {
    QTreeWidgetItem* parent = m_nodeItems.value(node.parentKey);
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
    item->setText(0, node.text);
    item->setData(0, Qt::UserRole, node.key);
    item->setIcon(0, m_folderIcon);
    // Keys are unique, so the first node of a key is the one the entries belong to.
    if (!m_nodeItems.contains(node.key))
        m_nodeItems.insert(node.key, item);
    if (!parent)
        m_shownFolder = node.key; // the list shows the root's entries until a node is chosen

    // The start node: the root for an empty start folder, else the first node of that key.
    const bool isStart = m_startFolder.isEmpty()
                             ? !parent
                             : node.key.compare(m_startFolder, Qt::CaseInsensitive) == 0;
    if (isStart && !m_startNodeFound) {
        m_startNodeFound = true;
        item->setExpanded(true);
        m_tree->scrollToItem(item);
        m_tree->setCurrentItem(item);
    }
}

void FavoritesWindow::showFolder(const QString& key) {
    m_list->clear();
    m_shownFolder = key;
    m_shownCount = 0;
    listNewEntries();
}

void FavoritesWindow::listNewEntries() {
    const auto indices = m_entriesOfFolder.constFind(m_shownFolder);
    if (indices == m_entriesOfFolder.cend())
        return;
    const QList<FavoriteEntry>& entries = m_scan.entries();
    QList<QTreeWidgetItem*> items;
    for (; m_shownCount < indices->size(); ++m_shownCount) {
        const qsizetype index = indices->at(m_shownCount);
        const FavoriteEntry& entry = entries.at(index);
        auto* item = new QTreeWidgetItem({entry.name, displayedAddress(entry.url)});
        item->setData(0, kEntryRole, index);
        items.append(item);
    }
    m_list->addTopLevelItems(items);
}

QTreeWidgetItem* FavoritesWindow::selectedItem() const {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void FavoritesWindow::pressOnList(const QPoint& position) {
    const QModelIndex index = m_list->indexAt(position);
    QTreeWidgetItem* item = m_list->itemFromIndex(index);
    if (!item)
        return;
    // Either column copies the pressed entry's own address, as stored in its file.
    const qsizetype entry = item->data(0, kEntryRole).toLongLong();
    m_remembered = m_scan.entries().at(entry).url;
    QGuiApplication::clipboard()->setText(m_remembered);
}

bool FavoritesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            pressOnList(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::MouseButtonDblClick)
            QTimer::singleShot(0, this, &FavoritesWindow::loadSelected);
    }
    return QDialog::eventFilter(watched, event);
}

void FavoritesWindow::loadSelected() {
    const QTreeWidgetItem* item = selectedItem();
    if (!item || !isVisible())
        return;
    const QString address = item->text(1);
    accept();
    Q_EMIT openInNewDocumentRequested(address);
}

void FavoritesWindow::copySelected() {
    if (const QTreeWidgetItem* item = selectedItem())
        QGuiApplication::clipboard()->setText(item->text(1));
}

void FavoritesWindow::done(int result) {
    m_closing = true;
    savePosition();
    QDialog::done(result);
}

void FavoritesWindow::restorePosition() {
    if (!isStored(kLeftKey) && !isStored(kTopKey))
        return; // the designed place: over the owner
    move(readPlace(this, kLeftKey, Qt::Horizontal, x()),
         readPlace(this, kTopKey, Qt::Vertical, y()));
    keepOnScreen(this);
}

void FavoritesWindow::savePosition() {
    writePlace(this, kLeftKey, Qt::Horizontal, x());
    writePlace(this, kTopKey, Qt::Vertical, y());
}

} // namespace kelvane
