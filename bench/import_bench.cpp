// Imports a bookmark file of 30 000 links (20 folders of 1 500, some titles repeated) into an
// empty Favorites folder the way the browser does, on the import's own thread, and in the same
// run writes the same number of shortcut files raw into the same folders: the floor. The two
// alternate. Reports the median of each, the median ratio with its range, and the longest time
// the event loop of the window's thread went without a turn during an import.
#include "benchsupport.h"

#include "favorites/favoritesimport.h"
#include "favorites/importtask.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace kelvane;

namespace {

constexpr int kFolders = 20;
constexpr int kPerFolder = 1500;
constexpr int kRounds = 5;

QString title(int n) {
    // One title in ten is shared with the link before it, as "Home" or "Index" often are.
    return QStringLiteral("Page number %1 of a site").arg(n % 10 == 0 ? n - 1 : n);
}
QByteArray address(int n) {
    return "https://www.example.com/section/page" + QByteArray::number(n) + ".html";
}

QByteArray bookmarkFile() {
    QByteArray html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n";
    for (int f = 0, n = 0; f < kFolders; ++f) {
        html += "<DT><H3>Group " + QByteArray::number(f) + "</H3>\n<DL><p>\n";
        for (int i = 0; i < kPerFolder; ++i, ++n)
            html += "<DT><A HREF=\"" + address(n) + "\">" + title(n).toUtf8() + "</A>\n";
        html += "</DL><p>\n";
    }
    return html;
}

// The floor: the same number of shortcuts written into the same folders, nothing else.
double writeRaw(const QString& root) {
    QElapsedTimer clock;
    clock.start();
    for (int f = 0, n = 0; f < kFolders; ++f) {
        const QString folder = root + QStringLiteral("/Group %1").arg(f);
        QDir().mkdir(folder);
        for (int i = 0; i < kPerFolder; ++i, ++n) {
            QFile file(folder + QStringLiteral("/Page number %1 of a site.url").arg(n));
            if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
                qFatal("cannot write %s", qPrintable(file.fileName()));
            file.write("[InternetShortcut]\r\nURL=" + address(n) + "\r\n");
        }
    }
    return clock.nsecsElapsed() / 1e6;
}

struct ImportRun {
    double ms = 0;
    double longestGapMs = 0;
    int added = 0;
};

ImportRun importFile(const QString& file, const QString& root) {
    ImportRun run;
    ImportTask task(file, root);
    QElapsedTimer clock;
    double lastTurn = 0;
    bool done = false;
    QObject::connect(&task, &ImportTask::finished, [&](const QString&, const ImportSummary& s) {
        run.ms = clock.nsecsElapsed() / 1e6;
        run.added = s.added;
        done = true;
    });
    QTimer turns;
    turns.setInterval(0);
    QObject::connect(&turns, &QTimer::timeout, [&] {
        const double now = clock.nsecsElapsed() / 1e6;
        run.longestGapMs = std::max(run.longestGapMs, now - lastTurn);
        lastTurn = now;
    });
    clock.start();
    turns.start();
    task.start();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return run;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    bench::isolateThisProcess(home);
    QCoreApplication app(argc, argv);

    const QString file = home.filePath(QStringLiteral("bookmarks.html"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bookmarkFile()) < 0)
        qFatal("cannot write the bookmark file");
    out.close();

    QList<double> floor, imports, ratios;
    double longestGap = 0;
    for (int round = 0; round < kRounds; ++round) {
        QTemporaryDir rawRoot(home.filePath(QStringLiteral("raw-XXXXXX")));
        QTemporaryDir importRoot(home.filePath(QStringLiteral("import-XXXXXX")));
        floor << writeRaw(rawRoot.path());
        const ImportRun run = importFile(file, importRoot.path());
        imports << run.ms;
        ratios << run.ms / floor.last();
        longestGap = std::max(longestGap, run.longestGapMs);
        std::fprintf(stderr,
                     "round %d: raw %.1f ms, import %.1f ms (%d added), longest gap %.1f ms\n",
                     round + 1, floor.last(), run.ms, run.added, run.longestGapMs);
    }
    QTextStream text(stdout);
    text << "Import of " << kFolders * kPerFolder << " bookmarks in " << kFolders
         << " folders, median of " << kRounds << ":\n";
    text << QStringLiteral("  written raw (floor)  %1 ms\n").arg(bench::median(floor), 8, 'f', 1);
    text << QStringLiteral("  imported             %1 ms   (target under 10 000 ms)\n")
                .arg(bench::median(imports), 8, 'f', 1);
    text << QStringLiteral("  ratio import / raw   %1 (range %2 to %3)\n")
                .arg(bench::median(ratios), 0, 'f', 2)
                .arg(*std::min_element(ratios.cbegin(), ratios.cend()), 0, 'f', 2)
                .arg(*std::max_element(ratios.cbegin(), ratios.cend()), 0, 'f', 2);
    text << QStringLiteral("  longest the window's event loop went without a turn: %1 ms\n")
                .arg(longestGap, 0, 'f', 1);
    return 0;
}
