// The Qt WebEngine engine, and downloads through it, against pages served on 127.0.0.1.
#include "base/appsettings.h"
#include "base/stringtable.h"
#include "downloads/downloaditem.h"
#include "downloads/downloadmanager.h"
#include "platform/engine/engineservices.h"
#include "platform/engine/enginesetup.h"
#include "platform/engine/webengine.h"
#include "platform/engine/webenginefactory.h"
#include "platform/engine/webengineprofile.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QWidget>
#include <gtest/gtest.h>

#include <csignal>

using namespace kelvane;
using test::waitUntil;
using State = DownloadItem::State;

namespace {

// One engine in a shown window, with what it raised.
struct Browser {
    explicit Browser(QWidget* host)
        : engine(host) {
        engine.widget()->resize(800, 600);
        engine.widget()->show();
        QObject::connect(&engine, &Engine::navigationRequested,
                         [this](auto* request) { request->cancel = request->url == cancelUrl; });
        // A maximum of 0 ends a load.
        QObject::connect(&engine, &Engine::progressChanged,
                         [this](int, int max) { loadsEnded += max == 0; });
        QObject::connect(&engine, &Engine::securityChanged,
                         [this](PageSecurity on) { secure = on == PageSecurity::Secure; });
    }
    // Navigates (or runs `start`) and waits for the end of the load.
    bool load(const QString& text, const std::function<void()>& start = {}) {
        const int ended = loadsEnded;
        start ? start() : engine.navigate(text);
        return waitUntil([&] { return loadsEnded > ended; });
    }
    QVariant evaluate(const QString& script) {
        QVariant result;
        bool done = false;
        engine.page()->runJavaScript(script, [&](const QVariant& v) { result = v, done = true; });
        EXPECT_TRUE(waitUntil([&] { return done; })) << script.toStdString();
        return result;
    }

    WebEngine engine;
    QString cancelUrl;
    int loadsEnded = 0;
    bool secure = false;
};

struct WebEngineTest : ::testing::Test {
    WebEngineTest() {
        for (const char* page : {"/a", "/b", "/c"})
            server.addPage(page, test::htmlPage(QString(page[1]).toUpper(), "Some text"));
        host.show();
    }
    QString url(const char* path) { return server.url(path); }

    QWidget host;
    test::TestHttpServer server;
    Browser browser{&host};
    WebEngine& engine = browser.engine;
};

TEST_F(WebEngineTest, LoadsHistoryNearestFirstReloadAndZoom) {
    ASSERT_TRUE(browser.load(QString()));
    EXPECT_EQ(engine.url(), QStringLiteral("about:blank")) << "nothing typed";
    ASSERT_TRUE(browser.load(QStringLiteral("127.0.0.1:%1/a").arg(server.port())));
    EXPECT_EQ(engine.url(), url("/a")) << "the text is read as typed";
    browser.cancelUrl = url("/b");
    engine.navigate(url("/b"));
    ASSERT_TRUE(browser.load(url("/c")));
    EXPECT_EQ(server.requestCount("/b"), 0) << "a cancelled navigation fetches nothing";
    ASSERT_TRUE(browser.load(url("/a?again")));
    EXPECT_EQ(engine.backCount(), 3);
    EXPECT_EQ(engine.historyEntry(true, 1)->title, QStringLiteral("C"));
    EXPECT_EQ(engine.historyEntry(true, 2)->url, url("/a"));
    EXPECT_FALSE(engine.historyEntry(true, 4) || engine.historyEntry(false, 1));
    ASSERT_TRUE(browser.load({}, [&] { engine.goBack(); }));
    EXPECT_EQ(engine.historyEntry(false, 1)->url, url("/a?again"));
    const int fetched = server.requestCount("/c");
    ASSERT_TRUE(browser.load({}, [&] { engine.reload(true); }));
    EXPECT_EQ(server.requestCount("/c"), fetched + 1);

    // The history state takes back and forward to another engine.
    Browser copy{&host};
    EXPECT_FALSE(copy.engine.restoreHistory("not a history"));
    ASSERT_TRUE(
        copy.load({}, [&] { EXPECT_TRUE(copy.engine.restoreHistory(engine.historyState())); }));
    EXPECT_EQ(copy.engine.url(), url("/c"));
    EXPECT_EQ(copy.engine.historyEntry(true, 1)->url, url("/a"));
    ASSERT_TRUE(copy.load({}, [&] { copy.engine.goForward(); }));
    EXPECT_EQ(copy.engine.url(), url("/a?again"));
    EXPECT_EQ(copy.engine.backCount(), 3);

    const int width = browser.evaluate("innerWidth").toInt();
    engine.setZoomLevel(4);
    engine.setZoomLevel(5); // out of range: ignored
    ASSERT_TRUE(browser.load(url("/b")));
    EXPECT_EQ(engine.zoomLevel(), 4) << "the size stays for the next page";
    EXPECT_LT(browser.evaluate("innerWidth").toInt(), width) << "laid out larger";

    // "This site can't be reached" (a port the engine never connects to) is not secure.
    ASSERT_TRUE(browser.load("https://127.0.0.1:1/"));
    EXPECT_FALSE(browser.secure);
}

// A renderer that dies shows its panel and is never loaded again by itself, however often.
TEST_F(WebEngineTest, ACrashedRendererWaitsForTheUserToReload) {
    ASSERT_TRUE(browser.load(url("/a")));
    for (int crash = 1; crash <= 3; ++crash) {
        const int fetched = server.requestCount("/a");
        ASSERT_TRUE(waitUntil([&] { return engine.page()->renderProcessPid() > 0; }));
        ::kill(pid_t(engine.page()->renderProcessPid()), SIGKILL);
        ASSERT_TRUE(waitUntil([&] { return engine.isShowingCrashPage(); })) << crash;
        const auto* shown = engine.widget()->findChild<QLabel*>("crashedAddress");
        ASSERT_TRUE(shown && shown->text() == url("/a"));
        EXPECT_GE(shown->height(), shown->heightForWidth(shown->width())) << "not cut off";
        EXPECT_FALSE(waitUntil([&] { return server.requestCount("/a") > fetched; }, 1500));
        EXPECT_EQ(engine.url(), url("/a")) << "the address stays for a reload";
        if (crash < 3) {
            ASSERT_TRUE(browser.load({}, [&] { engine.reload(false); }));
        }
    }
    EXPECT_TRUE(engine.isShowingCrashPage());
    ASSERT_TRUE(browser.load({}, [&] { engine.reload(false); }));
    EXPECT_FALSE(engine.isShowingCrashPage());
    EXPECT_EQ(browser.evaluate("document.title").toString(), QStringLiteral("A"));
}

TEST_F(WebEngineTest, OptionsReachThePagesAndSurviveADamagedFile) {
    test::IsolatedHome home;
    server.addPage("/s",
                   test::htmlPage("static", "<script>document.cookie = 'c=1'; "
                                            "document.title = 'run' + document.cookie</script>"));
    EngineOptions options;
    options.cookies = EngineOptions::Cookies::BlockAll;
    WebEngineProfile::setOptions(options);
    ASSERT_TRUE(browser.load(url("/s")));
    EXPECT_EQ(engine.title(), QStringLiteral("run"));
    options.javaScript = false;
    WebEngineProfile::setOptions(options);
    ASSERT_TRUE(browser.load(url("/s")));
    EXPECT_EQ(engine.title(), QStringLiteral("static"));
    WebEngineProfile::setOptions({});
    ASSERT_TRUE(browser.load(url("/s")));
    EXPECT_EQ(engine.title(), QStringLiteral("runc=1"));
    ASSERT_TRUE(
        test::writeFile(WebEngineProfile::optionsFile(),
                        "[General]\nJavaScript=maybe\nCookies=-1\n\x01\xff garbage = = =\n["));
    EXPECT_EQ(WebEngineProfile::options(), EngineOptions{}) << "damaged values keep defaults";
}

// Only a software rasterizer moves drawing to software; a graphics card keeps OpenGL.
TEST(RenderingTest, SoftwareRasterizersAreKnownByName) {
    for (const char* name : {"llvmpipe (LLVM 15.0.6, 256 bits)", "Software Rasterizer", "softpipe"})
        EXPECT_TRUE(isSoftwareRenderer(name)) << name;
    for (const char* name : {"AMD Radeon RX 580 (radeonsi, polaris10, LLVM 15.0.6)", ""})
        EXPECT_FALSE(isSoftwareRenderer(name)) << name;
}

// The server of support/downloadserver.py: its answers are built from the query.
struct DownloadServer {
    DownloadServer() {
        m_process.start("python3", {KELVANE_TESTS_DIR "/support/downloadserver.py"});
        m_process.waitForReadyRead(10'000);
        m_port = m_process.readLine().trimmed().toInt();
    }
    QString url(const QString& query) const {
        return QStringLiteral("http://127.0.0.1:%1/f?%2").arg(m_port).arg(query);
    }
    // Answers cut short by "cut" are whole from now on.
    void serveWhole() { m_process.write("whole\n"), m_process.waitForBytesWritten(); }
    // The first byte of each answer of ranges=1 so far.
    QList<qint64> starts() {
        while (m_process.canReadLine())
            m_starts << m_process.readLine().trimmed().sliced(5).toLongLong();
        return m_starts;
    }
    QProcess m_process;
    QList<qint64> m_starts;
    int m_port = 0;
};

// Whether the file holds what the server sends for size bytes: byte i is i % 251.
bool holdsServed(const QString& path, int size) {
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i % 251);
    return test::readFile(path) == bytes;
}

struct Downloads : ::testing::Test {
    Downloads() {
        appSettings().downloadAskWhere = false;
        appSettings().downloadFolder = folder();
    }
    QString folder() const { return base.filePath("in"); }
    QStringList files() const { return QDir(folder()).entryList(QDir::Files); }
    // Fetches query and waits until its download runs; the new one of the list.
    DownloadItem* fetch(const QString& query) {
        const qsizetype before = manager.items().size();
        engines.services().download(server.url(query));
        EXPECT_TRUE(waitUntil([&] { return manager.items().size() > before; }));
        return manager.items().value(before);
    }
    // A retried download may take a moment to start again.
    bool ends(DownloadItem* item, State state) {
        return waitUntil([&] { return !item->isActive() && item->state() == state; });
    }
    test::IsolatedHome home;
    QTemporaryDir base;
    DownloadServer server;
    WebEngineFactory engines;
    QWidget window;
    DownloadManager manager{engines.services(), &window};
};

TEST_F(Downloads, AttachmentsArriveByteForByteUnderSafeFreeNamesInTheFolder) {
    const std::pair<QString, QString> cases[] = {
        {"name=report.bin", "report.bin"},
        {"name=report.bin", "report (1).bin"},
        {"name=../../evil.bin", "evil.bin"},
        {"name=.profile", "profile"},
    };
    for (const auto& [query, name] : cases) {
        DownloadItem* item = fetch(query + "&size=3000000");
        ASSERT_TRUE(ends(item, State::Completed)) << name;
        EXPECT_EQ(item->path(), QDir(folder()).filePath(name));
        EXPECT_TRUE(holdsServed(item->path(), 3'000'000)) << name;
    }
    EXPECT_EQ(files(), (QStringList{"evil.bin", "profile", "report (1).bin", "report.bin"}));
    EXPECT_EQ(QDir(base.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"in"});
}

TEST_F(Downloads, CancelLeavesNothing) {
    DownloadItem* item = fetch("name=big.bin&size=9000000&stall=1000000");
    ASSERT_TRUE(waitUntil([&] { return item->receivedBytes() > 0 && !files().isEmpty(); }));
    EXPECT_FALSE(files().contains("big.bin")) << "never under its final name while it runs";
    item->cancel();
    EXPECT_EQ(item->state(), State::Cancelled);
    EXPECT_TRUE(files().isEmpty()) << files().join(',').toStdString();
}

// Cut short half-way: the failure says why; a retry fetches the file whole again, or only the
// rest from a server that sends ranges, and stays the one item of the list.
TEST_F(Downloads, RetryContinuesFromTheBytesOnDiskWhereTheServerSendsRanges) {
    DownloadItem* whole = fetch("name=cut.bin&size=3000000&cut=1000000");
    ASSERT_TRUE(ends(whole, State::Failed));
    DownloadItem* rest = fetch("name=r.bin&size=3000000&cut=1000000&ranges=1");
    ASSERT_TRUE(ends(rest, State::Failed));
    EXPECT_EQ(whole->failureReason(), tableString(5030));
    EXPECT_TRUE(files().contains("r.bin.part.download")) << "kept for the retry";
    server.serveWhole();
    for (DownloadItem* item : {whole, rest}) {
        manager.retry(item);
        ASSERT_TRUE(ends(item, State::Completed));
        EXPECT_TRUE(holdsServed(item->path(), 3'000'000));
    }
    EXPECT_EQ(server.starts().last(), 1'000'000) << "the rest only";
    EXPECT_EQ(manager.items().size(), 2);
    EXPECT_EQ(files(), (QStringList{"cut.bin", "r.bin"}));
}

TEST_F(Downloads, TheProgramClosedBySignalCancelsItsDownloadsCleanly) {
    home.store("CheckIfDefault", "False");
    home.store("DownloadAskWhere", "False");
    home.store("DownloadFolder", folder());
    QProcess program;
    program.start(KELVANE_BINARY, {server.url("name=big.bin&size=9000000&stall=1000000")});
    ASSERT_TRUE(waitUntil([&] { return !files().isEmpty(); }, 30'000));
    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(waitUntil([&] { return program.state() == QProcess::NotRunning; }, 30'000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(files().isEmpty()) << files().join(',').toStdString();
}

} // namespace
