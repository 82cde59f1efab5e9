#include "bars/toolbarlayout.h"

#include <gtest/gtest.h>

using namespace kelvane;
using ToolbarLayout::Entry;

namespace {

const QStringList kKeys = {"New", "Back", "Separator", "Mail"};

} // namespace

TEST(ToolbarLayout, TextRoundTrip) {
    const QList<QList<Entry>> layouts = {
        {{"New", true}, {"Back", true}, {"Separator", true}, {"Mail", true}},
        {{"Mail", true}, {"Separator", false}, {"New", false}, {"Back", true}},
    };
    for (const auto& layout : layouts) {
        const QString text = ToolbarLayout::toText(layout);
        EXPECT_EQ(ToolbarLayout::fromText(text, kKeys), layout) << qPrintable(text);
    }
    EXPECT_EQ(ToolbarLayout::toText(layouts[1]), QStringLiteral("1 Mail -Separator -New Back"));
}

TEST(ToolbarLayout, UntrustworthyTextsAreRefused) {
    const QStringList texts = {
        "",
        "garbage",
        "2 New Back Separator Mail",        // another version
        "New Back Separator Mail",          // no version
        "1 New Back Separator",             // a key missing
        "1 New Back Separator Mail Mail",   // a key twice
        "1 New -Back Separator Mail -Back", // twice, once hidden
        "1 New Back Separator Mail Stop",   // unknown key
        "1 new Back Separator Mail",        // keys are exact
        "1 New Back Separator --Mail",
        "1 New,Back,Separator,Mail",
    };
    for (const QString& text : texts)
        EXPECT_FALSE(ToolbarLayout::fromText(text, kKeys)) << qPrintable(text);
}

TEST(ToolbarLayout, ExtraBlanksAreHarmless) {
    const auto entries = ToolbarLayout::fromText("  1  Back New   -Mail Separator ", kKeys);
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->at(2), (Entry{"Mail", false}));
}
