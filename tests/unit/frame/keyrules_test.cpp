#include "frame/keyrules.h"

#include <Qt>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

struct KeyCase {
    const char* name;
    int key;
    bool ctrl, shift, alt, repeated;
    HookAction action;
    bool passOn;
};

const KeyCase kCases[] = {
    {"Alt+D focuses the address bar", VirtualKey::D, false, false, true, false, HookAction::FocusAddressBar,
     false},
    {"Ctrl+Alt+D still counts as Alt+D", VirtualKey::D, true, false, true, false,
     HookAction::FocusAddressBar, false},
    {"plain D is typed", VirtualKey::D, false, false, false, false, HookAction::None, true},
    {"Esc stops and still reaches the control", VirtualKey::Escape, false, false, false, false,
     HookAction::Stop, true},
    {"held Esc stops once", VirtualKey::Escape, false, false, false, true, HookAction::None, true},
    {"Ctrl+Tab switches", VirtualKey::Tab, true, false, false, false, HookAction::SwitchTab, false},
    {"Ctrl+Shift+Tab switches", VirtualKey::Tab, true, true, false, false, HookAction::SwitchTab, false},
    {"code 25 with Ctrl switches too", VirtualKey::Hanja, true, false, false, false, HookAction::SwitchTab,
     false},
    {"plain Tab moves focus", VirtualKey::Tab, false, false, false, false, HookAction::None, true},
    {"Alt+Home goes home", VirtualKey::Home, false, false, true, false, HookAction::Home, false},
    {"Home alone scrolls", VirtualKey::Home, false, false, false, false, HookAction::None, true},
    {"Ctrl+N new", VirtualKey::N, true, false, false, false, HookAction::FileNew, false},
    {"Ctrl+Shift+N is still new", VirtualKey::N, true, true, false, false, HookAction::FileNew, false},
    {"held Ctrl+N opens one document", VirtualKey::N, true, false, false, true, HookAction::None, true},
    {"Ctrl+O open", VirtualKey::O, true, false, false, false, HookAction::FileOpen, false},
    {"Ctrl+S search", VirtualKey::S, true, false, false, false, HookAction::Search, false},
    {"Alt+S is not search", VirtualKey::S, false, false, true, false, HookAction::None, true},
    {"held Alt+D passes", VirtualKey::D, false, false, true, true, HookAction::None, true},
    {"Ctrl+X passes to the control", 'X', true, false, false, false, HookAction::None, true},
};

} // namespace

TEST(KeyRules, DecisionTable) {
    for (const KeyCase& c : kCases) {
        const HookDecision d = decideKey(c.key, c.ctrl, c.shift, c.alt, c.repeated);
        EXPECT_EQ(d.action, c.action) << c.name;
        EXPECT_EQ(d.passOn, c.passOn) << c.name;
    }
}

TEST(KeyRules, QtKeysMapToVirtualKeys) {
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_D), VirtualKey::D);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Backtab), VirtualKey::Tab); // Shift+Tab arrives as Backtab
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Escape), VirtualKey::Escape);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Home), VirtualKey::Home);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_F5), 0);
}

TEST(KeyRules, NextTabWrapsAround) {
    EXPECT_EQ(nextTabIndex(1, 1, false), 0) << "one tab: nothing happens";
    EXPECT_EQ(nextTabIndex(0, 0, false), 0);
    EXPECT_EQ(nextTabIndex(3, 3, false), 1) << "after the last comes the first";
    EXPECT_EQ(nextTabIndex(3, 1, true), 3) << "before the first comes the last";
    EXPECT_EQ(nextTabIndex(3, 2, false), 3);
    EXPECT_EQ(nextTabIndex(3, 2, true), 1);
    EXPECT_EQ(nextTabIndex(3, 0, false), 2) << "no selection counts as the first tab";
}
