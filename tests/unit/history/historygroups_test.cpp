#include "history/historygroups.h"
#include "history/historymodel.h"
#include "support/isolation.h"

#include <QAbstractItemModelTester>
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

// The window reads the newest visits first and the rest in batches: they must land in the same
// groups and rows as when read at once, whatever the search.
TEST(HistoryGroups, VisitsAddedInBatchesGroupAsIfReadAtOnce) {
    const auto at = [](const char* text) {
        return QDateTime::fromString(QLatin1String(text), Qt::ISODate).toTimeZone(QTimeZone(3600));
    };
    // Thursday; the first two visits share a day in UTC but not in the zone of now.
    const QDateTime now = at("2026-03-26T00:30:00+01:00");
    std::vector<Visit> all;
    for (const char* time :
         {"2026-03-26T00:10:00+01:00", "2026-03-25T23:50:00+01:00", "2026-03-25T00:00:00+01:00",
          "2026-03-24T23:59:00+01:00", "2026-03-02T10:00:00+01:00", "2026-02-28T12:00:00+01:00",
          "2026-02-01T00:00:00+01:00", "2026-01-31T23:59:00+01:00"}) {
        const qint64 id = qint64(all.size()) + 1;
        all.push_back({id, QStringLiteral("http://s%1.test/").arg(id % 3),
                       id % 2 ? "Alpha" : "Beta", at(time).toMSecsSinceEpoch()});
    }
    const auto listed = [](const HistoryModel& model) {
        QString text;
        for (int g = 0; g < model.rowCount(); ++g) {
            const QModelIndex group = model.index(g, 0);
            const HistoryGroup* kind = model.groupAt(group);
            text += QStringLiteral(" %1%2:").arg("TYWwM"[int(kind->kind)]).arg(kind->month);
            for (int v = 0; v < model.rowCount(group); ++v)
                text += QString::number(model.visitAt(model.index(v, 0, group))->id);
        }
        return text;
    };
    const std::pair<const char*, const char*> cases[] = {
        {"", " T0:1 Y0:23 W0:4 w0:5 M2:67 M1:8"},
        {"alpha", " T0:1 Y0:3 w0:5 M2:7"},
        {"BETA s1", " W0:4"},
    };
    for (const auto& [filter, expected] : cases) {
        HistoryModel whole;
        whole.setVisits(all, now);
        whole.setFilter(filter);
        EXPECT_EQ(listed(whole), expected) << filter;
        for (size_t first = 0; first <= all.size(); ++first) {
            for (size_t batch = 1; batch <= 3; ++batch) {
                HistoryModel model;
                QAbstractItemModelTester tester(&model);
                model.setVisits({all.begin(), all.begin() + first}, now);
                model.setFilter(filter);
                for (size_t i = first; i < all.size(); i += batch)
                    model.appendVisits(
                        {all.begin() + i, all.begin() + std::min(i + batch, all.size())});
                EXPECT_EQ(listed(model), expected) << filter << " " << first << "+" << batch;
            }
        }
    }
}

} // namespace
