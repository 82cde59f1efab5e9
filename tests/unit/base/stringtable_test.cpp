#include "base/stringtable.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kelvane;

namespace {

struct Spot {
    int id;
    const char16_t* text;
};

// The entries whose exact characters are easy to get wrong, and the ends of each group.
const Spot kSpots[] = {
    {100, u"Kelvane"},
    {109, u"Version 1.50"},
    {501, u"&OK"},
    {1015, u"Cu&t\tCtrl+X"},
    {1016, u"&Copy\tCtrl+C"},
    {1017, u"&Paste\tCtrl+V"},
    {1071, u"Select A&ll\tCtrl+A"},
    {1034, u"&About "},
    {1502, u"Don't ask for this in the future."},
    {3203, u"If sites toolbar is not visible, you wont be able to get benifit of User Links.To "
           u"show the sites toolbar, check it from the \"View-Sites Toolbar\" menu."},
    {3021, u"Error passwords do NOT match, please type a correct password"},
    {3511, u"..."},
    {4003, u"Search"},
};

TEST(StringTable, ExactTexts) {
    for (const Spot& spot : kSpots) {
        SCOPED_TRACE(spot.id);
        const QString expected = QString::fromUtf16(spot.text);
        EXPECT_EQ(tableString(spot.id), expected);
        ASSERT_TRUE(findTableString(spot.id).has_value());
        EXPECT_EQ(*findTableString(spot.id), expected);
    }
}

TEST(StringTable, MissingIdentifiers) {
    // Gaps inside the groups, the ends, and values that alias an entry when cut to 16 bits.
    for (int id : {0, -1, 99, 108, 110, 502, 1048, 1055, 1121, 1131, 3023, 3204, 4004, 65536 + 100,
                   -65536 + 100, 32767, -32768}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(findTableString(id).has_value());
        EXPECT_TRUE(tableString(id).isEmpty());
    }
}

TEST(StringTable, HoldsEveryEntryOnce) {
    const QList<int> ids = tableIdentifiers();
    // 9 application, 2 About, 35 menus, 30 standard, 63 main window, 6 association,
    // 31 favorites, 5 Navigator, 23 options, 4 user links, 6 password, 6 notes, 4 Quick Search.
    EXPECT_EQ(ids.size(), 224);
    EXPECT_TRUE(std::ranges::adjacent_find(ids, std::greater_equal<>()) == ids.end());
    for (int id : ids) {
        SCOPED_TRACE(id);
        EXPECT_GT(id, 0);
        EXPECT_LE(id, 32767);
        EXPECT_FALSE(tableString(id).isEmpty());
    }
}

} // namespace
