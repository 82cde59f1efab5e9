#include "history/historymodel.h"

#include "base/wordmatch.h"

#include <QLocale>
#include <QTimeZone>

#include <numeric>

namespace kelvane {

namespace {

// Group rows carry no parent; visit rows carry their group's row + 1.
constexpr quintptr kGroupRow = 0;

} // namespace

HistoryModel::HistoryModel(QObject* parent)
    : QAbstractItemModel(parent) {}

void HistoryModel::setVisits(std::vector<Visit> visits, const QDateTime& now) {
    m_visits = std::move(visits);
    m_now = now;
    m_dayStart = m_dayEnd = 0;
    m_groupOf.clear();
    m_folded.clear();
    prepareFrom(0);
    rebuild(false);
}

void HistoryModel::appendVisits(std::vector<Visit> visits) {
    const size_t from = m_visits.size();
    m_visits.insert(m_visits.end(), std::make_move_iterator(visits.begin()),
                    std::make_move_iterator(visits.end()));
    prepareFrom(from);
    std::vector<int> added(m_visits.size() - from);
    std::iota(added.begin(), added.end(), int(from));
    std::vector<int> shown;
    std::vector<Group> groups;
    if (!m_groups.empty())
        groups.push_back(m_groups.back());
    collect(added, qsizetype(m_shown.size()), shown, groups);
    auto newGroup = groups.begin();
    auto newShown = shown.begin();
    if (!m_groups.empty()) {
        // Rows for the group that was last, then the groups after it.
        Group& last = m_groups.back();
        const int added = groups.front().count - last.count;
        if (added > 0) {
            beginInsertRows(index(int(m_groups.size()) - 1, 0), last.count, last.count + added - 1);
            m_shown.insert(m_shown.end(), newShown, newShown + added);
            last.count += added;
            endInsertRows();
        }
        newShown += added;
        ++newGroup;
    }
    if (newGroup == groups.end())
        return;
    beginInsertRows({}, int(m_groups.size()), int(m_groups.size() + (groups.end() - newGroup)) - 1);
    m_shown.insert(m_shown.end(), newShown, shown.end());
    m_groups.insert(m_groups.end(), newGroup, groups.end());
    endInsertRows();
}

void HistoryModel::prepareFrom(size_t from) {
    const Qt::DayOfWeek firstDay = QLocale().firstDayOfWeek();
    const QTimeZone zone = m_now.timeZone();
    m_groupOf.reserve(m_visits.size());
    m_folded.reserve(m_visits.size());
    for (size_t i = from; i < m_visits.size(); ++i) {
        const qint64 time = m_visits[i].time;
        if (time < m_dayStart || time >= m_dayEnd) {
            const QDate day = QDateTime::fromMSecsSinceEpoch(time, zone).date();
            m_dayStart = day.startOfDay(zone).toMSecsSinceEpoch();
            m_dayEnd = day.addDays(1).startOfDay(zone).toMSecsSinceEpoch();
            m_dayGroup = historyGroupOf(time, m_now, firstDay);
        }
        m_groupOf.push_back(m_dayGroup);
        m_folded.emplace_back(foldedForMatching(m_visits[i].title),
                              foldedForMatching(m_visits[i].url));
    }
}

void HistoryModel::setFilter(const QString& text) {
    if (text == m_filter)
        return;
    m_filter = text;
    const QStringList before = std::exchange(m_words, foldedWords(searchWords(text)));
    rebuild(narrows(before, m_words));
}

void HistoryModel::rebuild(bool narrower) {
    std::vector<int> among;
    if (narrower) {
        among = m_shown;
    } else {
        among.resize(m_visits.size());
        std::iota(among.begin(), among.end(), 0);
    }
    beginResetModel();
    m_shown.clear();
    m_groups.clear();
    collect(among, 0, m_shown, m_groups);
    endResetModel();
}

void HistoryModel::collect(const std::vector<int>& among, qsizetype shownBefore,
                           std::vector<int>& shown, std::vector<Group>& groups) const {
    for (const int i : among) {
        if (!m_words.isEmpty() && !holdsEveryWord(m_words, m_folded[i].first, m_folded[i].second))
            continue;
        if (groups.empty() || !(groups.back().group == m_groupOf[i])) {
            groups.push_back({m_groupOf[i], historyGroupTitle(m_groupOf[i]),
                              int(shownBefore + qsizetype(shown.size())), 0});
        }
        ++groups.back().count;
        shown.push_back(int(i));
    }
}

const Visit* HistoryModel::visitAt(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() == kGroupRow)
        return nullptr;
    const Group& group = m_groups[index.internalId() - 1];
    return &m_visits[m_shown[group.first + index.row()]];
}

const HistoryGroup* HistoryModel::groupAt(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() != kGroupRow)
        return nullptr;
    return &m_groups[index.row()].group;
}

QList<qint64> HistoryModel::visitIds(const QModelIndex& index) const {
    QList<qint64> ids;
    if (const Visit* visit = visitAt(index)) {
        ids.append(visit->id);
    } else if (index.isValid()) {
        const Group& group = m_groups[index.row()];
        for (int i = 0; i < group.count; ++i)
            ids.append(m_visits[m_shown[group.first + i]].id);
    }
    return ids;
}

QModelIndex HistoryModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnCount)
        return {};
    if (!parent.isValid())
        return row < int(m_groups.size()) ? createIndex(row, column, kGroupRow) : QModelIndex();
    if (parent.internalId() != kGroupRow || row >= m_groups[parent.row()].count)
        return {};
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

QModelIndex HistoryModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kGroupRow)
        return {};
    return createIndex(int(child.internalId() - 1), 0, kGroupRow);
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return int(m_groups.size());
    if (parent.internalId() != kGroupRow || parent.column() != 0)
        return 0;
    return m_groups[parent.row()].count;
}

int HistoryModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Visit* visit = visitAt(index);
    if (!visit) {
        if (role == Qt::DisplayRole && index.column() == TitleColumn)
            return m_groups[index.row()].title;
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case TitleColumn:
            return visit->title.isEmpty() ? visit->url : visit->title;
        case AddressColumn:
            return visit->url;
        case TimeColumn: {
            const QDateTime time = QDateTime::fromMSecsSinceEpoch(visit->time, m_now.timeZone());
            if (time.date() == m_now.date())
                return QLocale().toString(time.time(), QLocale::ShortFormat);
            return QLocale().toString(time, QLocale::ShortFormat);
        }
        }
        return {};
    case Qt::ToolTipRole:
        return visit->url;
    case VisitIdRole:
        return visit->id;
    case UrlRole:
        return visit->url;
    default:
        return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case TitleColumn:
        return tr("Title");
    case AddressColumn:
        return tr("Address");
    case TimeColumn:
        return tr("Visited");
    }
    return {};
}

} // namespace kelvane
