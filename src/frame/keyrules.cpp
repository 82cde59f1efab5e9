#include "frame/keyrules.h"

#include <Qt>

namespace kelvane {

HookDecision decideKey(int virtualKey, bool ctrl, bool /*shift*/, bool alt, bool repeated) {
    if (repeated) {
        ctrl = false;
        alt = false;
    }
    switch (virtualKey) {
    case vk::D:
        if (alt)
            return {HookAction::FocusAddressBar, false};
        break;
    case vk::Escape:
        if (!repeated)
            return {HookAction::Stop, true};
        break;
    case vk::Tab:
    case vk::Hanja:
        if (ctrl)
            return {HookAction::SwitchTab, false};
        break;
    case vk::Home:
        if (alt)
            return {HookAction::Home, false};
        break;
    case vk::N:
        if (ctrl)
            return {HookAction::FileNew, false};
        break;
    case vk::O:
        if (ctrl)
            return {HookAction::FileOpen, false};
        break;
    case vk::S:
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
        return vk::Tab;
    case Qt::Key_Escape:
        return vk::Escape;
    case Qt::Key_Home:
        return vk::Home;
    default:
        break;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // letters share their codes
    return 0;
}

int nextTabIndex(int count, int current, bool backwards) {
    if (count < 2)
        return 0;
    if (current < 1 || current > count)
        current = 1;
    if (backwards)
        return current == 1 ? count : current - 1;
    return current == count ? 1 : current + 1;
}

} // namespace kelvane
