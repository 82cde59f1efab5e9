#include "bars/typedhistory.h"

#include <gtest/gtest.h>

#include <QMap>

#include <ostream>

using namespace kelvane;

// Readable texts in failure messages.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// Keys in memory, with every write recorded in order.
struct MapStore {
    QMap<QString, QString> keys;
    QList<QPair<QString, QString>> writes;

    HistoryStore store() {
        return {[this](const QString& key, const QString& defaultValue) {
                    return keys.value(key, defaultValue);
                },
                [this](const QString& key, const QString& value) {
                    keys.insert(key, value);
                    writes.append({key, value});
                }};
    }
};

QStringList addAll(const QStringList& typed) {
    QStringList items;
    for (const QString& url : typed) {
        if (TypedHistory::goesOnTop(items, url))
            items.prepend(url);
    }
    return items;
}

TEST(TypedHistory, GoesOnTopOnlyWhenTheTopItemDiffers) {
    const struct {
        QStringList typed;
        QStringList expected; // top first
    } cases[] = {
        {{"a", "a"}, {"a"}},
        {{"b", "a"}, {"a", "b"}},
        {{"b", "a", "b", "a"}, {"a", "b", "a", "b"}}, // older duplicates stay
        {{"a", "A"}, {"A", "a"}},                     // case counts
        {{"a", "a "}, {"a ", "a"}},                   // so do blanks
        {{"", ""}, {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(addAll(c.typed), c.expected) << c.typed.join(u'|').toStdString();
}

TEST(TypedHistory, SavesOldestFirstWithoutEmptyItemsAndTheCountLast) {
    MapStore map;
    TypedHistory::save({"A", "", "B", "C", ""}, map.store());
    const QList<QPair<QString, QString>> expected = {
        {"HistorySite1", "C"}, {"HistorySite2", "B"}, {"HistorySite3", "A"}, {"HistoryCount", "3"}};
    EXPECT_EQ(map.writes, expected);
}

TEST(TypedHistory, SavingAShorterListLeavesHigherKeysButCountsRight) {
    MapStore map;
    TypedHistory::save({"x", "y", "z"}, map.store());
    TypedHistory::save({"new"}, map.store());
    EXPECT_EQ(map.keys.value("HistoryCount"), "1");
    EXPECT_EQ(map.keys.value("HistorySite3"), "x");
    EXPECT_EQ(TypedHistory::load(map.store()), QStringList{"new"});
}

TEST(TypedHistory, LoadsWhatTheStoreHolds) {
    const struct {
        QMap<QString, QString> keys;
        QStringList expected; // top first
    } cases[] = {
        {{}, {}},
        {{{"HistoryCount", "3"}, {"HistorySite1", "one"}, {"HistorySite3", "three"}},
         {"three", "0", "one"}},
        {{{"HistoryCount", "0"}, {"HistorySite1", "stale"}}, {}},
        {{{"HistoryCount", "-2"}, {"HistorySite1", "x"}}, {}},
        {{{"HistoryCount", "junk"}, {"HistorySite1", "x"}}, {}},
        {{{"HistoryCount", "70000"}, {"HistorySite1", "x"}}, {}}, // not a 16-bit number
        {{{"HistoryCount", "2"}, {"HistorySite1", ""}, {"HistorySite2", "b"}}, {"b", ""}},
    };
    for (const auto& c : cases) {
        MapStore map;
        map.keys = c.keys;
        EXPECT_EQ(TypedHistory::load(map.store()), c.expected)
            << map.keys.value("HistoryCount").toStdString();
    }
}

TEST(TypedHistory, AListPastTheCountRangeKeepsItsNewestItems) {
    QStringList items;
    const int total = TypedHistory::kMaxStored + 3;
    for (int i = 0; i < total; ++i)
        items.append(QString::number(i)); // "0" is the newest
    MapStore map;
    TypedHistory::save(items, map.store());
    EXPECT_EQ(map.keys.value("HistoryCount"), QString::number(TypedHistory::kMaxStored));
    const QStringList loaded = TypedHistory::load(map.store());
    ASSERT_EQ(loaded.size(), TypedHistory::kMaxStored);
    EXPECT_EQ(loaded.first(), "0");
    EXPECT_EQ(loaded.last(), QString::number(TypedHistory::kMaxStored - 1));
}

} // namespace
