#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>

#include <functional>

namespace kelvane::test {

using XWindow = unsigned long; // an X window id; 0 is none (or the root where that is meant)

// A desktop of the test's own: Xvfb on a free display with the openbox window manager, the
// browser run on it with the xcb platform, and the X tools (xdotool, xprop, xwininfo, import)
// that drive and read it. Everything started here stops when this goes, and with the test
// process should that die first.
class XSession {
public:
    static constexpr int kWaitMs = 30'000;

    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Empty once the display and the window manager run; else what went wrong.
    QString failure() const { return m_failure; }

    void startProgram(const QString& binary, const QStringList& arguments);
    // Closes the program by SIGTERM; true when it then ended normally with exit code 0.
    bool stopProgram();
    QString programErrors();
    bool isProgramRunning() const { return m_program.state() != QProcess::NotRunning; }

    // The first visible window whose title matches the pattern; 0 for none.
    XWindow findWindow(const QString& titlePattern) const;
    QString title(XWindow window) const;
    QRect geometry(XWindow window) const; // the client area, in root coordinates
    // The values of a window's property (the root's with 0), as xprop prints them.
    QStringList property(XWindow window, const QString& name) const;
    XWindow openMenu() const; // a visible pop-up menu of the program, or 0

    void keys(const QString& keys); // xdotool names, blank-separated: "ctrl+Tab Escape"
    void type(const QString& text);
    void moveMouse(QPoint at);
    void click(QPoint at, int button = 1, int count = 1);
    void activate(XWindow window);
    void minimize(XWindow window);
    QImage grab(const QRect& area = {}) const; // of the screen

    // Polls condition while the test's event loop runs (its servers keep answering).
    bool waitFor(const std::function<bool()>& condition, int ms = kWaitMs) const;

private:
    QString run(const QString& tool, const QStringList& arguments) const;
    QByteArray runBinary(const QString& tool, const QStringList& arguments) const;
    QString windowInfo(XWindow window) const;
    void start(QProcess& process, const QString& program, const QStringList& arguments);

    QProcessEnvironment m_environment;
    QProcess m_server;
    QProcess m_windowManager;
    QProcess m_program;
    QByteArray m_programErrors;
    QString m_failure;
};

} // namespace kelvane::test
