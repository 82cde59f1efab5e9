// Soak run: the real browser driven for N minutes on a desktop of its own (Xvfb and openbox),
// as a user would: documents opened and closed from local pages with scripts, frames, popups,
// downloads and dialogs, Ctrl+Tab, tiling, the Navigator, Favorites, Quick Search and Options
// opened and closed, notes typed. The minutes count after a warm-up in which every action runs
// twice. At the end of every minute the browser is brought back to one
// document and, once settled, the whole process tree's PSS, open descriptors and threads are
// recorded (the least of several readings). The run fails when PSS grows more than 10 % from the
// second minute to the last, or descriptors or threads grow at all (in a run of six minutes or
// more each end is the steady level of three minutes); it prints a table and draws the figures into
// a PNG.
//
// usage: soak [--minutes N] [--plot FILE.png] [--screens FOLDER]  (a screenshot each minute)
#include "benchsupport.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/xsession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

using namespace kelvane::test;
namespace bench = kelvane::bench;

namespace {

constexpr int kSettleMs = 8000;
// After settling the figures are read this many times, some seconds apart, and the least of
// each kept: pools of worker threads (Qt's and the engine's) grow with the work of the moment
// and end a thread, with its wake-up descriptor, only after 30 s of idling.
constexpr int kReadings = 6;
constexpr int kReadingIntervalMs = 6000;
// PSS only from the first readings: some 20 s into a rest the engine starts giving memory back,
// at moments of its own, and a minute would read as low or as high as that chance fell.
constexpr int kPssReadings = 3;
constexpr double kPssGrowthAllowed = 0.10;

struct Sample {
    int minute = 0;
    double pssMb = 0;
    int descriptors = 0;
    int threads = 0;
    int processes = 0;
};

Sample measure(qint64 browser, int minute) {
    Sample sample{minute};
    for (const qint64 pid : bench::processTree(browser)) {
        sample.pssMb += bench::procField(pid, "smaps_rollup", "Pss:") / 1024.0;
        sample.threads += int(bench::procField(pid, "status", "Threads:"));
        sample.descriptors +=
            int(QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryList(QDir::System).size());
        ++sample.processes;
    }
    return sample;
}

// Three panels, one a figure, over the minutes.
void plot(const QList<Sample>& samples, const QString& file) {
    const QSize size(960, 720);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const struct {
        const char* name;
        std::function<double(const Sample&)> value;
        QColor colour;
    } series[] = {
        {"PSS of the process tree (MB)", [](const Sample& s) { return s.pssMb; }, Qt::darkBlue},
        {"open descriptors", [](const Sample& s) { return double(s.descriptors); }, Qt::darkGreen},
        {"threads", [](const Sample& s) { return double(s.threads); }, Qt::darkRed},
    };
    const int panelHeight = size.height() / 3;
    const int lastMinute = samples.isEmpty() ? 1 : samples.last().minute;
    for (int p = 0; p < 3; ++p) {
        const QRect area(70, p * panelHeight + 30, size.width() - 100, panelHeight - 60);
        double low = 1e300;
        double high = 0;
        for (const Sample& s : samples) {
            low = qMin(low, series[p].value(s));
            high = qMax(high, series[p].value(s));
        }
        if (samples.isEmpty())
            low = 0;
        // Room above and below, and never a flat range.
        const double margin = qMax((high - low) * 0.2, qMax(high * 0.02, 1.0));
        low = qMax(0.0, low - margin);
        high += margin;
        painter.setPen(Qt::black);
        painter.drawText(area.left(), area.top() - 8, QString::fromLatin1(series[p].name));
        painter.setPen(Qt::gray);
        painter.drawRect(area);
        for (int tick = 0; tick <= 4; ++tick) {
            const double value = low + (high - low) * tick / 4;
            const int y = area.bottom() - area.height() * tick / 4;
            painter.drawLine(area.left() - 4, y, area.left(), y);
            painter.drawText(QRect(0, y - 8, area.left() - 6, 16),
                             Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(value, 'f', value < 100 ? 1 : 0));
        }
        for (int minute = 1; minute <= lastMinute; ++minute) {
            const int x = area.left() + area.width() * (minute - 1) / qMax(1, lastMinute - 1);
            painter.drawLine(x, area.bottom(), x, area.bottom() + 4);
            if (lastMinute <= 15 || minute % 5 == 0 || minute == 1)
                painter.drawText(QRect(x - 20, area.bottom() + 4, 40, 16), Qt::AlignCenter,
                                 QString::number(minute));
        }
        QPainterPath line;
        for (const Sample& s : samples) {
            const QPointF point(
                area.left() + area.width() * double(s.minute - 1) / qMax(1, lastMinute - 1),
                area.bottom() - area.height() * (series[p].value(s) - low) / (high - low));
            if (line.elementCount() == 0)
                line.moveTo(point);
            else
                line.lineTo(point);
            painter.setPen(QPen(series[p].colour, 2));
            painter.drawEllipse(point, 2.5, 2.5);
        }
        painter.setPen(QPen(series[p].colour, 2));
        painter.drawPath(line);
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, size.height() - 20, size.width(), 20), Qt::AlignCenter,
                     QStringLiteral("minute of the soak run"));
    painter.end();
    image.save(file);
}

struct Page {
    const char* path;
    const char* title;
    const char* body;
};

// What the documents show: scripts, frames, a popup the blocker kills, a download, a dialog.
const Page kPages[] = {
    {"/a", "Page A", "<style>body{background:#c00}</style>"},
    {"/script", "Script",
     "<div id=d></div><script>let n=0;setInterval(()=>{const d=document.getElementById('d');"
     "d.textContent='';for(let i=0;i<200;i++){const e=document.createElement('p');"
     "e.textContent='line '+(n++);d.appendChild(e);}},200)</script>"},
    {"/frames", "Frames",
     "<iframe src=/a></iframe><iframe src=/script></iframe><iframe src=/b></iframe>"},
    {"/popup", "Popup", "<script>window.open('/popup-target')</script>"},
    {"/download", "Download",
     "<a id=l href=/file.bin>file</a>"
     "<script>setTimeout(()=>document.getElementById('l').click(),300)</script>"},
    {"/dialog", "Dialog", "<script>setTimeout(()=>alert('soak'),300)</script>"},
    {"/b", "Page B", "<p>plain</p>"},
};

class Soak {
public:
    Soak() {
        for (const Page& page : kPages)
            m_server.addPage(
                QString::fromLatin1(page.path),
                htmlPage(QString::fromLatin1(page.title), QString::fromLatin1(page.body)));
        m_server.addPage(QStringLiteral("/popup-target"), htmlPage(QStringLiteral("Target")));
        m_server.addPage(QStringLiteral("/file.bin"), QString(64 * 1024, u'x'),
                         QStringLiteral("application/octet-stream"));
        for (const auto& [key, value] : {std::pair{"Home1", m_server.url(QStringLiteral("/a"))},
                                         {"CheckIfDefault", QStringLiteral("False")},
                                         {"SaveAllOnExit", QStringLiteral("False")},
                                         {"MainMaximized", QStringLiteral("True")},
                                         {"PopUpEnabled", QStringLiteral("False")}})
            IsolatedHome::store(QString::fromLatin1(key), value);
        writeFile(m_home.dataHome() + QStringLiteral("/Kelvane/blacklist.kvn"), "popup-target\r\n");
    }

    QString failure() const { return m_x.failure(); }

    bool start(const QString& binary) {
        m_x.startProgram(binary, {m_server.url(QStringLiteral("/a"))});
        if (!m_x.waitFor([&] { return mainWindow() != 0; }))
            return false;
        const QStringList pid = m_x.property(mainWindow(), QStringLiteral("_NET_WM_PID"));
        m_pid = pid.isEmpty() ? 0 : pid.first().toLongLong();
        m_x.activate(mainWindow());
        return m_pid > 0 && showsTitle(QStringLiteral("Page A"));
    }
    bool stop() { return m_x.stopProgram(); }
    qint64 pid() const { return m_pid; }
    void screenshot(const QString& file) const { m_x.grab().save(file); }
    // The user's actions so far, and how often each kind of window came up.
    QString summary() const {
        QStringList seen;
        for (const auto& [window, count] : m_seen)
            seen << QStringLiteral("%1 %2").arg(window).arg(count);
        return QStringLiteral("%1 actions; windows opened and closed: %2")
            .arg(m_step)
            .arg(seen.join(QStringLiteral(", ")));
    }
    bool running() const { return m_x.isProgramRunning(); }

    // Every action twice before the first minute: what is made once and kept (windows built
    // on first use, caches, the allocator's pools) is no growth.
    void warmUp() {
        while (m_step < 2 * kCycle && running())
            act(m_step++);
    }

    // One user action after the other until the deadline.
    void use(const QDeadlineTimer& until) {
        while (!until.hasExpired() && running())
            act(m_step++);
    }

    // Back to one document showing Page A, the way a user gets there, then a pause.
    void settle() {
        dismissWindows();
        for (int i = 0; i < m_open + 2; ++i)
            closeDocument();
        m_open = 0;
        m_x.keys(QStringLiteral("ctrl+n"));
        ++m_open;
        showsTitle(QStringLiteral("Page A"));
        m_x.moveMouse({1279, 799});
        QTest::qWait(kSettleMs);
    }

private:
    XWindow mainWindow() const { return m_x.findWindow(QStringLiteral("^Kelvane v1\\.50")); }
    bool showsTitle(const QString& title, int ms = 10'000) const {
        return m_x.waitFor([&] { return m_x.title(mainWindow()).contains(title); }, ms);
    }
    void menu(const QString& keys) {
        m_x.activate(mainWindow());
        m_x.keys(keys);
        QTest::qWait(300);
    }
    void closeDocument() { menu(QStringLiteral("alt+f c Escape")); }
    // A window of the browser's other than the main one and the Navigator, closed as a user
    // closes it: Escape, else the window manager's Alt+F4.
    void closeWindow(const QString& titlePattern) {
        if (!m_x.waitFor([&] { return m_x.findWindow(titlePattern) != 0; }, 5000))
            return;
        ++m_seen[titlePattern.mid(1)];
        const XWindow window = m_x.findWindow(titlePattern);
        m_x.activate(window);
        m_x.keys(QStringLiteral("Escape"));
        if (!m_x.waitFor([&] { return m_x.findWindow(titlePattern) == 0; }, 1500)) {
            m_x.activate(window);
            m_x.keys(QStringLiteral("alt+F4"));
        }
        m_x.waitFor([&] { return m_x.findWindow(titlePattern) == 0; }, 3000);
    }
    void dismissWindows() {
        for (const char* pattern :
             {"^Javascript", "^Kelvane Favorites", "^Quick Search", "^Options"}) {
            if (m_x.findWindow(QString::fromLatin1(pattern)))
                closeWindow(QString::fromLatin1(pattern));
        }
    }
    void openDocument(const Page& page) {
        m_x.keys(QStringLiteral("ctrl+n"));
        ++m_open;
        showsTitle(QStringLiteral("Page A"));
        navigate(page);
    }
    void navigate(const Page& page) {
        menu(QStringLiteral("alt+d"));
        m_x.type(m_server.url(QString::fromLatin1(page.path)));
        m_x.keys(QStringLiteral("Return"));
        showsTitle(QString::fromLatin1(page.title), 5000);
    }
    // The shrunk notes pane leaves a small dark arrow at the left edge of the main window.
    void typeNotes() {
        const QRect window = m_x.geometry(mainWindow());
        const QImage column = m_x.grab(QRect(window.left() + 7, window.top(), 1, window.height()));
        QList<int> dark;
        for (int y = 150; y < column.height() - 40; ++y) {
            if (qGray(column.pixel(0, y)) < 128)
                dark << y;
        }
        if (dark.isEmpty())
            return;
        m_x.click(QPoint(window.left() + 7, window.top() + dark[dark.size() / 2]));
        QTest::qWait(500);
        m_x.click(QPoint(window.left() + 120, window.top() + 300));
        m_x.keys(QStringLiteral("ctrl+End"));
        m_x.type(QStringLiteral("note %1").arg(m_step));
        m_x.keys(QStringLiteral("Return"));
        // Shrunk again by its arrow, right of the notes box on the same line.
        const int y = window.top() + dark[dark.size() / 2];
        const QImage row = m_x.grab(QRect(window.left() + 283, y, 16, 1));
        for (int x = 0; x < row.width(); ++x) {
            if (qGray(row.pixel(x, 0)) < 128) {
                m_x.click(QPoint(window.left() + 283 + x, y));
                break;
            }
        }
    }

    static constexpr int kCycle = 12;

    void act(int step) {
        const int pages = int(std::size(kPages));
        switch (step % kCycle) {
        case 0:
        case 6:
            openDocument(kPages[(step / 6) % pages]);
            break;
        case 1:
            navigate(kPages[(step / 12 + 3) % pages]);
            dismissWindows(); // the dialog page's alert
            break;
        case 2:
            m_x.keys(QStringLiteral("ctrl+Tab ctrl+Tab ctrl+shift+Tab"));
            break;
        case 3:
            menu(step % 24 == 3 ? QStringLiteral("alt+w h") : QStringLiteral("alt+w v"));
            break;
        case 4:
            menu(QStringLiteral("alt+v n"));
            menu(QStringLiteral("alt+v n"));
            break;
        case 5:
            menu(QStringLiteral("alt+v f"));
            closeWindow(QStringLiteral("^Kelvane Favorites"));
            break;
        case 7:
            menu(QStringLiteral("F9"));
            closeWindow(QStringLiteral("^Quick Search"));
            break;
        case 8:
            menu(QStringLiteral("alt+v o"));
            closeWindow(QStringLiteral("^Options"));
            break;
        case 9:
            typeNotes();
            break;
        case 10:
        case 11:
            if (m_open > 1) {
                closeDocument();
                --m_open;
            }
            break;
        }
        QTest::qWait(200);
    }

    IsolatedHome m_home;
    TestHttpServer m_server;
    XSession m_x;
    std::map<QString, int> m_seen;
    qint64 m_pid = 0;
    int m_step = 0;
    int m_open = 1;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // the driver itself shows nothing
    QGuiApplication app(argc, argv);
    int minutes = 30;
    QString plotFile = QStringLiteral("soak.png");
    QString screens;
    const QStringList arguments = app.arguments();
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--minutes"))
            minutes = qMax(2, arguments[i + 1].toInt());
        else if (arguments[i] == QLatin1String("--plot"))
            plotFile = arguments[i + 1];
        else if (arguments[i] == QLatin1String("--screens"))
            screens = arguments[i + 1];
    }

    Soak soak;
    if (!soak.failure().isEmpty()) {
        std::fprintf(stderr, "soak: no desktop: %s\n", qPrintable(soak.failure()));
        return 2;
    }
    if (!soak.start(QStringLiteral(KELVANE_BINARY))) {
        std::fprintf(stderr, "soak: the browser did not show its first page\n");
        return 2;
    }
    soak.warmUp();
    std::printf("soak: %d minutes after a warm-up, browser process %lld\n", minutes, soak.pid());
    std::printf("%6s %10s %12s %8s %10s\n", "minute", "PSS MB", "descriptors", "threads",
                "processes");
    QList<Sample> samples;
    QElapsedTimer clock;
    clock.start();
    for (int minute = 1; minute <= minutes && soak.running(); ++minute) {
        // Use until shortly before the minute ends; settle and measure at its end.
        soak.use(QDeadlineTimer(qMax<qint64>(0, minute * 60'000 - clock.elapsed() - kSettleMs -
                                                    kReadingIntervalMs * (kReadings - 1) - 8000)));
        soak.settle();
        if (!soak.running())
            break;
        Sample least = measure(soak.pid(), minute);
        for (int reading = 1; reading < kReadings; ++reading) {
            QTest::qWait(kReadingIntervalMs);
            const Sample now = measure(soak.pid(), minute);
            least = {minute, reading < kPssReadings ? qMin(least.pssMb, now.pssMb) : least.pssMb,
                     qMin(least.descriptors, now.descriptors), qMin(least.threads, now.threads),
                     qMin(least.processes, now.processes)};
        }
        samples.append(least);
        if (!screens.isEmpty())
            soak.screenshot(QStringLiteral("%1/minute%2.png")
                                .arg(screens)
                                .arg(minute, 2, 10, QLatin1Char('0')));
        const Sample& s = samples.last();
        std::printf("%6d %10.1f %12d %8d %10d\n", s.minute, s.pssMb, s.descriptors, s.threads,
                    s.processes);
        std::fflush(stdout);
    }
    std::printf("%s\n", qPrintable(soak.summary()));
    const bool closed = soak.stop();
    plot(samples, plotFile);
    std::printf("plot: %s\n", qPrintable(QFileInfo(plotFile).absoluteFilePath()));

    if (samples.size() < 2 || samples.last().minute < minutes) {
        std::printf("FAIL: the browser ended after %lld minutes\n", qint64(samples.size()));
        return 1;
    }
    // Minute 2 and the last minute, each as its steady level over three minutes (2 to 4, the
    // last three) in a run long enough. A single minute swings: PSS drops by a third for a
    // minute or two when the engine gives memory back, and a helper thread with its descriptors
    // is now and then not yet gone. So PSS counts at the highest of the three minutes (it only
    // drops for a while), descriptors and threads at the lowest (they only rise for a while); a
    // leak lifts both.
    const qsizetype span = samples.size() >= 6 ? 3 : 1;
    const auto around = [&](qsizetype from) {
        Sample steady = samples[from];
        for (qsizetype i = from + 1; i < from + span; ++i) {
            steady.minute = samples[i].minute;
            steady.pssMb = qMax(steady.pssMb, samples[i].pssMb);
            steady.descriptors = qMin(steady.descriptors, samples[i].descriptors);
            steady.threads = qMin(steady.threads, samples[i].threads);
        }
        return steady;
    };
    const Sample second = around(1);
    const Sample last = around(samples.size() - span);
    QStringList failures;
    const double growth = last.pssMb / second.pssMb - 1;
    if (growth > kPssGrowthAllowed)
        failures << QStringLiteral("PSS grew %1 % from minute 2 to minute %2")
                        .arg(growth * 100, 0, 'f', 1)
                        .arg(last.minute);
    if (last.descriptors > second.descriptors)
        failures << QStringLiteral("descriptors grew from %1 to %2")
                        .arg(second.descriptors)
                        .arg(last.descriptors);
    if (last.threads > second.threads)
        failures
            << QStringLiteral("threads grew from %1 to %2").arg(second.threads).arg(last.threads);
    if (!closed)
        failures << QStringLiteral("the browser did not close cleanly");
    std::printf("%s: PSS %.1f -> %.1f MB (%+.1f %%); descriptors %d -> %d; threads %d -> %d\n",
                span > 1 ? "minutes 2-4 -> the last three" : "minute 2 -> last", second.pssMb,
                last.pssMb, growth * 100, second.descriptors, last.descriptors, second.threads,
                last.threads);
    for (const QString& failure : failures)
        std::printf("FAIL: %s\n", qPrintable(failure));
    if (failures.isEmpty())
        std::printf("PASS\n");
    return failures.isEmpty() ? 0 : 1;
}
