// Start-up benchmark driver. Serves a small page on 127.0.0.1 and starts the browser and the bare
// one-view program in turn (browser, bare, browser, bare ...) with that page's address, each
// run with fresh HOME and XDG folders and the kelvane.bench and kelvane.startup log categories
// on. It stamps every logged line with the time since the process was started, so it gets
// "main window shown" and "first document loaded" and a timeline of everything in between.
// Each run ends with SIGTERM. Per pair it takes the ratio browser / bare and reports the median
// ratio with its spread, on the offscreen platform and under Xvfb with openbox.
#include "benchsupport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

using namespace kelvane;

const char kShown[] = "main window shown";
const char kLoaded[] = "first document loaded";
constexpr int kRunTimeoutMs = 60'000;

const QByteArray kPage = "<!doctype html><html><head><title>Start-up page</title></head>"
                         "<body><h1>Start-up page</h1><p>A small page served locally.</p>"
                         "</body></html>";

struct Stamp {
    qint64 ms;
    QString text;
};

// One run: every logged line with its time since the process was started.
struct Run {
    QList<Stamp> timeline;

    std::optional<qint64> at(const char* milestone) const {
        for (const Stamp& s : timeline) {
            if (s.text.endsWith(QLatin1String(milestone)))
                return s.ms;
        }
        return std::nullopt;
    }
};

// With --blocking, both runs of a pair are the browser's, with 150 000 rules in its block lists:
// the first with blocking on, the second with it off.
QByteArray blockingList;

void prepareBlocking(const QTemporaryDir& home, bool on) {
    QDir().mkpath(home.path() + QStringLiteral("/data/Kelvane/blocklists"));
    QFile list(home.path() + QStringLiteral("/data/Kelvane/blocklists/generated.txt"));
    QFile settings(home.path() + QStringLiteral("/config/Kelvane/blocking.ini"));
    if (list.open(QIODevice::WriteOnly))
        list.write(blockingList);
    if (settings.open(QIODevice::WriteOnly))
        settings.write(on ? "[General]\nEnabled=true\n" : "[General]\nEnabled=false\n");
}

Run runOnce(const QString& program, const QString& url, const QString& display,
            std::optional<bool> blocking = {}) {
    Run run;
    QTemporaryDir home;
    bench::prepareHome(home);
    if (blocking)
        prepareBlocking(home, *blocking);

    QProcess process;
    process.setProcessEnvironment(bench::isolatedEnvironment(home, display));
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardOutputFile(QProcess::nullDevice());

    QEventLoop loop;
    QElapsedTimer clock;
    QByteArray pending;
    QObject::connect(&process, &QProcess::readyReadStandardError, &loop, [&] {
        const qint64 now = clock.elapsed();
        pending += process.readAllStandardError();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(end).trimmed();
            pending.remove(0, end + 1);
            if (line.startsWith("kelvane.bench:") || line.startsWith("kelvane.startup:"))
                run.timeline.append({now, QString::fromUtf8(line)});
        }
        if (run.at(kShown) && run.at(kLoaded))
            loop.quit();
    });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kRunTimeoutMs, &loop, &QEventLoop::quit);

    clock.start();
    process.start(program, {url});
    if (process.waitForStarted(kRunTimeoutMs) && process.state() == QProcess::Running)
        loop.exec();

    if (process.state() != QProcess::NotRunning) {
        process.terminate(); // SIGTERM: the ordinary close
        if (!process.waitForFinished(15'000)) {
            process.kill();
            process.waitForFinished(5'000);
        }
    }
    return run;
}

struct Pair {
    Run browser;
    Run bare;

    std::optional<double> ratio(const char* milestone) const {
        const auto b = browser.at(milestone);
        const auto f = bare.at(milestone);
        return b && f && *f > 0 ? std::optional(double(*b) / double(*f)) : std::nullopt;
    }
};

QString figures(const QList<double>& values, int decimals, const char* unit) {
    if (values.isEmpty())
        return QStringLiteral("n/a");
    const auto f = [&](double v) -> QString {
        return QString::number(v, 'f', decimals) + QLatin1String(unit);
    };
    return QStringLiteral("%1  (quartiles %2 .. %3, range %4 .. %5)")
        .arg(f(bench::median(values)), f(bench::quantile(values, 0.25)),
             f(bench::quantile(values, 0.75)), f(bench::quantile(values, 0)),
             f(bench::quantile(values, 1)));
}

void printTimeline(QTextStream& out, const char* name, const QList<Run>& runs) {
    // The run whose first document loaded at the median time.
    QList<std::pair<qint64, int>> loaded;
    for (int i = 0; i < runs.size(); ++i) {
        if (const auto at = runs[i].at(kLoaded))
            loaded.append({*at, i});
    }
    if (loaded.isEmpty())
        return;
    std::sort(loaded.begin(), loaded.end());
    const Run& median = runs[loaded[loaded.size() / 2].second];
    out << "  timeline of the median " << name << " run (ms since the process started):\n";
    for (const Stamp& s : median.timeline)
        out << QStringLiteral("    %1  %2\n").arg(s.ms, 6).arg(s.text);
}

void measure(QTextStream& out, const QString& platform, const QString& browser, const QString& bare,
             const QString& url, int pairs, const QString& display) {
    QList<Pair> results;
    for (int i = 0; i < pairs; ++i) {
        Pair pair;
        const bool blocking = !blockingList.isEmpty();
        pair.browser =
            runOnce(browser, url, display, blocking ? std::optional(true) : std::nullopt);
        pair.bare = blocking ? runOnce(browser, url, display, false) : runOnce(bare, url, display);
        std::fprintf(stderr, "  %s pair %d: browser %lld/%lld ms, bare %lld/%lld ms\n",
                     qPrintable(platform), i + 1,
                     static_cast<long long>(pair.browser.at(kShown).value_or(-1)),
                     static_cast<long long>(pair.browser.at(kLoaded).value_or(-1)),
                     static_cast<long long>(pair.bare.at(kShown).value_or(-1)),
                     static_cast<long long>(pair.bare.at(kLoaded).value_or(-1)));
        results.append(pair);
    }

    if (!blockingList.isEmpty())
        out << "(\"browser\": blocking on; \"bare program\": the browser with blocking off)\n";
    out << "Start-up on " << platform << ", " << pairs
        << " pairs (browser, bare, browser, bare ...), ms from process start:\n";
    for (const char* milestone : {kShown, kLoaded}) {
        QList<double> browserMs, bareMs, ratios;
        for (const Pair& p : results) {
            if (const auto b = p.browser.at(milestone))
                browserMs.append(double(*b));
            if (const auto f = p.bare.at(milestone))
                bareMs.append(double(*f));
            if (const auto r = p.ratio(milestone))
                ratios.append(*r);
        }
        out << "  " << milestone << ":\n";
        out << "    browser         " << figures(browserMs, 0, " ms") << "\n";
        out << "    bare program    " << figures(bareMs, 0, " ms") << "\n";
        out << "    ratio per pair  " << figures(ratios, 2, "") << "\n";
    }
    QList<Run> browserRuns, bareRuns;
    for (const Pair& p : results) {
        browserRuns.append(p.browser);
        bareRuns.append(p.bare);
    }
    printTimeline(out, "browser", browserRuns);
    printTimeline(out, "bare", bareRuns);
    out.flush();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Times the browser and the bare one-view program, run in turn, from process start to "
        "their start-up milestones, and prints the per-pair ratios."));
    parser.addHelpOption();
    const QCommandLineOption browserOption(
        QStringLiteral("browser"), QStringLiteral("The browser binary."), QStringLiteral("path"));
    const QCommandLineOption bareOption(QStringLiteral("bare"),
                                        QStringLiteral("The bare one-view binary."),
                                        QStringLiteral("path"));
    const QCommandLineOption pairsOption(QStringLiteral("pairs"),
                                         QStringLiteral("Pairs of runs (default 20)."),
                                         QStringLiteral("n"), QStringLiteral("20"));
    const QCommandLineOption platformOption(
        QStringLiteral("platform"),
        QStringLiteral("offscreen, xcb (Xvfb with openbox) or both (default)."),
        QStringLiteral("name"), QStringLiteral("both"));
    const QCommandLineOption blockingOption(
        QStringLiteral("blocking"),
        QStringLiteral("Compare the browser with blocking on (150 000 rules) against off, instead "
                       "of against the bare program."));
    parser.addOptions({browserOption, bareOption, pairsOption, platformOption, blockingOption});
    parser.process(app);

    bool ok = false;
    const int pairs = parser.value(pairsOption).toInt(&ok);
    const QString platform = parser.value(platformOption);
    if (parser.isSet(blockingOption)) {
        for (int i = 0; i < 150'000; ++i)
            blockingList += "||host" + QByteArray::number(i) + ".example^\n";
    }
    if (!ok || pairs < 1 || !parser.isSet(browserOption) ||
        (!parser.isSet(bareOption) && !parser.isSet(blockingOption)) ||
        !QStringList{QStringLiteral("offscreen"), QStringLiteral("xcb"), QStringLiteral("both")}
             .contains(platform)) {
        std::fputs("usage: startup_bench --browser PATH --bare PATH [--pairs N] "
                   "[--platform offscreen|xcb|both]\n",
                   stderr);
        return 2;
    }

    bench::PageServer server(kPage);
    if (!server.isListening()) {
        std::fputs("startup_bench: cannot listen on 127.0.0.1\n", stderr);
        return 1;
    }
    QTextStream out(stdout);
    const QString browser = parser.value(browserOption);
    const QString bare = parser.value(bareOption);
    if (platform != QLatin1String("xcb"))
        measure(out, QStringLiteral("offscreen"), browser, bare, server.url(), pairs, {});
    if (platform != QLatin1String("offscreen")) {
        const bench::XServer x;
        if (x.display().isEmpty()) {
            std::fputs("startup_bench: Xvfb or openbox did not start; no xcb figures\n", stderr);
            return 1;
        }
        measure(out, QStringLiteral("xcb (Xvfb, openbox)"), browser, bare, server.url(), pairs,
                x.display());
    }
    return 0;
}
