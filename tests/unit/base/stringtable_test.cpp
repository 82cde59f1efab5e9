#include "base/stringtable.h"

#include <gtest/gtest.h>

using namespace kelvane;

TEST(StringTable, IdentifiersAreExactAndSorted) {
    // Gaps inside the groups, and values that alias an entry when cut to 16 bits.
    for (int id : {0, -1, 99, 101, 1121, 3022, 65536 + 100, -65536 + 100, 32767, -32768}) {
        EXPECT_FALSE(findTableString(id).has_value()) << id;
        EXPECT_TRUE(tableString(id).isEmpty()) << id;
    }
    EXPECT_EQ(tableString(1015), QStringLiteral("Cu&t\tCtrl+X"));
    const QList<int> ids = tableIdentifiers();
    EXPECT_TRUE(std::ranges::is_sorted(ids) && std::ranges::adjacent_find(ids) == ids.end());
    for (int id : ids)
        EXPECT_FALSE(tableString(id).isEmpty()) << id;
}
