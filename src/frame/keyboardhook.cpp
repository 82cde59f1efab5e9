#include "frame/keyboardhook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace kelvane {

KeyboardHook::KeyboardHook(Handler handler, QObject* parent)
    : QObject(parent)
    , m_handler(std::move(handler)) {}

KeyboardHook::~KeyboardHook() {
    remove();
}

void KeyboardHook::install() {
    if (!m_installed && qApp) {
        qApp->installEventFilter(this);
        m_installed = true;
    }
}

void KeyboardHook::remove() {
    if (m_installed && qApp) {
        qApp->removeEventFilter(this);
        m_installed = false;
    }
}

bool KeyboardHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // An unhandled key travels up from the focus widget to its parents, passing this filter
    // each time; only the first receiver counts, so a key acts once.
    QWidget* first = QApplication::focusWidget();
    if (!first)
        first = QApplication::activeWindow();
    if (watched != first)
        return false;

    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers();
    const bool shift = mods.testFlag(Qt::ShiftModifier);
    const HookDecision decision =
        decideKey(virtualKeyFromQt(key->key()), mods.testFlag(Qt::ControlModifier), shift,
                  mods.testFlag(Qt::AltModifier), key->isAutoRepeat());
    if (decision.action != HookAction::None && m_handler)
        m_handler(decision.action, shift);
    return !decision.passOn;
}

} // namespace kelvane
