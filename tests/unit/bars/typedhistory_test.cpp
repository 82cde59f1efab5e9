#include "bars/typedhistory.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

// Keys in memory, every write recorded in order.
struct MapStore {
    QMap<QString, QString> keys;
    QStringList writes;
    HistoryStore store() {
        return {[this](const QString& key, const QString& def) { return keys.value(key, def); },
                [this](const QString& key, const QString& value) {
                    keys.insert(key, value);
                    writes << key + '=' + value;
                }};
    }
};

TEST(TypedHistory, SavesOldestFirstWithoutEmptyItemsAndTheCountLast) {
    MapStore map;
    TypedHistory::save({"x", "y", "z", "w"}, map.store());
    map.writes.clear();
    TypedHistory::save({"A", "", "B", "C", ""}, map.store());
    EXPECT_EQ(map.writes, (QStringList{"HistorySite1=C", "HistorySite2=B", "HistorySite3=A",
                                       "HistoryCount=3"}));
    EXPECT_EQ(TypedHistory::load(map.store()), (QStringList{"A", "B", "C"}));

    map.keys = {{"HistoryCount", "3"}, {"HistorySite1", "one"}, {"HistorySite3", "three"}};
    EXPECT_EQ(TypedHistory::load(map.store()), (QStringList{"three", "0", "one"}));
    for (const char* count : {"-2", "junk", "70000"}) {
        map.keys = {{"HistoryCount", count}, {"HistorySite1", "x"}};
        EXPECT_TRUE(TypedHistory::load(map.store()).isEmpty()) << count;
    }
}

TEST(TypedHistory, AListPastTheCountRangeKeepsItsNewestItems) {
    QStringList items;
    for (int i = 0; i < TypedHistory::kMaxStored + 3; ++i)
        items << QString::number(i); // "0" is the newest
    MapStore map;
    TypedHistory::save(items, map.store());
    const QStringList loaded = TypedHistory::load(map.store());
    ASSERT_EQ(loaded.size(), TypedHistory::kMaxStored);
    EXPECT_EQ(loaded.first(), "0");
    EXPECT_EQ(loaded.last(), QString::number(TypedHistory::kMaxStored - 1));
}

} // namespace
