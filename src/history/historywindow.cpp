#include "history/historywindow.h"

#include "base/browsinghistory.h"
#include "history/historymodel.h"
#include "ui/onscreen.h"
#include "ui/pictures.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvane {

namespace {

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

HistoryWindow::HistoryWindow(BrowsingHistory& history, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_history(history)
    , m_model(new HistoryModel(this))
    , m_search(new QLineEdit(this))
    , m_view(new QTreeView(this))
    , m_loadTimer(new QTimer(this)) {
    setWindowTitle(tr("History"));
    setWindowIcon(picture(Picture::MenuHistory));
    resize(760, 520);

    m_search->setPlaceholderText(tr("Search History"));
    m_search->setClearButtonEnabled(true);
    m_search->installEventFilter(this);
    auto* searchTimer = new QTimer(this);
    searchTimer->setSingleShot(true);
    searchTimer->setInterval(kSearchDelayMs);
    connect(m_search, &QLineEdit::textChanged, searchTimer, qOverload<>(&QTimer::start));
    connect(searchTimer, &QTimer::timeout, this, &HistoryWindow::applyFilter);

    m_view->setModel(m_model);
    m_view->setUniformRowHeights(true); // keeps a hundred thousand rows quick to lay out
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setAllColumnsShowFocus(true);
    m_view->header()->setStretchLastSection(false);
    m_view->header()->setSectionResizeMode(HistoryModel::TitleColumn, QHeaderView::Interactive);
    m_view->header()->setSectionResizeMode(HistoryModel::AddressColumn, QHeaderView::Stretch);
    m_view->setColumnWidth(HistoryModel::TitleColumn, 300);
    m_view->setColumnWidth(HistoryModel::TimeColumn, 130);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    connect(m_view, &QTreeView::doubleClicked, this,
            [this](const QModelIndex& index) { open(index, false); });
    connect(m_view, &QWidget::customContextMenuRequested, this, &HistoryWindow::showMenu);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_search);
    layout->addWidget(m_view, 1);

    m_loadTimer->setSingleShot(true);
    connect(m_loadTimer, &QTimer::timeout, this, &HistoryWindow::loadMore);
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!parent.isValid())
                    openGroups(first, last);
            });

    for (const bool opened : {true, false}) {
        connect(m_view, opened ? &QTreeView::expanded : &QTreeView::collapsed, this,
                [this, opened](const QModelIndex& index) {
                    if (!m_openingGroups && !index.parent().isValid() &&
                        m_model->filter().trimmed().isEmpty())
                        m_groupsOpened.insert(index.data().toString(), opened);
                });
    }

    // New visits while the window is hidden wait for its next show.
    connect(&m_history, &BrowsingHistory::changed, this, [this] {
        if (isVisible()) {
            reload();
        } else {
            m_stale = true;
            m_loadTimer->stop();
        }
    });
}

void HistoryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Its designed size is more than a small or highly scaled screen holds.
    keepOnScreen(this);
    if (m_stale)
        reload();
    m_search->setFocus();
}

void HistoryWindow::reload() {
    m_stale = false;
    // The chosen row and the place in the list stay where the user left them.
    const QModelIndex was = m_view->currentIndex();
    const Visit* chosen = m_model->visitAt(was);
    const qint64 chosenId = chosen ? chosen->id : -1;
    const QString chosenGroup = (chosen ? was.parent() : was).data().toString();
    const int scrolled = m_view->verticalScrollBar()->value();
    std::vector<Visit> visits = m_history.visits(nullptr, kFirstVisits);
    const bool more = visits.size() == size_t(kFirstVisits);
    m_model->setVisits(std::move(visits), QDateTime::currentDateTime());
    openGroups(0, m_model->rowCount() - 1);
    // On a first show the newest visit; a row inside a closed group is never made current, or
    // the view would open the group for it.
    QModelIndex current = m_model->index(0, 0);
    if (m_view->isExpanded(current) && !was.isValid())
        current = m_model->index(0, 0, current);
    for (int g = 0; g < m_model->rowCount() && was.isValid(); ++g) {
        const QModelIndex group = m_model->index(g, 0);
        if (group.data().toString() != chosenGroup)
            continue;
        current = group;
        for (int row = 0; m_view->isExpanded(group) && row < m_model->rowCount(group); ++row) {
            if (m_model->visitAt(m_model->index(row, 0, group))->id == chosenId)
                current = m_model->index(row, 0, group);
        }
    }
    m_view->setCurrentIndex(current);
    m_view->verticalScrollBar()->setValue(scrolled);
    if (more)
        m_loadTimer->start(0);
    else
        m_loadTimer->stop();
}

bool HistoryWindow::isLoading() const {
    return m_loadTimer->isActive();
}

void HistoryWindow::loadMore() {
    std::vector<Visit> visits = m_history.visits(m_model->oldestVisit(), kVisitsPerBatch);
    const bool more = visits.size() == size_t(kVisitsPerBatch);
    m_model->appendVisits(std::move(visits));
    if (more)
        m_loadTimer->start(0);
}

// An open group of many visits costs the view a look at each of them whenever rows come, so
// older months wait closed.
void HistoryWindow::openGroups(int first, int last) {
    const bool searching = !m_model->filter().trimmed().isEmpty();
    m_openingGroups = true;
    for (int row = first; row <= last; ++row) {
        const QModelIndex group = m_model->index(row, 0);
        const bool recent = m_model->groupAt(group)->kind != HistoryGroup::Kind::Month;
        m_view->setExpanded(group,
                            searching || m_groupsOpened.value(group.data().toString(), recent));
    }
    m_openingGroups = false;
}

void HistoryWindow::applyFilter() {
    m_model->setFilter(m_search->text());
    openGroups(0, m_model->rowCount() - 1);
    // The best hit is one key away.
    if (m_model->rowCount() > 0)
        m_view->setCurrentIndex(m_model->index(0, 0, m_model->index(0, 0)));
}

void HistoryWindow::open(const QModelIndex& index, bool inNewDocument) {
    if (const Visit* visit = m_model->visitAt(index))
        Q_EMIT openRequested(visit->url, inNewDocument);
}

void HistoryWindow::removeSelected() {
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    // A chosen day or month goes whole: its visits not read yet are read first.
    const bool wholeGroups = std::ranges::any_of(
        rows, [this](const QModelIndex& row) { return m_model->groupAt(row) != nullptr; });
    while (wholeGroups && isLoading()) {
        m_loadTimer->stop();
        loadMore();
    }
    QList<qint64> ids;
    for (const QModelIndex& row : m_view->selectionModel()->selectedRows())
        ids += m_model->visitIds(row);
    if (ids.isEmpty())
        return;
    const int next = m_view->currentIndex().row();
    const QModelIndex group = m_view->currentIndex().parent();
    const int groupRow = group.isValid() ? group.row() : -1;
    m_history.removeVisits(ids); // reloads through changed()
    if (!isVisible())
        reload();
    // The selection moves to the visit that took the place of the first one removed.
    if (groupRow >= 0 && groupRow < m_model->rowCount()) {
        const QModelIndex parent = m_model->index(groupRow, 0);
        const int row = qMin(next, m_model->rowCount(parent) - 1);
        if (row >= 0)
            m_view->setCurrentIndex(m_model->index(row, 0, parent));
    }
}

void HistoryWindow::showMenu(const QPoint& pos) {
    const QModelIndex index = m_view->indexAt(pos);
    const Visit* visit = m_model->visitAt(index);
    if (!visit)
        return;
    const QString url = visit->url;
    QMenu menu(this);
    connect(menu.addAction(tr("&Open")), &QAction::triggered, this,
            [this, url] { Q_EMIT openRequested(url, false); });
    connect(menu.addAction(tr("Open in &New Document")), &QAction::triggered, this,
            [this, url] { Q_EMIT openRequested(url, true); });
    menu.addSeparator();
    connect(menu.addAction(tr("&Delete")), &QAction::triggered, this,
            &HistoryWindow::removeSelected);
    connect(menu.addAction(tr("Delete All Visits to This Site")), &QAction::triggered, this,
            [this, url] {
                m_history.removeSite(url);
                if (!isVisible())
                    reload();
            });
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key) && (watched == m_view || watched == m_search)) {
            open(m_view->currentIndex(), key->modifiers() & Qt::ControlModifier);
            return true;
        }
        if (watched == m_view && key->key() == Qt::Key_Delete) {
            removeSelected();
            return true;
        }
        // From the search box the arrows walk the list.
        if (watched == m_search && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up)) {
            m_view->setFocus();
            QKeyEvent copy(key->type(), key->key(), key->modifiers());
            QCoreApplication::sendEvent(m_view, &copy);
            return true;
        }
    } else if (watched == m_view->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::MiddleButton) {
            open(m_view->indexAt(mouse->position().toPoint()), true);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kelvane
