#pragma once

#include "base/browsinghistory.h"
#include "history/historygroups.h"

#include <QAbstractItemModel>
#include <QDateTime>
#include <QStringList>

#include <vector>

namespace kelvane {

// The visits of the History window as a tree: the day groups at the top, newest first, each
// holding its visits, newest first. A filter keeps the visits whose title or address holds every
// word; groups left empty disappear.
class HistoryModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { TitleColumn = 0, AddressColumn = 1, TimeColumn = 2, ColumnCount = 3 };
    enum Role { VisitIdRole = Qt::UserRole + 1, UrlRole };

    explicit HistoryModel(QObject* parent = nullptr);

    // visits newest first, grouped as seen from now.
    void setVisits(std::vector<Visit> visits, const QDateTime& now);
    // Older visits than those set, newest first: rows added at the end, no reset.
    void appendVisits(std::vector<Visit> visits);
    // The oldest visit set, to read on from; null when there is none.
    const Visit* oldestVisit() const { return m_visits.empty() ? nullptr : &m_visits.back(); }
    void setFilter(const QString& text);
    QString filter() const { return m_filter; }

    // The visit of a visit row; null for a group row.
    const Visit* visitAt(const QModelIndex& index) const;
    // The group of a group row; null for a visit row.
    const HistoryGroup* groupAt(const QModelIndex& index) const;
    // The ids of the visits of a group row (of a visit row: its own).
    QList<qint64> visitIds(const QModelIndex& index) const;
    int visitCount() const { return int(m_shown.size()); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Group {
        HistoryGroup group;
        QString title;
        int first = 0; // into m_shown
        int count = 0;
    };

    // The visits shown anew; only among those shown so far when the search only narrowed.
    void rebuild(bool narrower);
    // Groups (one day at a time) and folds for searching the visits from `from` on.
    void prepareFrom(size_t from);
    // Appends the visits among (indexes into m_visits) that the filter keeps to shown (whose
    // first row is row shownBefore of the list) and groups, going on with the last of groups.
    void collect(const std::vector<int>& among, qsizetype shownBefore, std::vector<int>& shown,
                 std::vector<Group>& groups) const;

    std::vector<Visit> m_visits;
    std::vector<HistoryGroup> m_groupOf;               // per visit
    std::vector<std::pair<QString, QString>> m_folded; // per visit: title and url folded
    QStringList m_words;                               // of the filter, folded
    std::vector<int> m_shown;                          // indexes into m_visits, newest first
    std::vector<Group> m_groups;
    QDateTime m_now;
    // The day last grouped: every visit within it falls in the same group.
    qint64 m_dayStart = 0;
    qint64 m_dayEnd = 0;
    HistoryGroup m_dayGroup;
    QString m_filter;
};

} // namespace kelvane
