#pragma once

#include "frame/keyrules.h"

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>

class QKeyEvent;

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

    // Keys of the menus that act whatever has the focus: a page never takes them for itself.
    void setMenuKeys(const QList<QKeySequence>& keys) { m_menuKeys = keys; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static HookDecision decide(const QKeyEvent* key);
    bool isMenuKey(const QKeyEvent* key) const;

    Handler m_handler;
    QList<QKeySequence> m_menuKeys;
    bool m_installed = false;
};

} // namespace kelvane
