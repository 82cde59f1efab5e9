// Start-up benchmark driver. Serves a small page on 127.0.0.1, starts each program N times
// with that page's address (offscreen, fresh HOME and XDG folders per run, the kelvane.bench
// log category on), and times from process start to the stderr lines "main window shown" and
// "first document loaded". Each run ends with SIGTERM. Prints the medians and their ratio.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include "benchsupport.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

using namespace kelvane;

const char* const kMilestones[] = {"main window shown", "first document loaded"};
constexpr int kMilestoneCount = 2;
constexpr int kRunTimeoutMs = 60'000;

const QByteArray kPage = "<!doctype html><html><head><title>Start-up page</title></head>"
                         "<body><h1>Start-up page</h1><p>A small page served locally.</p>"
                         "</body></html>";

struct Run {
    std::optional<qint64> milestones[kMilestoneCount];
};

Run runOnce(const QString& program, const QString& url) {
    Run run;
    QTemporaryDir home;
    bench::prepareHome(home);

    QProcess process;
    process.setProcessEnvironment(bench::isolatedEnvironment(home));
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardOutputFile(QProcess::nullDevice());

    QEventLoop loop;
    QElapsedTimer clock;
    QByteArray pending;
    const auto allSeen = [&run] {
        return std::all_of(std::begin(run.milestones), std::end(run.milestones),
                           [](const auto& m) { return m.has_value(); });
    };
    QObject::connect(&process, &QProcess::readyReadStandardError, &loop, [&] {
        const qint64 now = clock.elapsed();
        pending += process.readAllStandardError();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(end).trimmed();
            pending.remove(0, end + 1);
            if (!line.startsWith("kelvane.bench:"))
                continue;
            for (int i = 0; i < kMilestoneCount; ++i) {
                if (line.endsWith(kMilestones[i]) && !run.milestones[i])
                    run.milestones[i] = now;
            }
        }
        if (allSeen())
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

std::optional<double> median(const QList<qint64>& values) {
    if (values.isEmpty())
        return std::nullopt;
    return bench::median(QList<double>(values.begin(), values.end()));
}

struct Summary {
    QString name;
    std::optional<double> medians[kMilestoneCount];
    int seen[kMilestoneCount] = {};
};

Summary measure(const QString& name, const QString& program, const QString& url, int runs) {
    Summary summary;
    summary.name = name;
    QList<qint64> values[kMilestoneCount];
    for (int r = 0; r < runs; ++r) {
        const Run run = runOnce(program, url);
        std::fprintf(stderr, "  %s run %d:", qPrintable(name), r + 1);
        for (int i = 0; i < kMilestoneCount; ++i) {
            if (run.milestones[i]) {
                values[i].append(*run.milestones[i]);
                std::fprintf(stderr, " %lld ms", static_cast<long long>(*run.milestones[i]));
            } else {
                std::fprintf(stderr, " -");
            }
        }
        std::fprintf(stderr, "\n");
    }
    for (int i = 0; i < kMilestoneCount; ++i) {
        summary.medians[i] = median(values[i]);
        summary.seen[i] = int(values[i].size());
    }
    return summary;
}

QString cell(const std::optional<double>& value, const char* unit) {
    return value ? QString::number(*value, 'f', unit[0] ? 0 : 2) + QLatin1String(unit)
                 : QStringLiteral("n/a");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Times the browser and the bare one-view program from process start to their "
        "start-up milestones, and prints the medians and their ratio."));
    parser.addHelpOption();
    const QCommandLineOption browserOption(
        QStringLiteral("browser"), QStringLiteral("The browser binary."), QStringLiteral("path"));
    const QCommandLineOption bareOption(QStringLiteral("bare"),
                                        QStringLiteral("The bare one-view binary."),
                                        QStringLiteral("path"));
    const QCommandLineOption runsOption(QStringLiteral("runs"),
                                        QStringLiteral("Runs of each program (default 10)."),
                                        QStringLiteral("n"), QStringLiteral("10"));
    parser.addOptions({browserOption, bareOption, runsOption});
    parser.process(app);

    bool ok = false;
    const int runs = parser.value(runsOption).toInt(&ok);
    if (!ok || runs < 1 || !parser.isSet(browserOption) || !parser.isSet(bareOption)) {
        std::fputs("usage: startup_bench --browser PATH --bare PATH [--runs N]\n", stderr);
        return 2;
    }

    bench::PageServer server(kPage);
    if (!server.isListening()) {
        std::fputs("startup_bench: cannot listen on 127.0.0.1\n", stderr);
        return 1;
    }
    const QString url = server.url();

    const Summary browser =
        measure(QStringLiteral("browser"), parser.value(browserOption), url, runs);
    const Summary bare = measure(QStringLiteral("bare"), parser.value(bareOption), url, runs);

    QTextStream out(stdout);
    out << "Start-up, median of " << runs << " runs (ms from process start):\n";
    out << QStringLiteral("  %1 %2 %3\n")
               .arg(QString(), -22)
               .arg(QLatin1String(kMilestones[0]), 22)
               .arg(QLatin1String(kMilestones[1]), 22);
    for (const Summary* s : {&browser, &bare}) {
        out << QStringLiteral("  %1 %2 %3\n")
                   .arg(s == &browser ? QStringLiteral("browser") : QStringLiteral("bare program"),
                        -22)
                   .arg(cell(s->medians[0], " ms"), 22)
                   .arg(cell(s->medians[1], " ms"), 22);
    }
    std::optional<double> ratios[kMilestoneCount];
    for (int i = 0; i < kMilestoneCount; ++i) {
        if (browser.medians[i] && bare.medians[i] && *bare.medians[i] > 0)
            ratios[i] = *browser.medians[i] / *bare.medians[i];
    }
    out << QStringLiteral("  %1 %2 %3\n")
               .arg(QStringLiteral("ratio browser / bare"), -22)
               .arg(cell(ratios[0], ""), 22)
               .arg(cell(ratios[1], ""), 22);
    return 0;
}
