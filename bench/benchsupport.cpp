#include "benchsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <map>

namespace kelvane::bench {

PageServer::PageServer(QByteArray page)
    : m_page(std::move(page)) {
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                socket->readAll();
                if (socket->property("answered").toBool())
                    return;
                socket->setProperty("answered", true);
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                              "Content-Length: " +
                              QByteArray::number(m_page.size()) + "\r\nConnection: close\r\n\r\n" +
                              m_page);
                socket->disconnectFromHost();
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    listen(QHostAddress::LocalHost, 0);
}

QString PageServer::url() const {
    return QStringLiteral("http://127.0.0.1:%1/").arg(serverPort());
}

void prepareHome(const QTemporaryDir& home) {
    const QString root = home.path();
    for (const char* sub : {"/home", "/config/Kelvane", "/data", "/cache", "/runtime"})
        QDir().mkpath(root + QLatin1String(sub));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile settings(root + QStringLiteral("/config/Kelvane/Kelvane.ini"));
    if (settings.open(QIODevice::WriteOnly)) {
        // Neither the default-browser question nor a registration at every measured start.
        settings.write("[Settings]\nCheckIfDefault=False\nFileAssociationSetDefault=False\n");
        settings.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
}

QProcessEnvironment isolatedEnvironment(const QTemporaryDir& home, const QString& display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString root = home.path();
    env.insert(QStringLiteral("HOME"), root + QStringLiteral("/home"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), root + QStringLiteral("/cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/runtime"));
    if (display.isEmpty()) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    } else {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), display);
    }
    env.insert(QStringLiteral("QT_LOGGING_RULES"),
               QStringLiteral("kelvane.bench=true;kelvane.startup=true"));
    env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
    return env;
}

void isolateThisProcess(const QTemporaryDir& home) {
    prepareHome(home);
    const QProcessEnvironment env = isolatedEnvironment(home);
    for (const char* name :
         {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, env.value(QLatin1String(name)).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

bool waitFor(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

double median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double quantile(QList<double> values, double share) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const double at = share * double(values.size() - 1);
    const qsizetype below = qsizetype(at);
    const qsizetype above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (at - double(below));
}

XServer::XServer() {
    m_xvfb = new QProcess;
    m_xvfb->setProcessChannelMode(QProcess::SeparateChannels);
    // -displayfd 1: Xvfb picks a free display and writes its number to stdout once ready.
    m_xvfb->start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp")});
    if (!m_xvfb->waitForStarted(5000) || !m_xvfb->waitForReadyRead(10'000))
        return;
    const QByteArray number = m_xvfb->readAllStandardOutput().trimmed();
    if (number.isEmpty())
        return;
    const QString display = QStringLiteral(":") + QString::fromLatin1(number);
    m_windowManager = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    m_windowManager->setProcessEnvironment(env);
    m_windowManager->setStandardOutputFile(QProcess::nullDevice());
    m_windowManager->setStandardErrorFile(QProcess::nullDevice());
    m_windowManager->start(QStringLiteral("openbox"), {});
    if (!m_windowManager->waitForStarted(5000))
        return;
    // openbox is ready once it owns the screen's window-manager selection.
    for (int i = 0; i < 100; ++i) {
        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral("xprop"),
                    {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        probe.waitForFinished(2000);
        if (probe.readAllStandardOutput().contains("window id"))
            break;
        QThread::msleep(50);
    }
    m_display = display;
}

XServer::~XServer() {
    for (QProcess* process : {m_windowManager, m_xvfb}) {
        if (!process)
            continue;
        process->terminate();
        if (!process->waitForFinished(3000))
            process->kill();
        process->waitForFinished(1000);
        delete process;
    }
}

QList<qint64> processTree(qint64 root) {
    std::multimap<qint64, qint64> children;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!numeric || !stat.open(QIODevice::ReadOnly))
            continue;
        // pid (comm) state ppid ...: the name may hold blanks and parentheses.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            children.emplace(fields[1].toLongLong(), pid);
    }
    QList<qint64> tree{root};
    for (qsizetype i = 0; i < tree.size(); ++i) {
        const auto [first, last] = children.equal_range(tree[i]);
        for (auto it = first; it != last; ++it)
            tree.append(it->second);
    }
    return tree;
}

qint64 procField(qint64 pid, const char* file, const QByteArray& label) {
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(file)));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(label))
            return line.mid(label.size()).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

qint64 treePssKiB() {
    qint64 total = 0;
    for (const qint64 pid : processTree(QCoreApplication::applicationPid()))
        total += procField(pid, "smaps_rollup", "Pss:");
    return total;
}

} // namespace kelvane::bench
