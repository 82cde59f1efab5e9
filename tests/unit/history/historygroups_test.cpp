#include "history/historygroups.h"
#include "support/isolation.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

using Kind = HistoryGroup::Kind;

TEST(HistoryGroups, DaysCountInTheLocalTimeAcrossMidnightWeeksAndMonthEnds) {
    const QTimeZone zone(3600); // UTC+1: a day there is not the day in UTC
    const auto at = [&](const char* text) {
        return QDateTime::fromString(QLatin1String(text), Qt::ISODate).toTimeZone(zone);
    };
    const char* const sun = "2026-03-01T00:10:00+01:00"; // Sunday 1 March, past midnight
    const char* const thu = "2026-03-26T09:00:00+01:00"; // Thursday 26 March
    // clang-format off
    const struct { const char *now, *visit; Qt::DayOfWeek firstDay; HistoryGroup expected; }
        cases[] = {
        {sun, "2026-03-01T00:05:00+01:00", Qt::Monday, {Kind::Today}},
        {sun, "2026-02-28T23:59:00+01:00", Qt::Monday, {Kind::Yesterday}},
        {sun, "2026-02-28T23:30:00Z", Qt::Monday, {Kind::Today}},
        {sun, "2026-02-27T12:00:00+01:00", Qt::Monday, {Kind::ThisWeek}},
        {sun, "2026-02-23T00:00:00+01:00", Qt::Monday, {Kind::ThisWeek}},
        {sun, "2026-02-22T23:59:00+01:00", Qt::Monday, {Kind::Month, 2026, 2}},
        {sun, "2026-02-27T12:00:00+01:00", Qt::Sunday, {Kind::Month, 2026, 2}},
        {sun, "2026-03-01T08:00:00+01:00", Qt::Monday, {Kind::Today}},
        {sun, "2025-12-31T23:59:00+01:00", Qt::Monday, {Kind::Month, 2025, 12}},
        {thu, "2026-03-25T00:00:00+01:00", Qt::Monday, {Kind::Yesterday}},
        {thu, "2026-03-23T08:00:00+01:00", Qt::Monday, {Kind::ThisWeek}},
        {thu, "2026-03-22T23:00:00+01:00", Qt::Monday, {Kind::ThisMonth}},
        {thu, "2026-03-01T00:00:00+01:00", Qt::Monday, {Kind::ThisMonth}},
        {thu, "2026-02-28T23:59:00+01:00", Qt::Monday, {Kind::Month, 2026, 2}},
        {thu, "2025-03-26T09:00:00+01:00", Qt::Monday, {Kind::Month, 2025, 3}}};
    // clang-format on
    for (const auto& c : cases) {
        const HistoryGroup group =
            historyGroupOf(at(c.visit).toMSecsSinceEpoch(), at(c.now), c.firstDay);
        EXPECT_TRUE(group == c.expected) << c.now << " " << c.visit << ": " << int(group.kind)
                                         << " " << group.year << "-" << group.month;
    }
    EXPECT_EQ(historyGroupTitle({Kind::Month, 2025, 12}),
              QLocale().standaloneMonthName(12) + QStringLiteral(" 2025"));
}

} // namespace
