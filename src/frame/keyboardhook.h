#pragma once

#include "frame/keyrules.h"

#include <QObject>

#include <functional>

namespace kelvane {

// The main window's keyboard hook: an application-wide event filter that sees every key press
// before the focused control (the page included) and the menus.
class KeyboardHook : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(HookAction action, bool shift)>;

    explicit KeyboardHook(Handler handler, QObject* parent = nullptr);
    ~KeyboardHook() override;

    void install();
    void remove();
    bool isInstalled() const { return m_installed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler m_handler;
    bool m_installed = false;
};

} // namespace kelvane
