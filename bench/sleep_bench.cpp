// Sleeping documents, each figure against a floor measured in the same run, alternating:
// - memory (PSS of the whole process tree) of 30 documents on 30 sites (127.0.0.2 ...; each
//   address is a site of its own to the engine) all awake, and with 29 asleep, against one
//   document alone;
// - a start of the browser with 30 saved documents until its first page has loaded, against a
//   start with one, and how many of the 30 sites were fetched meanwhile;
// - waking a discarded document until its page has loaded, against loading the same page in a
//   new document.
// The in-process parts run in child processes (--mode) with folders of their own.
#include "benchsupport.h"

#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentsleep.h"
#include "documents/documentwindow.h"
#include "frame/mainwindow.h"
#include "platform/engine/enginesetup.h"
#include "platform/engine/webenginefactory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

using namespace kelvane;

namespace {

constexpr int kSites = 30;
constexpr int kLimitMs = 180'000;

bool waitFor(const std::function<bool()>& done, int limitMs = kLimitMs) {
    return bench::waitFor(done, limitMs);
}

// One site: a small page on its own loopback address, and how often it was asked for.
class SiteServer : public QTcpServer {
public:
    explicit SiteServer(int number) {
        listen(QHostAddress(QStringLiteral("127.0.0.%1").arg(number + 2)), 0);
        connect(this, &QTcpServer::newConnection, this, [this, number] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket, number] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    ++requests;
                    const QByteArray page = QStringLiteral("<!doctype html><title>Site %1</title>"
                                                           "<h1>Site %1</h1><p>A small page.</p>")
                                                .arg(number)
                                                .toUtf8();
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                                  QByteArray::number(page.size()) +
                                  "\r\nConnection: close\r\n\r\n" + page);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString url() const {
        return QStringLiteral("http://%1:%2/").arg(serverAddress().toString()).arg(serverPort());
    }
    int requests = 0;
};

struct Browser {
    Browser() {
        appSettings() = AppSettings();
        window.load(QStringLiteral("about:blank"));
        window.show();
        DocumentWindow* blank = window.documentArea().document(1);
        waitFor([&] { return blank->hasFinishedLoading(); });
        QObject::connect(&window.documentArea(), &DocumentArea::documentLoaded,
                         [this] { ++loads; });
    }
    // Opens url in a new document and waits for its page.
    bool open(const QString& url) {
        DocumentArea& area = window.documentArea();
        area.openInNewDocument(url);
        DocumentWindow* doc = area.activeDocument();
        return waitFor([&] { return doc->hasFinishedLoading() && !doc->isLoading(); });
    }
    WebEngineFactory engines;
    MainWindow window{engines, nullptr};
    int loads = 0;
};

// The process tree's PSS once the engine has settled: the least of three readings.
qint64 settledPssKiB() {
    waitFor([] { return false; }, 5000);
    qint64 least = 0;
    for (int i = 0; i < 3; ++i) {
        const qint64 pss = bench::treePssKiB();
        least = least == 0 ? pss : std::min(least, pss);
        waitFor([] { return false; }, 1000);
    }
    return least;
}

// Child: count documents on the first count sites; all but the last asleep when asked.
int memoryMode(const QStringList& urls, bool asleep) {
    Browser browser;
    for (const QString& url : urls) {
        if (!browser.open(url))
            return 1;
    }
    DocumentArea& area = browser.window.documentArea();
    area.document(1)->closeDocument(); // the blank first document
    waitFor([&] { return area.count() == urls.size(); });
    if (asleep)
        area.sleep().putOthersToSleep();
    std::printf("RESULT %lld\n", settledPssKiB());
    return 0;
}

// Child: waking a discarded document against opening its page anew, alternating.
int wakeMode(const QString& url, int rounds) {
    Browser browser;
    DocumentArea& area = browser.window.documentArea();
    if (!browser.open(url)) {
        std::fprintf(stderr, "sleep_bench: %s did not load\n", qPrintable(url));
        return 1;
    }
    QList<double> ratios;
    for (int i = 0; i < rounds; ++i) {
        area.document(1)->bringToFront(); // the blank one; the page's document sleeps
        area.sleep().putOthersToSleep();
        waitFor([] { return false; }, 2000);
        QElapsedTimer clock;
        clock.start();
        int before = browser.loads;
        area.document(2)->bringToFront();
        if (!waitFor([&] { return browser.loads > before; })) {
            std::fprintf(stderr, "sleep_bench: the woken document did not load\n");
            return 1;
        }
        const double wakeMs = clock.nsecsElapsed() / 1e6;

        area.document(1)->bringToFront();
        waitFor([] { return false; }, 2000);
        clock.restart();
        if (!browser.open(url))
            return 1;
        const double openMs = clock.nsecsElapsed() / 1e6;
        area.activeDocument()->closeDocument();
        waitFor([&] { return area.count() == 2; });
        ratios << wakeMs / openMs;
    }
    std::printf("RESULT");
    for (const double r : ratios)
        std::printf(" %.3f", r);
    std::printf("\n");
    return 0;
}

int runMode(const QStringList& args, int argc, char** argv) {
    prepareEngineEnvironment(/*quiet=*/true);
    QApplication app(argc, argv);
    chooseRendering();
    if (args.value(0) == QLatin1String("memory"))
        return memoryMode(args.mid(2), args.value(1) == QLatin1String("asleep"));
    return wakeMode(args.value(1), args.value(2).toInt());
}

QList<double> runChild(const QStringList& args) {
    QTemporaryDir home;
    bench::prepareHome(home);
    QProcess child;
    child.setProcessEnvironment(bench::isolatedEnvironment(home));
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), QStringList{"--mode"} + args);
    // The servers answer from this process's loop while the child runs.
    waitFor([&] { return child.state() == QProcess::NotRunning; }, 2 * kLimitMs);
    if (child.state() != QProcess::NotRunning) {
        child.kill();
        child.waitForFinished();
    }
    QList<double> figures;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("RESULT ")) {
            for (const QByteArray& f : line.mid(7).split(' '))
                figures << f.toDouble();
        }
    }
    return figures;
}

// One start of the browser with count saved documents: ms until its first page has loaded.
std::optional<double> startWith(const QString& browser, const QList<SiteServer*>& sites,
                                int count) {
    QTemporaryDir home;
    bench::prepareHome(home);
    QFile settings(home.path() + QStringLiteral("/config/Kelvane/Kelvane.ini"));
    if (!settings.open(QIODevice::Append))
        return std::nullopt;
    QByteArray keys = "SaveAllOnExit=True\nDocumentCount=" + QByteArray::number(count) + "\n";
    for (int i = 0; i < count; ++i)
        keys += "Document" + QByteArray::number(i + 1) + "=" + sites[i]->url().toUtf8() + "\n";
    settings.write(keys);
    settings.close();

    QProcess process;
    process.setProcessEnvironment(bench::isolatedEnvironment(home));
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    std::optional<double> loadedMs;
    QObject::connect(&process, &QProcess::readyReadStandardError, [&] {
        if (process.readAllStandardError().contains("first document loaded") && !loadedMs)
            loadedMs = clock.nsecsElapsed() / 1e6;
    });
    clock.start();
    process.start(browser, {});
    waitFor([&] { return loadedMs || process.state() == QProcess::NotRunning; });
    waitFor([] { return false; }, 3000); // time for any other document to be fetched
    process.terminate();
    if (!process.waitForFinished(15'000))
        process.kill();
    return loadedMs;
}

QString figures(const QList<double>& values) {
    if (values.isEmpty())
        return QStringLiteral("failed");
    return QStringLiteral("%1x  (range %2 .. %3, %4 runs)")
        .arg(bench::median(values), 0, 'f', 3)
        .arg(bench::quantile(values, 0), 0, 'f', 3)
        .arg(bench::quantile(values, 1), 0, 'f', 3)
        .arg(values.size());
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.value(0) == QLatin1String("--mode"))
        return runMode(args.mid(1), argc, argv);
    QCoreApplication app(argc, argv);
    const QString browser = args.value(args.indexOf(QStringLiteral("--browser")) + 1);
    // KELVANE_SLEEP_ROUNDS sets the rounds of each comparison, default 3.
    const int rounds = qEnvironmentVariableIsSet("KELVANE_SLEEP_ROUNDS")
                           ? qMax(1, qEnvironmentVariableIntValue("KELVANE_SLEEP_ROUNDS"))
                           : 3;
    QTextStream out(stdout);

    QList<SiteServer*> sites;
    QStringList urls;
    for (int i = 0; i < kSites; ++i) {
        sites << new SiteServer(i);
        urls << sites.last()->url();
    }

    QList<double> awake, asleep;
    QList<double> one, asleepMiB, awakeMiB;
    for (int r = 0; r < rounds; ++r) {
        const QList<double> alone = runChild({"memory", "awake", urls.first()});
        const QList<double> sleeping = runChild(QStringList{"memory", "asleep"} + urls);
        const QList<double> busy = runChild(QStringList{"memory", "awake"} + urls);
        if (alone.isEmpty() || sleeping.isEmpty() || busy.isEmpty())
            continue;
        one << alone.first() / 1024;
        asleep << sleeping.first() / alone.first();
        awake << busy.first() / alone.first();
        asleepMiB << sleeping.first() / 1024;
        awakeMiB << busy.first() / 1024;
    }
    out << "Memory, PSS of the process tree, against one document alone (median "
        << bench::median(one) << " MiB):\n"
        << "  30 documents on 30 sites, 29 asleep: " << figures(asleep) << "  (goal <= 1.15x; "
        << bench::median(asleepMiB) << " MiB)\n"
        << "  30 documents on 30 sites, all awake: " << figures(awake) << "  ("
        << bench::median(awakeMiB) << " MiB)\n";
    out.flush();

    QList<double> starts, singleMs, manyMs;
    QList<int> fetched;
    for (int r = 0; r < rounds; ++r) {
        const auto single = startWith(browser, sites, 1);
        for (SiteServer* site : sites)
            site->requests = 0;
        const auto many = startWith(browser, sites, kSites);
        int count = 0;
        for (SiteServer* site : sites)
            count += site->requests > 0;
        fetched << count;
        if (single && many)
            starts << *many / *single, singleMs << *single, manyMs << *many;
    }
    out << "Start to the first page loaded, 30 saved documents against 1: " << figures(starts)
        << "  (goal <= 1.2x; " << bench::median(manyMs) << " ms against " << bench::median(singleMs)
        << " ms)\n  sites fetched in each 30-document start (before the user shows "
           "another document):";
    for (const int f : fetched)
        out << ' ' << f;
    out << " of " << kSites << "\n";
    out.flush();

    const QList<double> wakes = runChild({"wake", urls.first(), QString::number(5 * rounds)});
    out << "Waking a discarded document against loading its page in a new one: " << figures(wakes)
        << "  (goal <= 1.2x)\n";
    return 0;
}
