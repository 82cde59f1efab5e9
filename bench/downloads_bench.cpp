// Downloads one large file from 127.0.0.1 in the browser (the main window with the real engine,
// saving straight into a folder) and with curl, alternating, and reports each one's throughput,
// processor time and the ratio browser / curl of each pair; then, in a third download of each
// round, the browser's memory (its whole process tree, PSS) while it downloads against before,
// and the longest time its window went without processing an event.
#include "benchsupport.h"

#include "base/appsettings.h"
#include "downloads/downloaditem.h"
#include "downloads/downloadmanager.h"
#include "frame/featurewindows.h"
#include "frame/mainwindow.h"
#include "platform/engine/engineservices.h"
#include "platform/engine/enginesetup.h"
#include "platform/engine/webenginefactory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <cstdio>
#include <thread>

#include <sys/resource.h>

using namespace kelvane;

namespace {

constexpr qint64 kMiB = 1 << 20;
constexpr int kLimitMs = 600'000;
constexpr int kMemoryEveryMs = 100;

// Processor time (user and system) used so far by this process, or by its ended children.
double cpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool writeSource(const QString& path, qint64 bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(4 * kMiB, 0);
    for (qint64 written = 0; written < bytes; written += block.size()) {
        for (qsizetype i = 0; i < block.size(); i += 4096)
            block[i] = char(written / 4096 + i / 4096); // every page its own
        if (file.write(block.left(qMin<qint64>(block.size(), bytes - written))) < 0)
            return false;
    }
    return true;
}

struct BrowserRound {
    double seconds = 0;
    double cpuSeconds = 0;
    qint64 memoryBeforeKiB = 0;
    qint64 memoryPeakKiB = 0;
    double longestGapMs = 0;
    bool ok = false;
};

// One download in the browser: from the request until the file is complete under its name.
// Watched, it also samples the memory and the event loop's turns, which cost some processor
// time of their own; a plain round measures only the time.
BrowserRound browserRound(MainWindow& window, EngineFactory& engines, const QString& url,
                          bool watched) {
    DownloadManager& manager = window.featureWindows().downloads();
    BrowserRound round;
    round.memoryBeforeKiB = bench::treePssKiB();

    // The memory is sampled on a thread of its own, the gaps by a timer on the window's.
    std::atomic<bool> running = watched;
    std::atomic<qint64> peak = round.memoryBeforeKiB;
    std::thread sampler([&] {
        while (running) {
            peak = std::max<qint64>(peak, bench::treePssKiB());
            std::this_thread::sleep_for(std::chrono::milliseconds(kMemoryEveryMs));
        }
    });
    QElapsedTimer sinceTurn;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        round.longestGapMs = std::max(round.longestGapMs, sinceTurn.nsecsElapsed() / 1e6);
        sinceTurn.restart();
    });

    const qsizetype before = manager.items().size();
    const double cpuBefore = cpuSeconds(RUSAGE_SELF);
    QElapsedTimer clock;
    clock.start();
    sinceTurn.start();
    if (watched)
        probe.start(1);
    engines.services().download(url);
    DownloadItem* item = nullptr;
    while (clock.elapsed() < kLimitMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!item && manager.items().size() > before)
            item = manager.items().at(before);
        if (item && !item->isActive())
            break;
    }
    round.seconds = clock.nsecsElapsed() / 1e9;
    round.cpuSeconds = cpuSeconds(RUSAGE_SELF) - cpuBefore;
    probe.stop();
    running = false;
    sampler.join();
    round.memoryPeakKiB = peak;
    round.ok = item && item->state() == DownloadItem::State::Completed;
    if (item)
        QFile::remove(item->path());
    return round;
}

// The wall time and the processor time of one curl download.
std::pair<double, double> curlRound(const QString& url, const QString& target) {
    const double cpuBefore = cpuSeconds(RUSAGE_CHILDREN);
    QElapsedTimer clock;
    clock.start();
    QProcess curl;
    curl.start(QStringLiteral("curl"), {QStringLiteral("-s"), QStringLiteral("-o"), target, url});
    if (!curl.waitForFinished(kLimitMs) || curl.exitCode() != 0)
        return {0, 0};
    const double seconds = clock.nsecsElapsed() / 1e9;
    QFile::remove(target);
    return {seconds, cpuSeconds(RUSAGE_CHILDREN) - cpuBefore};
}

QString spread(const QList<double>& values, int decimals) {
    return QStringLiteral("median %1 (quartiles %2..%3, range %4..%5)")
        .arg(bench::median(values), 0, 'f', decimals)
        .arg(bench::quantile(values, 0.25), 0, 'f', decimals)
        .arg(bench::quantile(values, 0.75), 0, 'f', decimals)
        .arg(*std::min_element(values.begin(), values.end()), 0, 'f', decimals)
        .arg(*std::max_element(values.begin(), values.end()), 0, 'f', decimals);
}

} // namespace

int main(int argc, char** argv) {
    qint64 sizeMiB = qEnvironmentVariableIntValue("KELVANE_BENCH_DOWNLOAD_MIB");
    int rounds = qEnvironmentVariableIntValue("KELVANE_BENCH_DOWNLOAD_ROUNDS");
    sizeMiB = sizeMiB > 0 ? sizeMiB : 1024;
    rounds = rounds > 0 ? rounds : 5;

    // The browser runs in this process, in fresh folders of its own.
    QTemporaryDir home;
    bench::prepareHome(home);
    const QProcessEnvironment env = bench::isolatedEnvironment(home);
    for (const QString& key : env.keys())
        qputenv(key.toLocal8Bit().constData(), env.value(key).toLocal8Bit());
    qputenv("QT_LOGGING_RULES", "");
    prepareEngineEnvironment(/*quiet=*/true);
    QApplication app(argc, argv);
    chooseRendering();
    QTextStream out(stdout);

    QTemporaryDir files;
    const QString source = files.filePath(QStringLiteral("source.bin"));
    const QString folder = files.filePath(QStringLiteral("saved"));
    QDir().mkpath(folder);
    if (!writeSource(source, sizeMiB * kMiB)) {
        out << "could not write the source file\n";
        return 1;
    }
    QProcess server;
    server.start(QStringLiteral("python3"), {QStringLiteral(KELVANE_DOWNLOAD_SERVER)});
    if (!server.waitForReadyRead(10'000)) {
        out << "the download server did not start\n";
        return 1;
    }
    const QString url = QStringLiteral("http://127.0.0.1:%1/big.bin?file=%2")
                            .arg(QString::fromLatin1(server.readLine().trimmed()),
                                 QString::fromLatin1(QUrl::toPercentEncoding(source)));

    appSettings() = AppSettings();
    WebEngineFactory engines;
    MainWindow window(engines, nullptr);
    window.load(QStringLiteral("about:blank"));
    appSettings().downloadAskWhere = false;
    appSettings().downloadFolder = folder;
    window.show();
    settle(2000);

    QList<double> browserMiBs, curlMiBs, ratios, growthMiB, gapsMs, browserCpu, curlCpu;
    for (int i = 0; i < rounds; ++i) {
        const auto [curlSeconds, curlCpuSeconds] =
            curlRound(url, files.filePath(QStringLiteral("curl.bin")));
        settle(500);
        const BrowserRound browser = browserRound(window, engines, url, false);
        settle(500);
        const BrowserRound watched = browserRound(window, engines, url, true);
        settle(500);
        if (!browser.ok || !watched.ok || curlSeconds <= 0) {
            out << "round " << i + 1 << " failed\n";
            return 1;
        }
        browserMiBs << sizeMiB / browser.seconds;
        curlMiBs << sizeMiB / curlSeconds;
        ratios << browserMiBs.last() / curlMiBs.last();
        growthMiB << double(watched.memoryPeakKiB - watched.memoryBeforeKiB) / 1024;
        gapsMs << watched.longestGapMs;
        browserCpu << browser.cpuSeconds * 1024 / sizeMiB;
        curlCpu << curlCpuSeconds * 1024 / sizeMiB;
        out << QStringLiteral("  pair %1: curl %2 MiB/s, browser %3 MiB/s, ratio %4, memory "
                              "+%5 MiB over %6 MiB, longest gap %7 ms\n")
                   .arg(i + 1)
                   .arg(curlMiBs.last(), 0, 'f', 0)
                   .arg(browserMiBs.last(), 0, 'f', 0)
                   .arg(ratios.last(), 0, 'f', 2)
                   .arg(growthMiB.last(), 0, 'f', 1)
                   .arg(watched.memoryBeforeKiB / 1024)
                   .arg(gapsMs.last(), 0, 'f', 1);
        out.flush();
    }
    out << "A " << sizeMiB << " MiB download from 127.0.0.1, " << rounds
        << " pairs (curl, then the browser; memory and gaps from a third, watched download):\n"
        << "  curl:     MiB/s " << spread(curlMiBs, 0) << "\n"
        << "  browser:  MiB/s " << spread(browserMiBs, 0) << "\n"
        << "  ratio browser / curl: " << spread(ratios, 2) << " (goal >= 0.8)\n"
        << "  processor seconds a GiB: curl " << spread(curlCpu, 2) << ", browser "
        << spread(browserCpu, 2) << "\n"
        << "  browser memory (process tree PSS) during the download over before, MiB: "
        << spread(growthMiB, 1) << " (goal <= 20)\n"
        << "  longest time without processing an event during the download, ms: "
        << spread(gapsMs, 1) << " (goal < 50)\n";
    window.close();
    server.kill();
    server.waitForFinished();
    return 0;
}
