#include "bars/toolbarlayout.h"

#include <gtest/gtest.h>

using namespace kelvane;

TEST(ToolbarLayout, RoundTripAndUntrustworthyTexts) {
    const QStringList keys = {"New", "Back", "Separator", "Mail"};
    const QList<ToolbarLayout::Entry> layout = {
        {"Mail", true}, {"Separator", false}, {"New", false}, {"Back", true}};
    EXPECT_EQ(ToolbarLayout::toText(layout), QStringLiteral("1 Mail -Separator -New Back"));
    EXPECT_EQ(ToolbarLayout::fromText(ToolbarLayout::toText(layout), keys), layout);
    EXPECT_EQ(ToolbarLayout::fromText("  1  Mail -Separator   -New Back ", keys), layout);

    for (const char* text :
         {"", "garbage", "2 New Back Separator Mail", "New Back Separator Mail",
          "1 New Back Separator", "1 New Back Separator Mail Mail",
          "1 New -Back Separator Mail -Back", "1 New Back Separator Mail Stop",
          "1 new Back Separator Mail", "1 New Back Separator --Mail", "1 New,Back,Separator,Mail"})
        EXPECT_FALSE(ToolbarLayout::fromText(QLatin1String(text), keys)) << text;
}
