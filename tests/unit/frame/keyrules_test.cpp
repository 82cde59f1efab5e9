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
    {"Alt+D focuses the address bar", vk::D, false, false, true, false, HookAction::FocusAddressBar,
     false},
    {"Ctrl+Alt+D still counts as Alt+D", vk::D, true, false, true, false,
     HookAction::FocusAddressBar, false},
    {"plain D is typed", vk::D, false, false, false, false, HookAction::None, true},
    {"Esc stops and still reaches the control", vk::Escape, false, false, false, false,
     HookAction::Stop, true},
    {"held Esc stops once", vk::Escape, false, false, false, true, HookAction::None, true},
    {"Ctrl+Tab switches", vk::Tab, true, false, false, false, HookAction::SwitchTab, false},
    {"Ctrl+Shift+Tab switches", vk::Tab, true, true, false, false, HookAction::SwitchTab, false},
    {"code 25 with Ctrl switches too", vk::Hanja, true, false, false, false, HookAction::SwitchTab,
     false},
    {"plain Tab moves focus", vk::Tab, false, false, false, false, HookAction::None, true},
    {"Alt+Home goes home", vk::Home, false, false, true, false, HookAction::Home, false},
    {"Home alone scrolls", vk::Home, false, false, false, false, HookAction::None, true},
    {"Ctrl+N new", vk::N, true, false, false, false, HookAction::FileNew, false},
    {"Ctrl+Shift+N is still new", vk::N, true, true, false, false, HookAction::FileNew, false},
    {"held Ctrl+N opens one document", vk::N, true, false, false, true, HookAction::None, true},
    {"Ctrl+O open", vk::O, true, false, false, false, HookAction::FileOpen, false},
    {"Ctrl+S search", vk::S, true, false, false, false, HookAction::Search, false},
    {"Alt+S is not search", vk::S, false, false, true, false, HookAction::None, true},
    {"held Alt+D passes", vk::D, false, false, true, true, HookAction::None, true},
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
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_D), vk::D);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Backtab), vk::Tab); // Shift+Tab arrives as Backtab
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Escape), vk::Escape);
    EXPECT_EQ(virtualKeyFromQt(Qt::Key_Home), vk::Home);
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
