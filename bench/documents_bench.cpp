// Opens 50 documents on a page served on 127.0.0.1 and closes them again, in the browser (the
// main window with the real engine) and in a bare program with 50 plain Qt WebEngine views.
// Reports per document: the time until all have loaded, the memory the whole process tree
// (the program and its engine processes) grew by, and the time to close them.
// Without --mode it runs both modes, each in a fresh process with its own folders, and prints
// them side by side.
#include "benchsupport.h"

#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "frame/mainwindow.h"
#include "platform/engine/enginesetup.h"
#include "platform/engine/webenginefactory.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWebEngineView>

#include <cstdio>
#include <functional>
#include <memory>

using namespace kelvane;

namespace {

constexpr int kDocuments = 50;
constexpr int kLimitMs = 120'000;

const QByteArray kPage = "<!doctype html><html><head><title>Document</title></head><body>"
                         "<h1>Document</h1><p>A small page served locally, with a little text "
                         "and <a href='#'>a link</a>.</p></body></html>";

bool waitFor(const std::function<bool()>& done, int limitMs = kLimitMs) {
    return bench::waitFor(done, limitMs);
}

// One side of the comparison: opens documents and closes them.
class Subject {
public:
    virtual ~Subject() = default;
    virtual void open(const QString& url) = 0;
    virtual int loaded() const = 0;
    virtual void closeAllButFirst() = 0;
    virtual int open_count() const = 0;
};

class BrowserSubject : public Subject {
public:
    explicit BrowserSubject(const QString& url) {
        appSettings() = AppSettings();
        m_window.load(url);
        m_window.show();
    }
    ~BrowserSubject() override { m_window.close(); }
    void open(const QString& url) override { m_window.openInNewDocument(url); }
    int loaded() const override {
        int n = 0;
        const DocumentArea& area = m_window.documentArea();
        for (int i = 1; i <= area.count(); ++i)
            n += area.document(i)->hasFinishedLoading() && !area.document(i)->isLoading();
        return n;
    }
    void closeAllButFirst() override {
        DocumentArea& area = m_window.documentArea();
        while (area.count() > 1)
            area.document(area.count())->closeDocument();
    }
    int open_count() const override { return m_window.documentArea().count(); }

private:
    WebEngineFactory m_engines;
    MainWindow m_window{m_engines, nullptr};
};

class BareSubject : public Subject {
public:
    // One view shown at a time in a maximized window, the newest in front, as tabs would.
    explicit BareSubject(const QString& url) {
        m_window.showMaximized();
        open(url);
    }
    void open(const QString& url) override {
        auto* view = new QWebEngineView(&m_window);
        m_window.addWidget(view);
        m_window.setCurrentWidget(view);
        QObject::connect(view, &QWebEngineView::loadFinished, view, [this] { ++m_loaded; });
        view->load(QUrl(url));
        m_views.append(view);
    }
    int loaded() const override { return m_loaded; }
    void closeAllButFirst() override {
        while (m_views.size() > 1)
            delete m_views.takeLast();
    }
    int open_count() const override { return int(m_views.size()); }

private:
    QStackedWidget m_window;
    QList<QWebEngineView*> m_views;
    int m_loaded = 0;
};

int runMode(const QString& mode, int argc, char** argv) {
    prepareEngineEnvironment(/*quiet=*/true);
    QApplication app(argc, argv);
    chooseRendering();
    bench::PageServer server(kPage);
    const QString url = server.url();
    std::unique_ptr<Subject> subject;
    if (mode == QLatin1String("browser"))
        subject = std::make_unique<BrowserSubject>(url);
    else
        subject = std::make_unique<BareSubject>(url);

    if (!waitFor([&] { return subject->loaded() >= 1; }))
        return 1;
    waitFor([] { return false; }, 1000); // let the first start settle
    const qint64 before = bench::treePssKiB();

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kDocuments; ++i)
        subject->open(url);
    if (!waitFor([&] { return subject->loaded() >= kDocuments + 1; }))
        return 1;
    const double openMs = clock.elapsed();
    waitFor([] { return false; }, 1000);
    const qint64 after = bench::treePssKiB();

    clock.restart();
    subject->closeAllButFirst();
    waitFor([&] { return subject->open_count() == 1; });
    const double closeMs = clock.elapsed();
    waitFor([] { return false; }, 2000);
    const qint64 closed = bench::treePssKiB();

    std::printf("RESULT %.2f %.1f %.2f %lld %lld %lld\n", openMs / kDocuments,
                double(after - before) / kDocuments, closeMs / kDocuments, before, after, closed);
    subject.reset();
    return 0;
}

struct Figures {
    double openMs = 0, kibPerDoc = 0, closeMs = 0;
    qint64 before = 0, after = 0, closed = 0;
    bool ok = false;
};

Figures runChild(const QString& mode) {
    QTemporaryDir home;
    bench::prepareHome(home);
    QProcess child;
    child.setProcessEnvironment(bench::isolatedEnvironment(home));
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--mode"), mode});
    Figures f;
    if (!child.waitForFinished(5 * kLimitMs))
        child.kill();
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> p = line.split(' ');
        if (p.size() == 7 && p.at(0) == "RESULT") {
            f = {p[1].toDouble(),
                 p[2].toDouble(),
                 p[3].toDouble(),
                 p[4].toLongLong(),
                 p[5].toLongLong(),
                 p[6].toLongLong(),
                 true};
        }
    }
    return f;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--mode") == 0)
            return runMode(QString::fromLatin1(argv[i + 1]), argc, argv);
    }
    QCoreApplication app(argc, argv);
    const Figures browser = runChild(QStringLiteral("browser"));
    const Figures bare = runChild(QStringLiteral("bare"));
    QTextStream out(stdout);
    out << "Opening and closing " << kDocuments << " documents on a page on 127.0.0.1 "
        << "(per document; memory is the whole process tree, PSS):\n";
    out << QStringLiteral("  %1 %2 %3 %4\n")
               .arg(QString(), -28)
               .arg(QStringLiteral("open until loaded"), 18)
               .arg(QStringLiteral("memory"), 12)
               .arg(QStringLiteral("close"), 10);
    for (const auto& [name, f] : {std::pair{"browser", browser}, std::pair{"bare program", bare}}) {
        if (!f.ok) {
            out << "  " << name << ": failed\n";
            continue;
        }
        out << QStringLiteral("  %1 %2 %3 %4\n")
                   .arg(QLatin1String(name), -28)
                   .arg(QStringLiteral("%1 ms").arg(f.openMs, 0, 'f', 1), 18)
                   .arg(QStringLiteral("%1 MiB").arg(f.kibPerDoc / 1024, 0, 'f', 2), 12)
                   .arg(QStringLiteral("%1 ms").arg(f.closeMs, 0, 'f', 1), 10);
    }
    if (browser.ok && bare.ok && bare.openMs > 0 && bare.kibPerDoc > 0) {
        out << QStringLiteral("  %1 %2 %3 %4\n")
                   .arg(QStringLiteral("ratio browser / bare"), -28)
                   .arg(browser.openMs / bare.openMs, 18, 'f', 2)
                   .arg(browser.kibPerDoc / bare.kibPerDoc, 12, 'f', 2)
                   .arg(bare.closeMs > 0 ? browser.closeMs / bare.closeMs : 0.0, 10, 'f', 2);
        out << QStringLiteral("  tree PSS before / with %1 / after closing: browser %2 / %3 / %4 "
                              "MiB, bare %5 / %6 / %7 MiB\n")
                   .arg(kDocuments)
                   .arg(browser.before / 1024)
                   .arg(browser.after / 1024)
                   .arg(browser.closed / 1024)
                   .arg(bare.before / 1024)
                   .arg(bare.after / 1024)
                   .arg(bare.closed / 1024);
    }
    return browser.ok && bare.ok ? 0 : 1;
}
