#include "history/historygroups.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimeZone>

namespace kelvane {

HistoryGroup historyGroupOf(qint64 visitMs, const QDateTime& now, Qt::DayOfWeek firstDayOfWeek) {
    using Kind = HistoryGroup::Kind;
    const QDate today = now.date();
    const QDate day = QDateTime::fromMSecsSinceEpoch(visitMs, now.timeZone()).date();
    if (day >= today)
        return {Kind::Today};
    if (day == today.addDays(-1))
        return {Kind::Yesterday};
    const int intoWeek = (today.dayOfWeek() - firstDayOfWeek + 7) % 7;
    if (day >= today.addDays(-intoWeek))
        return {Kind::ThisWeek};
    if (day.year() == today.year() && day.month() == today.month())
        return {Kind::ThisMonth};
    return {Kind::Month, day.year(), day.month()};
}

QString historyGroupTitle(const HistoryGroup& group) {
    switch (group.kind) {
    case HistoryGroup::Kind::Today:
        return QCoreApplication::translate("History", "Today");
    case HistoryGroup::Kind::Yesterday:
        return QCoreApplication::translate("History", "Yesterday");
    case HistoryGroup::Kind::ThisWeek:
        return QCoreApplication::translate("History", "This week");
    case HistoryGroup::Kind::ThisMonth:
        return QCoreApplication::translate("History", "This month");
    case HistoryGroup::Kind::Month:
        break;
    }
    return QLocale().standaloneMonthName(group.month) + QLatin1Char(' ') +
           QString::number(group.year);
}

} // namespace kelvane
