#include "bars/bandlayout.h"

#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "support/isolation.h"

#include <gtest/gtest.h>

using namespace kelvane;
namespace BL = kelvane::BandLayout;
using Rows = QList<QList<int>>;

TEST(BandLayout, RowsFollowTheFlagsOfTheVisibleBands) {
    struct Case {
        const char* name;
        QList<bool> newRow;
        QList<bool> visible;
        Rows rows;
    };
    const QList<Case> cases = {
        {"first start", {false, true, true, true}, {true, true, true, true}, {{0}, {1}, {2}, {3}}},
        {"one row", {false, false, false, false}, {true, true, true, true}, {{0, 1, 2, 3}}},
        {"band 2 beside band 1",
         {false, false, true, true},
         {true, true, true, true},
         {{0, 1}, {2}, {3}}},
        {"hidden bands take no room",
         {false, true, true, true},
         {true, false, true, false},
         {{0}, {2}}},
        {"a continuing band follows the visible band before it",
         {false, true, false, true},
         {true, false, true, true},
         {{0, 2}, {3}}},
        {"the first visible band starts the first row",
         {false, false, false, true},
         {false, true, true, true},
         {{1, 2}, {3}}},
        {"nothing visible", {false, true, true, true}, {false, false, false, false}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BL::rows(c.newRow, c.visible), c.rows) << c.name;
}

TEST(BandLayout, SplitRowGivesTheLastBandTheRest) {
    struct Case {
        const char* name;
        QList<int> wanted;
        int available;
        QList<int> widths;
    };
    const int min = 24;
    const QList<Case> cases = {
        {"alone", {67}, 800, {800}},
        {"two", {200, 67}, 800, {200, 600}},
        {"three", {100, 150, 5000}, 800, {100, 150, 550}},
        {"below the minimum", {3, 0}, 800, {24, 776}},
        {"too wide: the nearest band gives way", {500, 280, 10}, 800, {500, 276, 24}},
        {"much too wide: every band before gives way", {500, 400, 10}, 600, {500, 76, 24}},
        {"cannot fit at all", {100, 100, 100}, 50, {24, 24, 24}},
        {"empty row", {}, 800, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BL::splitRow(c.wanted, c.available, min), c.widths) << c.name;
}

TEST(BandLayout, DragGripMovesWidthBetweenNeighbours) {
    struct Case {
        const char* name;
        QList<int> extents;
        int position;
        int dx;
        QList<int> result;
    };
    const int min = 24;
    const QList<Case> cases = {
        {"right", {200, 300, 300}, 1, 50, {250, 250, 300}},
        {"left", {200, 300, 300}, 1, -50, {150, 350, 300}},
        {"last band", {200, 300, 300}, 2, 40, {200, 340, 260}},
        {"stops at the band's minimum", {200, 300}, 1, 1000, {476, 24}},
        {"stops at the neighbour's minimum", {200, 300}, 1, -1000, {24, 476}},
        {"first band has no neighbour", {200, 300}, 0, 50, {200, 300}},
        {"no such band", {200, 300}, 2, 50, {200, 300}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BL::dragGrip(c.extents, c.position, c.dx, min), c.result) << c.name;
}

TEST(BandLayout, VerticalDragsOnlyMakeMovesThatKeepTheOrder) {
    using M = BL::Move;
    struct Case {
        const char* name;
        QList<bool> newRow;
        int band;
        bool upward;
        std::optional<M> move;
        Rows after;
    };
    const QList<bool> all = {true, true, true, true};
    const QList<Case> cases = {
        {"first of a row joins the row above",
         {false, true, true, true},
         1,
         true,
         M::JoinRowAbove,
         {{0, 1}, {2}, {3}}},
        {"its followers stay in their row",
         {false, true, false, true},
         1,
         true,
         M::JoinRowAbove,
         {{0, 1}, {2}, {3}}},
        {"the top row has nothing above", {false, true, true, true}, 0, true, std::nullopt, {}},
        {"a band after another cannot go up",
         {false, false, true, true},
         1,
         true,
         std::nullopt,
         {}},
        {"a lone band joins the row below",
         {false, true, true, true},
         1,
         false,
         M::JoinRowBelow,
         {{0}, {1, 2}, {3}}},
        {"the lone bottom band has nowhere to go",
         {false, true, true, true},
         3,
         false,
         std::nullopt,
         {}},
        {"a band after another takes a row of its own",
         {false, false, false, true},
         1,
         false,
         M::OwnRow,
         {{0}, {1}, {2}, {3}}},
        {"the last of a row takes a row of its own",
         {false, false, true, true},
         1,
         false,
         M::OwnRow,
         {{0}, {1}, {2}, {3}}},
        {"the first of a shared row cannot go down",
         {false, false, true, true},
         0,
         false,
         std::nullopt,
         {}},
    };
    for (const Case& c : cases) {
        const auto move = BL::moveForDrag(BL::rows(c.newRow, all), c.band, c.upward);
        EXPECT_EQ(move, c.move) << c.name;
        if (!move)
            continue;
        const auto flags = BL::applyMove(c.newRow, all, c.band, *move);
        ASSERT_TRUE(flags) << c.name;
        EXPECT_EQ(BL::rows(*flags, all), c.after) << c.name;
    }
}

TEST(BandLayout, ImpossibleMovesChangeNothing) {
    using M = BL::Move;
    const QList<bool> all = {true, true, true, true};
    const QList<bool> firstStart = {false, true, true, true};
    EXPECT_FALSE(BL::applyMove(firstStart, all, 0, M::JoinRowAbove));
    EXPECT_FALSE(BL::applyMove(firstStart, all, 2, M::OwnRow));
    EXPECT_FALSE(BL::applyMove({false, false, true, true}, all, 1, M::JoinRowBelow));
    EXPECT_FALSE(BL::applyMove(firstStart, {true, false, true, true}, 1, M::JoinRowAbove))
        << "a hidden band does not move";
}

TEST(BandLayout, HiddenBandsAreSkippedWhenMoving) {
    // Band 3 is hidden between bands 2 and 4, which share a row: band 4 is band 2's follower.
    const QList<bool> visible = {true, true, false, true};
    const auto flags =
        BL::applyMove({false, true, false, false}, visible, 1, BL::Move::JoinRowAbove);
    ASSERT_TRUE(flags);
    EXPECT_EQ(BL::rows(*flags, visible), (Rows{{0, 1}, {3}}));
}

class BandStoreTest : public ::testing::Test {
protected:
    test::IsolatedHome home;
    static void store(const QString& key, const QString& text) {
        writeSetting(QStringLiteral("Kelvane"), QStringLiteral("Settings"), key, text);
    }
    static QString stored(const QString& key) {
        return readSetting(QStringLiteral("Kelvane"), QStringLiteral("Settings"), key,
                           QStringLiteral("<none>"));
    }
};

TEST_F(BandStoreTest, FirstStartPutsEveryBandOnItsOwnRowAt1000Twips) {
    QList<BL::Stored> bands(4);
    bands[0].width = bands[1].width = 5;
    BL::load(bands);
    const QList<bool> expectedRows = {false, true, true, true};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(bands[i].newRow, expectedRows[i]) << i;
        EXPECT_EQ(bands[i].width, 1000.0f) << i;
    }
}

TEST_F(BandStoreTest, LoadReadsRowsAndWidthsButNeverBand1sRow) {
    store(QStringLiteral("BandRow1"), QStringLiteral("True"));
    store(QStringLiteral("BandRow2"), QStringLiteral("False"));
    store(QStringLiteral("BandRow3"), QStringLiteral("not a boolean"));
    store(QStringLiteral("BandWidth1"), QStringLiteral("4321.5"));
    store(QStringLiteral("BandWidth2"), QStringLiteral("-300"));
    store(QStringLiteral("BandWidth3"), QStringLiteral("1e30"));
    store(QStringLiteral("BandWidth4"), QStringLiteral("wide"));
    QList<BL::Stored> bands(4);
    BL::load(bands);
    EXPECT_FALSE(bands[0].newRow);
    EXPECT_FALSE(bands[1].newRow);
    EXPECT_TRUE(bands[2].newRow) << "an unreadable flag reads as its default";
    EXPECT_EQ(bands[0].width, 4321.5f);
    EXPECT_EQ(bands[1].width, 0.0f) << "a negative width is no width";
    EXPECT_EQ(bands[2].width, BL::kMaxWidthTwips);
    EXPECT_EQ(bands[3].width, 1000.0f);
}

TEST_F(BandStoreTest, SaveWritesRowsAndWidthsBandByBand) {
    QStringList writes;
    SettingsStore::setWriteObserver([&](const QString&, const QString& key, const QString& value) {
        writes.append(key + QLatin1Char('=') + value);
    });
    BL::save({{false, 2000}, {false, 1234.5f}, {true, 1000}});
    SettingsStore::setWriteObserver({});
    EXPECT_EQ(writes, (QStringList{"BandRow1=False", "BandWidth1=2000", "BandRow2=False",
                                   "BandWidth2=1234.5", "BandRow3=True", "BandWidth3=1000"}));

    QList<BL::Stored> back(3);
    BL::load(back);
    EXPECT_FALSE(back[1].newRow);
    EXPECT_EQ(back[1].width, 1234.5f);
}
