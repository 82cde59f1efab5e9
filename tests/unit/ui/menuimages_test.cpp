#include "ui/menuimages.h"

#include <gtest/gtest.h>

using namespace kelvane;

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
    EXPECT_EQ(GetMenuImageIndex(QStringLiteral("Nothing")), -1);
}
