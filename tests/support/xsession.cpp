#include "support/xsession.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

namespace kelvane::test {

namespace {

constexpr int kToolMs = 10'000;

void terminate(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

int infoField(const QString& info, const char* label) {
    return QRegularExpression(QLatin1String(label) + ":\\s*(-?\\d+)")
        .match(info)
        .captured(1)
        .toInt();
}

} // namespace

XSession::XSession()
    : m_environment(QProcessEnvironment::systemEnvironment()) {
    QStringList missing;
    for (const char* tool : {"Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "import"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing << tool;
    }
    if (!missing.isEmpty()) {
        m_failure = "missing " + missing.join(", ") + "; ./dev installs them";
        return;
    }
    m_environment.remove("WAYLAND_DISPLAY");
    // The server writes the free display number it took to the descriptor -displayfd names.
    start(m_server, "Xvfb", {"-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
    QDeadlineTimer deadline(kToolMs);
    while (!m_server.canReadLine() && !deadline.hasExpired() &&
           m_server.state() != QProcess::NotRunning)
        m_server.waitForReadyRead(100);
    const QString display = QString::fromLatin1(m_server.readLine()).trimmed();
    if (display.isEmpty()) {
        m_failure = "Xvfb did not start: " + m_server.errorString() + ' ' +
                    QString::fromLocal8Bit(m_server.readAllStandardError());
        return;
    }
    m_environment.insert("DISPLAY", ':' + display);
    m_environment.insert("QT_QPA_PLATFORM", "xcb");

    start(m_windowManager, "openbox", {"--sm-disable"});
    // A window manager announces itself on the root window once it manages the screen.
    if (!waitFor([this] { return !property(0, "_NET_SUPPORTING_WM_CHECK").isEmpty(); })) {
        m_failure = "openbox did not take the display: " +
                    QString::fromLocal8Bit(m_windowManager.readAllStandardError());
        return;
    }
    moveMouse({1279, 799}); // out of the way, so nothing shows as hovered
}

XSession::~XSession() {
    if (m_program.state() != QProcess::NotRunning && !stopProgram())
        terminate(m_program);
    terminate(m_windowManager);
    terminate(m_server);
}

void XSession::start(QProcess& process, const QString& program, const QStringList& arguments) {
    process.setProcessEnvironment(m_environment);
    // The session's processes end with the test process, also when it is killed.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process.start(program, arguments);
}

void XSession::startProgram(const QString& binary, const QStringList& arguments) {
    m_programErrors.clear();
    m_program.setStandardOutputFile(QProcess::nullDevice());
    start(m_program, binary, arguments);
}

bool XSession::stopProgram() {
    const qint64 pid = m_program.processId();
    if (pid <= 0) // not running; a kill of 0 would hit the whole process group
        return false;
    ::kill(pid_t(pid), SIGTERM);
    if (!waitFor([this] { return m_program.state() == QProcess::NotRunning; }))
        return false;
    return m_program.exitStatus() == QProcess::NormalExit && m_program.exitCode() == 0;
}

QString XSession::programErrors() {
    m_programErrors += m_program.readAllStandardError();
    return QString::fromLocal8Bit(m_programErrors);
}

QByteArray XSession::runBinary(const QString& tool, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(tool, arguments);
    if (!process.waitForFinished(kToolMs)) {
        process.kill();
        process.waitForFinished();
    }
    return process.readAllStandardOutput();
}

QString XSession::run(const QString& tool, const QStringList& arguments) const {
    return QString::fromUtf8(runBinary(tool, arguments));
}

XWindow XSession::findWindow(const QString& titlePattern) const {
    // A search that meets a window being destroyed (a splash closing) can come back empty;
    // one more look tells that from a window that is not there.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QString found = run("xdotool", {"search", "--onlyvisible", "--name", titlePattern});
        if (const XWindow window = found.section('\n', 0, 0).toULong())
            return window;
    }
    return 0;
}

QString XSession::title(XWindow window) const {
    return window == 0 ? QString()
                       : run("xdotool", {"getwindowname", QString::number(window)}).trimmed();
}

QString XSession::windowInfo(XWindow window) const {
    return window == 0 ? QString() : run("xwininfo", {"-id", QString::number(window)});
}

QRect XSession::geometry(XWindow window) const {
    const QString info = windowInfo(window);
    return {infoField(info, "Absolute upper-left X"), infoField(info, "Absolute upper-left Y"),
            infoField(info, "Width"), infoField(info, "Height")};
}

QStringList XSession::property(XWindow window, const QString& name) const {
    const QStringList target =
        window == 0 ? QStringList{"-root"} : QStringList{"-id", QString::number(window)};
    const QString line = run("xprop", target + QStringList{name}).trimmed();
    // "NAME(ATOM) = A, B" or "NAME(WINDOW): window id # 0x1, 0x2"; else "not found."
    static const QRegularExpression values("^[^(:]+(?:\\([^)]*\\))?(?::.*#| =) (.*)$");
    const QString found = values.match(line).captured(1);
    return found.isEmpty() ? QStringList() : found.split(", ");
}

XWindow XSession::openMenu() const {
    const QStringList visible =
        run("xdotool", {"search", "--onlyvisible", "--classname", "kelvane"})
            .split('\n', Qt::SkipEmptyParts);
    // Menus are unmanaged (override-redirect) windows; tool tips are too, but say so.
    for (const QString& id : visible) {
        if (windowInfo(id.toULong()).contains("Override Redirect State: yes") &&
            !property(id.toULong(), "_NET_WM_WINDOW_TYPE").join(' ').contains("TOOLTIP"))
            return id.toULong();
    }
    return 0;
}

void XSession::keys(const QString& keys) {
    run("xdotool", QStringList{"key", "--delay", "80"} + keys.split(' '));
}

void XSession::type(const QString& text) {
    run("xdotool", {"type", "--delay", "20", text});
}

void XSession::moveMouse(QPoint at) {
    run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y())});
}

void XSession::click(QPoint at, int button, int count) {
    moveMouse(at);
    run("xdotool",
        {"click", "--repeat", QString::number(count), "--delay", "80", QString::number(button)});
}

void XSession::activate(XWindow window) {
    run("xdotool", {"windowactivate", "--sync", QString::number(window)});
}

void XSession::minimize(XWindow window) {
    run("xdotool", {"windowminimize", QString::number(window)});
}

QImage XSession::grab(const QRect& area) const {
    const QImage screen =
        QImage::fromData(runBinary("import", {"-window", "root", "png:-"}), "PNG");
    return area.isNull() ? screen : screen.copy(area);
}

bool XSession::waitFor(const std::function<bool()>& condition, int ms) const {
    const QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(100);
    }
    return true;
}

} // namespace kelvane::test
