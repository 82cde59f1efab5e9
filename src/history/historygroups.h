#pragma once

#include <QDateTime>
#include <QString>

namespace kelvane {

// Where a visit stands in the History window: by its day, counted in the time zone of now.
struct HistoryGroup {
    enum class Kind { Today, Yesterday, ThisWeek, ThisMonth, Month };
    Kind kind = Kind::Today;
    int year = 0;  // of a Month group
    int month = 0; // of a Month group, 1..12

    bool operator==(const HistoryGroup&) const = default;
};

// Today and Yesterday first; then the rest of the week now is in (weeks begin on
// firstDayOfWeek), the rest of this month, and each earlier month of its own. A visit later than
// now (the clock was put back) counts as today.
HistoryGroup historyGroupOf(qint64 visitMs, const QDateTime& now,
                            Qt::DayOfWeek firstDayOfWeek = Qt::Monday);

// "Today", "Yesterday", "This week", "This month" or the month and year ("March 2026").
QString historyGroupTitle(const HistoryGroup& group);

} // namespace kelvane
