#pragma once

namespace kelvane {

// What the main window's keyboard hook does with a key press.
enum class HookAction {
    None,
    FocusAddressBar, // Alt+D, and Ctrl+L as in other browsers
    Stop,            // Esc
    SwitchTab,       // Ctrl+Tab, Ctrl+Shift+Tab
    Home,            // Alt+Home
    FileNew,         // Ctrl+N, and Ctrl+T as in other browsers
    FileOpen,        // Ctrl+O
    Search,          // Ctrl+S
};

struct HookDecision {
    HookAction action = HookAction::None;
    bool passOn = true; // false: the focused control and the menus never see the key
};

// Virtual key codes the hook knows.
struct VirtualKey {
    static constexpr int Tab = 9;
    static constexpr int Hanja = 25;
    static constexpr int Escape = 27;
    static constexpr int Home = 36;
    static constexpr int D = 68;
    static constexpr int L = 76;
    static constexpr int N = 78;
    static constexpr int O = 79;
    static constexpr int S = 83;
    static constexpr int T = 84;
};

// repeated: the key was already down (auto-repeat); Ctrl and Alt then count as up.
HookDecision decideKey(int virtualKey, bool ctrl, bool shift, bool alt, bool repeated);

// The virtual key code for a Qt key (Qt::Key_Backtab is Tab with Shift); 0 when unknown.
int virtualKeyFromQt(int qtKey);

} // namespace kelvane
