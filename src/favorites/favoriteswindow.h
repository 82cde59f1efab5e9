#pragma once

#include "favorites/favoritesscan.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QHash>
#include <QIcon>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kelvane {

// The Favorites window: a modal window with the favorites folder's tree on one side and the
// shortcuts of the chosen folder, with their addresses, on the other. It is built and scanned
// afresh at each opening and never changes the favorites.
//
// The scan starts when the window is first shown and runs on this thread, handing control to
// pending events about every 50 ms, so the window fills in while it stays responsive. Only one
// scan runs at a time in the program; openWindow() finds a window already open, which a second
// request should bring forward instead of opening another.
class FavoritesWindow : public QDialog {
    Q_OBJECT
public:
    // startFolder: the folder whose node is selected when the window opens, compared with the
    // nodes' keys in any letter case (the program's command line); empty for the root.
    explicit FavoritesWindow(const QString& startFolder, QWidget* parent = nullptr);
    ~FavoritesWindow() override;

    // The Favorites window now open, or null.
    static FavoritesWindow* openWindow();

    // The design sizes, in twips.
    static constexpr int kTreeWidth = 3300;
    static constexpr int kDesignHeight = 6000;
    static constexpr int kNameColumnWidth = 3100;
    static constexpr int kAddressColumnWidth = 3500;

    QTreeWidget* folderTree() const { return m_tree; }
    QTreeWidget* favoritesList() const { return m_list; }
    QPushButton* clipboardButton() const { return m_clipboardButton; }
    QPushButton* loadButton() const { return m_loadButton; }
    QPushButton* doneButton() const { return m_doneButton; }

    bool isScanning() const { return m_scanning; }
    // The address the last press on an entry copied, as stored in its file.
    QString rememberedAddress() const { return m_remembered; }

    // The buttons.
    void loadSelected();
    void copySelected();

    void done(int result) override;

Q_SIGNALS:
    // Load or a double click: the window has closed; open address in a new document.
    void openInNewDocumentRequested(const QString& address);
    // The scan went through to the end (and the cache file was written).
    void scanFinished();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startScan();
    bool paceScan();
    // Puts what the scan found since the last call into the tree and the shown list.
    void takeScanResults();
    void addNode(const FavoritesNode& node);
    void showFolder(const QString& key);
    void listNewEntries();
    void pressOnList(const QPoint& position);
    QTreeWidgetItem* selectedItem() const;
    void restorePosition();
    void savePosition();

    QString m_startFolder;
    FavoritesScan m_scan;
    QTreeWidget* m_tree;
    QTreeWidget* m_list;
    QPushButton* m_clipboardButton;
    QPushButton* m_loadButton;
    QPushButton* m_doneButton;

    QIcon m_folderIcon;
    QHash<QString, QTreeWidgetItem*> m_nodeItems;
    QHash<QString, QList<qsizetype>> m_entriesOfFolder;
    qsizetype m_nodesTaken = 0;
    qsizetype m_entriesTaken = 0;
    bool m_startNodeFound = false;
    QString m_shownFolder;
    qsizetype m_shownCount = 0;
    QString m_remembered;

    bool m_scanStarted = false;
    bool m_scanning = false;
    bool m_closing = false;
    QElapsedTimer m_sinceEvents;
};

} // namespace kelvane
