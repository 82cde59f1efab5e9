#include "frame/keyrules.h"

#include <Qt>

namespace kelvane {

HookDecision decideKey(int virtualKey, bool ctrl, bool shift, bool alt, bool repeated) {
    if (repeated) {
        ctrl = false;
        alt = false;
    }
    switch (virtualKey) {
    case VirtualKey::D:
        if (alt)
            return {HookAction::FocusAddressBar, false};
        break;
    case VirtualKey::L:
        if (ctrl)
            return {HookAction::FocusAddressBar, false};
        break;
    case VirtualKey::Escape:
        if (!repeated)
            return {HookAction::Stop, true};
        break;
    case VirtualKey::Tab:
    case VirtualKey::Hanja:
        if (ctrl)
            return {HookAction::SwitchTab, false};
        break;
    case VirtualKey::Home:
        if (alt)
            return {HookAction::Home, false};
        break;
    case VirtualKey::T:
        // Ctrl+Shift+T is the menu's: it reopens the last closed document.
        if (ctrl && !shift)
            return {HookAction::FileNew, false};
        break;
    case VirtualKey::N:
        if (ctrl)
            return {HookAction::FileNew, false};
        break;
    case VirtualKey::O:
        if (ctrl)
            return {HookAction::FileOpen, false};
        break;
    case VirtualKey::S:
        if (ctrl)
            return {HookAction::Search, false};
        break;
    default:
        break;
    }
    return {};
}

int virtualKeyFromQt(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VirtualKey::Tab;
    case Qt::Key_Escape:
        return VirtualKey::Escape;
    case Qt::Key_Home:
        return VirtualKey::Home;
    default:
        break;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // letters share their codes
    return 0;
}

} // namespace kelvane
