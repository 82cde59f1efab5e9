#pragma once

#include <QWidget>

class QLineEdit;
class QTreeView;

namespace kelvane {

class BrowsingHistory;
class HistoryModel;

// The History window: the visits by day, newest first, and a search box that keeps the visits
// whose title or address holds every word typed. Enter or a double click opens a visit in the
// active document, Ctrl+Enter or the middle button in a new one; Delete removes the chosen
// visits, and the right-click menu every visit to the site.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    explicit HistoryWindow(BrowsingHistory& history, QWidget* parent = nullptr);

    QLineEdit* searchBox() const { return m_search; }
    QTreeView* view() const { return m_view; }
    HistoryModel* model() const { return m_model; }

    // Reads the visits again (keeping the search).
    void reload();

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

    BrowsingHistory& m_history;
    HistoryModel* m_model;
    QLineEdit* m_search;
    QTreeView* m_view;
    bool m_stale = true;
};

} // namespace kelvane
