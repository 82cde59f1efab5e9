#include "mainwnd/menuimages.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace kelvane;

TEST(MenuImages, KeysInImageListOrder) {
    const QStringList expected = {
        "Open",     "Options1", "Options",   "Home1",   "Find",    "New",  "Save",  "Copy",
        "Cut",      "Paste",    "Back",      "Forward", "Refresh", "Stop", "Print", "Source",
        "FontDown", "FontUp",   "Favorites", "Search",  "Home2",   "Mail", "News"};
    EXPECT_EQ(menuImageKeys(), expected);
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(GetMenuImageIndex(expected[i]), i) << expected[i].toStdString();
    EXPECT_EQ(GetMenuImageIndex(QStringLiteral("Nothing")), -1);
    EXPECT_EQ(GetMenuImageIndex(QString()), -1);
}

TEST(MenuImages, AssignmentsInOrderWithTheirIndexes) {
    const struct {
        const char* item;
        int index;
    } expected[] = {
        {"mnuFileNew", 5},         {"mnuFileOpen", 0},
        {"mnuFileSaveAs", 6},      {"mnuFilePrint", 14},
        {"mnuEditCopy", 7},        {"mnuEditCut", 8},
        {"mnuEditPaste", 9},       {"mnuEditIncFont", 17},
        {"mnuEditDecFont", 16},    {"mnuEditFind", 4},
        {"mnuNavigateBack", 10},   {"mnuNavigateForward", 11},
        {"mnuNavigateStop", 13},   {"mnuNavigateHome1", 3},
        {"mnuNavigateHome2", 20},  {"mnuNavigateMail", 21},
        {"mnuNavigateSearch", 19}, {"mnuNavigateNews", 22},
        {"mnuViewOptions", 2},     {"mnuViewInternetOptions", 2},
        {"mnuViewFav", 18},        {"mnuQSource", 4},
        {"mnuViewSource", 15},     {"mnuWindowNewWindow", 5},
    };
    const QList<MenuImageAssignment> assignments = menuImageAssignments();
    ASSERT_EQ(assignments.size(), int(std::size(expected)));
    for (int i = 0; i < assignments.size(); ++i) {
        EXPECT_EQ(assignments[i].item, QLatin1String(expected[i].item)) << i;
        EXPECT_EQ(GetMenuImageIndex(assignments[i].key), expected[i].index) << expected[i].item;
    }
}

TEST(MenuImages, SharedAndUnusedPictures) {
    QHash<QString, QString> keyOf;
    QSet<QString> used;
    for (const MenuImageAssignment& a : menuImageAssignments()) {
        keyOf.insert(a.item, a.key);
        used.insert(a.key);
    }
    EXPECT_EQ(keyOf.size(), 24) << "no item is assigned twice";
    EXPECT_EQ(keyOf["mnuEditFind"], keyOf["mnuQSource"]);
    EXPECT_EQ(keyOf["mnuViewOptions"], keyOf["mnuViewInternetOptions"]);
    EXPECT_EQ(keyOf["mnuFileNew"], keyOf["mnuWindowNewWindow"]);
    EXPECT_FALSE(used.contains(QStringLiteral("Options1")));
    EXPECT_FALSE(used.contains(QStringLiteral("Refresh")));
    EXPECT_EQ(used.size(), 21);
}
