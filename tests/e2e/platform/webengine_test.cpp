// The Qt WebEngine engine against pages served on 127.0.0.1.
#include "platform/engine/enginesetup.h"
#include "platform/engine/webengine.h"
#include "platform/engine/webengineprofile.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <gtest/gtest.h>

using namespace kelvane;
using test::waitUntil;

namespace {

// One engine in a shown window, with what it raised.
struct Browser {
    explicit Browser(QWidget* host)
        : engine(host) {
        engine.widget()->resize(800, 600);
        engine.widget()->show();
        QObject::connect(&engine, &Engine::navigationRequested,
                         [this](auto* request) { request->cancel = request->url == cancelUrl; });
        QObject::connect(&engine, &Engine::progressChanged, [this](int progress, int max) {
            progress_ << std::pair(progress, max);
            loadsEnded += max == 0;
        });
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
        engine.page()->runJavaScript(script, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        EXPECT_TRUE(waitUntil([&] { return done; })) << script.toStdString();
        return result;
    }

    WebEngine engine;
    QString cancelUrl;
    QList<std::pair<int, int>> progress_;
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
    EXPECT_EQ(browser.progress_.last(), std::pair(0, 0)) << "a maximum of 0 ends the load";
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

TEST_F(WebEngineTest, HistoryStateTakesBackAndForwardToAnotherEngine) {
    for (const char* page : {"/a", "/b", "/c"})
        ASSERT_TRUE(browser.load(url(page)));
    ASSERT_TRUE(browser.load({}, [&] { engine.goBack(); }));
    Browser copy{&host};
    EXPECT_FALSE(copy.engine.restoreHistory("not a history"));
    ASSERT_TRUE(
        copy.load({}, [&] { EXPECT_TRUE(copy.engine.restoreHistory(engine.historyState())); }));
    EXPECT_EQ(copy.engine.url(), url("/b"));
    EXPECT_EQ(copy.engine.historyEntry(true, 1)->url, url("/a"));
    ASSERT_TRUE(copy.load({}, [&] { copy.engine.goForward(); }));
    EXPECT_EQ(copy.engine.url(), url("/c"));
    EXPECT_EQ(copy.engine.backCount(), 2);
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

} // namespace
