#pragma once

#include "dialogs/passwordprompt.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QSystemTrayIcon;
class QWidget;

namespace kelvane {

// The browser's icon in the system tray while "Minimize To Tray" is on. Minimizing the main
// window then hides it; a double click on the icon brings it back, through the password prompt
// when a password is set. Single and right clicks do nothing, except where the tray reports
// every activation as a single click (a StatusNotifier host: Plasma, most panels today); there
// the click is the way back. Where the desktop has no tray, minimizing never hides the window:
// nothing could bring it back.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    // available tells whether the desktop has a tray (asked each time: trays come and go);
    // clickOnly whether its clicks arrive as single clicks only (asked when the icon is made).
    explicit TrayIcon(QWidget* window, std::function<bool()> available = defaultAvailability(),
                      std::function<bool()> clickOnly = isStatusNotifierHost);
    ~TrayIcon() override;

    static std::function<bool()> defaultAvailability();
    // Whether the session's tray is a StatusNotifier host, which Qt then talks to over D-Bus.
    static bool isStatusNotifierHost();
    bool isAvailable() const { return m_available(); }

    // Shows the icon, tool tip string 102; remove() takes it away.
    void add();
    void remove();
    bool isAdded() const;
    QSystemTrayIcon* icon() const { return m_icon; }

    // The window was just minimized: with the option on and a tray to come back from, it hides.
    // It keeps the single-instance lock: later starts hand over to it.
    void windowMinimized();
    // True while the window is hidden and only the password brings it back.
    bool isGuarding() const;
    // The icon's double click: the window comes back, through the password prompt while
    // guarding (answered by passwordAnswered).
    void doubleClicked();
    // Made on first use; null before.
    PasswordPrompt* prompt() const { return m_prompt; }

    // The main window unloads: the prompt goes, and the icon.
    void unload();

Q_SIGNALS:
    // The prompt closed: right is true when the right password brought the window back.
    void passwordAnswered(bool right);

private:
    void restoreWindow();

    QWidget* m_window;
    std::function<bool()> m_available;
    std::function<bool()> m_clickOnly;
    QSystemTrayIcon* m_icon = nullptr;
    QPointer<PasswordPrompt> m_prompt;
};

} // namespace kelvane
