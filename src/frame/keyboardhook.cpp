#include "frame/keyboardhook.h"

#include <QApplication>
#include <QDialog>
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

HookDecision KeyboardHook::decide(const QKeyEvent* key) {
    const Qt::KeyboardModifiers mods = key->modifiers();
    return decideKey(virtualKeyFromQt(key->key()), mods.testFlag(Qt::ControlModifier),
                     mods.testFlag(Qt::ShiftModifier), mods.testFlag(Qt::AltModifier),
                     key->isAutoRepeat());
}

bool KeyboardHook::isMenuKey(const QKeyEvent* key) const {
    if (m_menuKeys.contains(QKeySequence(key->keyCombination())))
        return true;
    // "Ctrl++" is typed with Shift on most layouts, or on the keypad.
    const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return mods != key->modifiers() && key->key() < Qt::Key_A &&
           m_menuKeys.contains(QKeySequence(QKeyCombination(mods, Qt::Key(key->key()))));
}

bool KeyboardHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    // A dialog keeps its keys: Ctrl+Tab turns its pages, Esc closes it and stops no page.
    if (QApplication::activeModalWidget() || qobject_cast<QDialog*>(QApplication::activeWindow()))
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The hook's own keys come to it as key presses before any shortcut sees them.
        if (decide(key).action != HookAction::None) {
            event->accept();
            return true;
        }
        // The page is asked first whether it wants a key before the menus see it, and it
        // wants most keys; the menus' keys are not its to take.
        if (isMenuKey(key)) {
            event->ignore();
            return true;
        }
        return false;
    }
    // An unhandled key travels up from the focus widget to its parents, passing this filter
    // each time; only the first receiver counts, so a key acts once. (Compared, not asked: the
    // page's scene items that pass by too are of classes built without type information.)
    QWidget* first = QApplication::focusWidget();
    if (!first)
        first = QApplication::activeWindow();
    if (!first || watched != first)
        return false;

    const auto* key = static_cast<QKeyEvent*>(event);
    const HookDecision decision = decide(key);
    if (decision.action != HookAction::None && m_handler)
        m_handler(decision.action, key->modifiers().testFlag(Qt::ShiftModifier));
    return !decision.passOn;
}

} // namespace kelvane
