#pragma once

// Pieces the benchmark programs share: a local page server and isolated user folders.
#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTcpServer>

#include <functional>

class QTemporaryDir;

namespace kelvane::bench {

// Answers every request on 127.0.0.1 with one small page and closes the connection.
class PageServer : public QTcpServer {
public:
    explicit PageServer(QByteArray page);
    QString url() const;

private:
    QByteArray m_page;
};

// Fresh HOME and XDG folders under home (a first start every time; the default-browser
// question is switched off so nothing waits for an answer), and an environment pointing at
// them with the benchmark and start-up log categories on: the offscreen platform, or xcb on
// display when one is given.
void prepareHome(const QTemporaryDir& home);
QProcessEnvironment isolatedEnvironment(const QTemporaryDir& home, const QString& display = {});
// The same fresh folders for this process itself, for benchmarks that run the browser's parts
// in process, on the offscreen platform unless one is chosen; call it before the application
// object exists.
void isolateThisProcess(const QTemporaryDir& home);

// A process and all its descendants (a browser and its engine processes), from /proc.
QList<qint64> processTree(qint64 root);
// The number after label in /proc/PID/FILE ("Pss:" of smaps_rollup, "Threads:" of status);
// 0 when the process or the line is gone.
qint64 procField(qint64 pid, const char* file, const QByteArray& label);
// Proportional set size (shared pages split among their users), in KiB, of this process with
// all its descendants.
qint64 treePssKiB();

// Runs the event loop until done() holds (true) or limitMs have passed (false).
bool waitFor(const std::function<bool()>& done, int limitMs);

// The median of a list of figures (0 for an empty list).
double median(QList<double> values);
// The value below which the given share of the figures lie (0.25 gives the lower quartile).
double quantile(QList<double> values, double share);

// An X server (Xvfb) with the openbox window manager for as long as it lives, for runs on the
// xcb platform where painting and window mapping are real. display() is empty when either
// could not start.
class XServer {
public:
    XServer();
    ~XServer();
    QString display() const { return m_display; }

private:
    QProcess* m_xvfb = nullptr;
    QProcess* m_windowManager = nullptr;
    QString m_display;
};

} // namespace kelvane::bench
