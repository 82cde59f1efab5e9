#include "base/screenfit.h"
#include "frame/keyrules.h"
#include "frame/zoomrule.h"

#include <QString>
#include <gtest/gtest.h>

using namespace kelvane;

TEST(KeyRules, DecisionTable) {
    using A = HookAction;
    using K = VirtualKey;
    // clang-format off
    // The modifiers: C(trl), S(hift), A(lt), R(epeated).
    const struct { int key; const char* modifiers; A action; bool passOn; } cases[] = {
        {K::D, "A", A::FocusAddressBar, false}, {K::D, "CA", A::FocusAddressBar, false},
        {K::D, "AR", A::None, true},            {K::D, "", A::None, true},
        {K::Escape, "", A::Stop, true},         {K::Escape, "R", A::None, true},
        {K::Hanja, "C", A::SwitchTab, false},   {K::Tab, "", A::None, true},
        {K::Home, "A", A::Home, false},         {K::Home, "", A::None, true},
        {K::N, "CS", A::FileNew, false},        {K::O, "C", A::FileOpen, false},
        {K::S, "C", A::Search, false},          {K::S, "A", A::None, true},
        {'X', "C", A::None, true},
        // What other browsers do with keys left free here.
        {K::T, "C", A::FileNew, false},         {K::T, "CS", A::None, true},
        {K::L, "C", A::FocusAddressBar, false}, {K::L, "A", A::None, true}};
    // clang-format on
    for (const auto& c : cases) {
        const QString m = QLatin1String(c.modifiers);
        const HookDecision d =
            decideKey(c.key, m.contains('C'), m.contains('S'), m.contains('A'), m.contains('R'));
        EXPECT_EQ(d.action, c.action) << c.key << c.modifiers;
        EXPECT_EQ(d.passOn, c.passOn) << c.key << c.modifiers;
    }
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Backtab), K::Tab) << "Shift+Tab arrives as Backtab";
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_F5), 0);
}

// An engine answering out of range (-3, 9) is read as the nearest size.
TEST(ZoomRule, StepsStayInRangeAndResetGoesToMedium) {
    // level, one up, one down, reset steps (negative: decreases)
    const int cases[][4] = {{0, 1, 0, 2},  {1, 2, 0, 1},  {2, 3, 1, 0}, {3, 4, 2, -1},
                            {4, 4, 3, -2}, {-3, 1, 0, 2}, {9, 4, 3, -2}};
    for (const auto& [level, up, down, reset] : cases) {
        EXPECT_EQ(increasedZoomLevel(level), up) << level;
        EXPECT_EQ(decreasedZoomLevel(level), down) << level;
        const ZoomResetSteps steps = zoomResetSteps(level);
        EXPECT_EQ(steps.count == 0 ? 0 : steps.increase ? steps.count : -steps.count, reset);
    }
}

TEST(ScreenFit, FramesKeepToTheFreeAreaOfTheScreen) {
    const QRect area(0, 20, 1600, 980), fits(100, 100, 800, 600); // a panel above
    const QRect cases[][2] = {{fits, fits},
                              {{0, 20, 1600, 1000}, {0, 20, 1600, 980}},
                              {{-50, 0, 800, 600}, {0, 20, 800, 600}},
                              {{1200, 700, 800, 600}, {800, 400, 800, 600}},
                              {{300, 10, 2000, 2000}, area}};
    for (const auto& [frame, expected] : cases)
        EXPECT_EQ(fitIntoArea(frame, area), expected) << frame.x() << ',' << frame.y();
}

TEST(ScreenFit, PlacesKeepTheirSpotOfA1600x1000ScreenAcrossScales) {
    // place saved, at scale, restored at scale, place given back (logical pixels)
    const std::tuple<QRect, double, double, QRect> cases[] = {
        {{100, 50, 1200, 800}, 1, 2, {50, 25, 600, 400}},
        {{50, 25, 600, 400}, 2, 1, {100, 50, 1200, 800}},
        {{80, 40, 960, 640}, 1.25, 1.5, {67, 33, 800, 533}},
        {{200, 300, 1200, 700}, 2, 1, {0, 0, 1600, 1000}}};
    for (const auto& [saved, from, to, expected] : cases) {
        const auto back = [&](int pixels) {
            return placeFromTwips(float(placeToTwips(pixels, 96, from)), 96, to);
        };
        const QRect place(back(saved.x()), back(saved.y()), back(saved.width()),
                          back(saved.height()));
        EXPECT_EQ(fitIntoArea(place, QRect(0, 0, 1600 / to, 1000 / to)), expected) << from << to;
    }
}
