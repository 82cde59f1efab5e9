#include "support/xsession.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

namespace kelvane::test {

namespace {

constexpr int kToolMs = 10'000;

// The session's processes end with the test process, also when it is killed.
void endWithParent() {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
}

void terminate(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

QString number(XWindow window) {
    return QString::number(window);
}

int infoField(const QString& info, const char* label) {
    const QRegularExpression field(QLatin1String(label) + QStringLiteral(":\\s*(-?\\d+)"));
    return field.match(info).captured(1).toInt();
}

} // namespace

XSession::XSession()
    : m_environment(QProcessEnvironment::systemEnvironment()) {
    const std::pair<const char*, const char*> tools[] = {
        {"Xvfb", "xvfb"},       {"openbox", "openbox"},    {"xdotool", "xdotool"},
        {"xprop", "x11-utils"}, {"xwininfo", "x11-utils"}, {"import", "imagemagick"}};
    QStringList missing;
    for (const auto& [tool, package] : tools) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            missing << QStringLiteral("%1 (package %2)")
                           .arg(QLatin1String(tool), QLatin1String(package));
    }
    if (!missing.isEmpty()) {
        m_failure = QStringLiteral("missing ") + missing.join(QStringLiteral(", ")) +
                    QStringLiteral("; ./dev installs them");
        return;
    }
    m_environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // The server writes the free display number it took to the descriptor -displayfd names.
    start(m_server, QStringLiteral("Xvfb"),
          {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
           QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
           QStringLiteral("tcp")});
    QDeadlineTimer deadline(kToolMs);
    while (!m_server.canReadLine() && !deadline.hasExpired() &&
           m_server.state() != QProcess::NotRunning)
        m_server.waitForReadyRead(100);
    const QString display = QString::fromLatin1(m_server.readLine()).trimmed();
    if (display.isEmpty()) {
        m_failure = QStringLiteral("Xvfb did not start: ") + m_server.errorString() +
                    QLatin1Char(' ') + QString::fromLocal8Bit(m_server.readAllStandardError());
        return;
    }
    m_environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + display);
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

    start(m_windowManager, QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    // A window manager announces itself on the root window once it manages the screen.
    if (!waitFor(
            [this] { return !property(0, QStringLiteral("_NET_SUPPORTING_WM_CHECK")).isEmpty(); },
            kToolMs)) {
        m_failure = QStringLiteral("openbox did not take the display: ") +
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
    process.setChildProcessModifier(endWithParent);
    process.start(program, arguments);
}

void XSession::startProgram(const QString& binary, const QStringList& arguments) {
    m_programErrors.clear();
    m_program.setStandardOutputFile(QProcess::nullDevice());
    start(m_program, binary, arguments);
}

bool XSession::stopProgram() {
    if (m_program.state() == QProcess::NotRunning)
        return false;
    ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
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
    const QString found =
        run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--name"), titlePattern});
    return found.section(QLatin1Char('\n'), 0, 0).toULong();
}

QString XSession::title(XWindow window) const {
    if (window == 0)
        return {};
    return run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), number(window)})
        .trimmed();
}

QString XSession::windowInfo(XWindow window) const {
    return window == 0 ? QString()
                       : run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), number(window)});
}

QRect XSession::geometry(XWindow window) const {
    const QString info = windowInfo(window);
    return {infoField(info, "Absolute upper-left X"), infoField(info, "Absolute upper-left Y"),
            infoField(info, "Width"), infoField(info, "Height")};
}

bool XSession::isViewable(XWindow window) const {
    return windowInfo(window).contains(QLatin1String("IsViewable"));
}

QStringList XSession::property(XWindow window, const QString& name) const {
    const QStringList target = window == 0 ? QStringList{QStringLiteral("-root")}
                                           : QStringList{QStringLiteral("-id"), number(window)};
    const QString line = run(QStringLiteral("xprop"), target + QStringList{name}).trimmed();
    // "NAME(ATOM) = A, B" or "NAME(WINDOW): window id # 0x1, 0x2"; else "not found."
    const QRegularExpression values(QStringLiteral("^[^(:]+(?:\\([^)]*\\))?(?::.*#| =) (.*)$"));
    const QString found = values.match(line).captured(1);
    return found.isEmpty() ? QStringList() : found.split(QStringLiteral(", "));
}

QList<XWindow> XSession::stacking() const {
    QList<XWindow> windows;
    for (const QString& id : property(0, QStringLiteral("_NET_CLIENT_LIST_STACKING")))
        windows.append(id.toULong(nullptr, 0));
    return windows;
}

XWindow XSession::openMenu() const {
    const QStringList visible =
        run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--classname"), QStringLiteral("kelvane")})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Menus are unmanaged (override-redirect) windows; tool tips are too, but say so.
    for (const QString& id : visible) {
        if (windowInfo(id.toULong()).contains(QLatin1String("Override Redirect State: yes")) &&
            !property(id.toULong(), QStringLiteral("_NET_WM_WINDOW_TYPE"))
                 .join(QLatin1Char(' '))
                 .contains(QLatin1String("TOOLTIP")))
            return id.toULong();
    }
    return 0;
}

void XSession::keys(const QString& keys) {
    run(QStringLiteral("xdotool"),
        QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("80")} +
            keys.split(QLatin1Char(' ')));
}

void XSession::type(const QString& text) {
    run(QStringLiteral("xdotool"),
        {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

void XSession::moveMouse(QPoint at) {
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
}

void XSession::click(QPoint at, int button, int count) {
    moveMouse(at);
    run(QStringLiteral("xdotool"),
        {QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
         QStringLiteral("--delay"), QStringLiteral("80"), QString::number(button)});
}

void XSession::activate(XWindow window) {
    run(QStringLiteral("xdotool"),
        {QStringLiteral("windowactivate"), QStringLiteral("--sync"), number(window)});
}

void XSession::minimize(XWindow window) {
    run(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), number(window)});
}

QImage XSession::grab(const QRect& area) const {
    const QImage screen = QImage::fromData(
        runBinary(QStringLiteral("import"),
                  {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")}),
        "PNG");
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
