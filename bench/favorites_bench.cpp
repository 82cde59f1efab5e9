// Opens a favorites folder of 20 000 shortcuts in 400 folders in the Favorites window and,
// in the same run, reads the same files raw (walk the folders, read every file whole): the
// floor. Reports the median of each, their ratio, and the longest time the window's event
// loop went without a turn during a scan.
#include "benchsupport.h"

#include "favorites/favoritesstore.h"
#include "favorites/favoriteswindow.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace kelvane;

namespace {

constexpr int kTopFolders = 20;
constexpr int kSubfolders = 19; // 20 + 20 x 19 = 400 folders
constexpr int kPerFolder = 50;  // 400 x 50 = 20 000 shortcuts
constexpr int kRounds = 5;

void makeFavorites(const QString& root) {
    int n = 0;
    const auto fill = [&](const QString& folder) {
        QDir().mkpath(folder);
        for (int i = 0; i < kPerFolder; ++i, ++n) {
            QFile file(folder + QStringLiteral("/Page number %1 - a site.url").arg(n));
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", qPrintable(file.fileName()));
            file.write("[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n"
                       "[InternetShortcut]\r\nURL=http://www.example.com/section/page" +
                       QByteArray::number(n) +
                       ".html?ref=favorites\r\nIDList=\r\nIconFile=http://www.example.com/"
                       "favicon.ico\r\nIconIndex=1\r\n");
        }
    };
    for (int t = 0; t < kTopFolders; ++t) {
        const QString top = root + QStringLiteral("/Group %1").arg(t);
        fill(top);
        for (int s = 0; s < kSubfolders; ++s)
            fill(top + QStringLiteral("/Topic %1").arg(s));
    }
}

// The floor: every file of the tree read whole, nothing else.
double readRaw(const QString& root, qint64* bytes) {
    QElapsedTimer clock;
    clock.start();
    *bytes = 0;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            *bytes += file.readAll().size();
    }
    return clock.nsecsElapsed() / 1e6;
}

struct WindowRun {
    double ms = 0;
    double firstTurnMs = 0;
    double longestGapMs = 0;
    double lastGapMs = 0;
};

// From show() until the scan has finished (cache file written). A zero-interval timer notes
// every turn of the event loop: the first after show() (the scan starts on it), the longest
// time between two turns while the scan runs, and the time from the last turn to the end of
// the scan (writing the cache file).
WindowRun openWindow() {
    WindowRun run;
    FavoritesWindow window{QString()};
    QElapsedTimer clock;
    double lastTurn = -1;
    double finishedAt = -1;
    QObject::connect(&window, &FavoritesWindow::scanFinished,
                     [&] { finishedAt = clock.nsecsElapsed() / 1e6; });
    QTimer turns;
    turns.setInterval(0);
    QObject::connect(&turns, &QTimer::timeout, [&] {
        const double now = clock.nsecsElapsed() / 1e6;
        if (lastTurn < 0)
            run.firstTurnMs = now;
        else if (finishedAt < 0)
            run.longestGapMs = std::max(run.longestGapMs, now - lastTurn);
        lastTurn = now;
    });
    clock.start();
    turns.start();
    window.show();
    while (finishedAt < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    run.ms = finishedAt;
    run.lastGapMs = finishedAt - lastTurn;
    window.close();
    return run;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    bench::isolateThisProcess(home);
    QApplication app(argc, argv);

    const QString root = favoritesFolder();
    makeFavorites(root);
    qint64 bytes = 0;
    readRaw(root, &bytes); // both sides start from a warm file cache

    QList<double> floor, window;
    double longestGap = 0;
    QList<double> firstTurns, lastGaps;
    for (int round = 0; round < kRounds; ++round) {
        floor << readRaw(root, &bytes);
        const WindowRun run = openWindow();
        window << run.ms;
        longestGap = std::max(longestGap, run.longestGapMs);
        firstTurns << run.firstTurnMs;
        lastGaps << run.lastGapMs;
        std::fprintf(stderr,
                     "round %d: raw %.1f ms, window %.1f ms, first turn %.1f ms, longest gap "
                     "%.1f ms, cache file %.1f ms\n",
                     round + 1, floor.last(), run.ms, run.firstTurnMs, run.longestGapMs,
                     run.lastGapMs);
    }
    const double floorMs = bench::median(floor);
    const double windowMs = bench::median(window);
    QTextStream out(stdout);
    out << "Favorites window on " << kTopFolders * (kSubfolders + 1) * kPerFolder
        << " shortcuts in " << kTopFolders * (kSubfolders + 1) << " folders (" << bytes / 1024
        << " KiB), median of " << kRounds << ":\n";
    out << QStringLiteral("  read raw (floor)     %1 ms\n").arg(floorMs, 8, 'f', 1);
    out << QStringLiteral("  opened in the window %1 ms   ratio %2 (target 2.0 or less)\n")
               .arg(windowMs, 8, 'f', 1)
               .arg(windowMs / floorMs, 0, 'f', 2);
    out << QStringLiteral("  window shown, first turn of its event loop after %1 ms (median)\n")
               .arg(bench::median(firstTurns), 0, 'f', 1);
    out << QStringLiteral("  longest gap between processed events during a scan: %1 ms (of all "
                          "rounds)\n")
               .arg(longestGap, 0, 'f', 1);
    out << QStringLiteral("  then writing the cache file, without a turn: %1 ms (median)\n")
               .arg(bench::median(lastGaps), 0, 'f', 1);
    return 0;
}
