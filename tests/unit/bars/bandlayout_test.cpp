#include "bars/bandlayout.h"
#include "bars/toolbarlayout.h"
#include "bars/typedhistory.h"

#include "base/settingsstore.h"
#include "support/isolation.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace kelvane;
using BL = BandLayout;
using Rows = QList<QList<int>>;

namespace {

// Flags of four bands from a text: '+' true, '-' false.
QList<bool> flags(const char* text) {
    QList<bool> list;
    for (const char* c = text; *c; ++c)
        list << (*c == '+');
    return list;
}

TEST(BandLayout, RowsFollowTheFlagsOfTheVisibleBands) {
    // clang-format off
    const struct { const char *newRow, *visible; Rows rows; } cases[] = {
        {"-+++", "++++", {{0}, {1}, {2}, {3}}}, {"--++", "++++", {{0, 1}, {2}, {3}}},
        {"-+++", "+-+-", {{0}, {2}}},           {"-+-+", "+-++", {{0, 2}, {3}}},
        {"---+", "-+++", {{1, 2}, {3}}},        {"-+++", "----", {}}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(BL::rows(flags(c.newRow), flags(c.visible)), c.rows) << c.newRow << c.visible;
}

TEST(BandLayout, SplitRowAndDragGripKeepTheMinimum) {
    // clang-format off
    const struct { QList<int> wanted; int available; QList<int> widths; } splits[] = {
        {{67}, 800, {800}}, {{100, 150, 5000}, 800, {100, 150, 550}}, {{3, 0}, 800, {24, 776}},
        {{500, 280, 10}, 800, {500, 276, 24}}, {{500, 400, 10}, 600, {500, 76, 24}},
        {{100, 100, 100}, 50, {24, 24, 24}}};
    // clang-format on
    for (const auto& c : splits)
        EXPECT_EQ(BL::splitRow(c.wanted, c.available, 24), c.widths) << c.available;
    EXPECT_EQ(BL::dragGrip({200, 300, 300}, 1, 50, 24), (QList<int>{250, 250, 300}));
    EXPECT_EQ(BL::dragGrip({200, 300, 300}, 1, -1000, 24), (QList<int>{24, 476, 300}));
    EXPECT_EQ(BL::dragGrip({200, 300, 300}, 0, 50, 24), (QList<int>{200, 300, 300}));
}

TEST(BandLayout, VerticalDragsOnlyMakeMovesThatKeepTheOrder) {
    using M = BL::Move;
    const QList<bool> all = flags("++++");
    // clang-format off
    const struct { const char* newRow; int band; bool up; std::optional<M> move; Rows after; }
        cases[] = {
        {"-+++", 1, true, M::JoinRowAbove, {{0, 1}, {2}, {3}}},
        {"-+-+", 1, true, M::JoinRowAbove, {{0, 1}, {2}, {3}}}, // its followers stay
        {"-+++", 0, true, std::nullopt, {}},  {"--++", 1, true, std::nullopt, {}},
        {"-+++", 1, false, M::JoinRowBelow, {{0}, {1, 2}, {3}}},
        {"-+++", 3, false, std::nullopt, {}},
        {"---+", 1, false, M::OwnRow, {{0}, {1}, {2}, {3}}}, {"--++", 0, false, std::nullopt, {}}};
    // clang-format on
    for (const auto& c : cases) {
        const auto move = BL::moveForDrag(BL::rows(flags(c.newRow), all), c.band, c.up);
        EXPECT_EQ(move, c.move) << c.newRow << c.band << c.up;
        const auto after = move ? BL::applyMove(flags(c.newRow), all, c.band, *move) : std::nullopt;
        EXPECT_EQ(after ? BL::rows(*after, all) : Rows{}, c.after) << c.newRow << c.band;
    }
    EXPECT_FALSE(BL::applyMove(flags("-+++"), flags("+-++"), 1, M::JoinRowAbove)) << "hidden";
}

TEST(BandLayout, StoredLayoutSurvivesDamagedValues) {
    test::IsolatedHome home;
    const char* const stored[][2] = {{"BandRow1", "True"},          {"BandRow2", "False"},
                                     {"BandRow3", "not a boolean"}, {"BandWidth1", "4321.5"},
                                     {"BandWidth2", "-300"},        {"BandWidth3", "1e30"},
                                     {"BandWidth4", "wide"}};
    for (const auto& [key, text] : stored)
        writeSetting("Kelvane", "Settings", key, text);
    QList<BL::Stored> bands(4);
    BL::load(bands);
    // Band 1's row flag is never read back; an unreadable flag reads as its default.
    EXPECT_TRUE(!bands[0].newRow && !bands[1].newRow && bands[2].newRow);
    const float widths[] = {4321.5f, 0.0f, BL::kMaxWidthTwips, 1000.0f};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bands[i].width, widths[i]) << i;
    BL::save({{true, 2000}, {false, 1234.5f}});
    EXPECT_EQ(readSetting("Kelvane", "Settings", "BandWidth2", {}), QStringLiteral("1234.5"));
}

} // namespace

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
    // A list past the count's range keeps its newest items ("0").
    QStringList items;
    for (int i = 0; i < TypedHistory::kMaxStored + 3; ++i)
        items << QString::number(i);
    TypedHistory::save(items, map.store());
    EXPECT_EQ(TypedHistory::load(map.store()), items.first(TypedHistory::kMaxStored));
}

} // namespace
