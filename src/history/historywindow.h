#pragma once

#include <QHash>
#include <QWidget>

class QLineEdit;
class QTimer;
class QTreeView;

namespace kelvane {

class BrowsingHistory;
class HistoryModel;

// The History window: the visits by day, newest first, and a search box that keeps the visits
// whose title or address holds every word typed. Enter or a double click opens a visit in the
// active document, Ctrl+Enter or the middle button in a new one; Delete removes the chosen
// visits, and the right-click menu every visit to the site. The groups of this month are open, the
// older months closed until clicked (or searched).
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    // The visits shown at once; the older ones follow in batches while the window is idle, each
    // well within a frame, so a long history opens without a pause.
    static constexpr int kFirstVisits = 500;
    static constexpr int kVisitsPerBatch = 1000;
    // Typing waits this long before the list follows, so a fast typist is not held up per key.
    static constexpr int kSearchDelayMs = 120;

    explicit HistoryWindow(BrowsingHistory& history, QWidget* parent = nullptr);

    QLineEdit* searchBox() const { return m_search; }
    QTreeView* view() const { return m_view; }
    HistoryModel* model() const { return m_model; }

    // Reads the visits again (keeping the search).
    void reload();
    // True while older visits are still being read.
    bool isLoading() const;

Q_SIGNALS:
    void openRequested(const QString& url, bool inNewDocument);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void open(const QModelIndex& index, bool inNewDocument);
    void removeSelected();
    void showMenu(const QPoint& pos);
    void applyFilter();
    void loadMore();
    // Opens the group rows first..last that show at once: the recent ones, or any while searching.
    void openGroups(int first, int last);

    BrowsingHistory& m_history;
    HistoryModel* m_model;
    QLineEdit* m_search;
    QTreeView* m_view;
    QTimer* m_loadTimer;
    // The groups the user opened or closed, by title: a reload for new visits keeps them so.
    QHash<QString, bool> m_groupsOpened;
    bool m_openingGroups = false;
    bool m_stale = true;
};

} // namespace kelvane
