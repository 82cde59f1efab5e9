// The Qt WebEngine engine against pages served on 127.0.0.1.
#include "platform/engine/internetoptions.h"
#include "platform/engine/pageproperties.h"
#include "platform/engine/webengine.h"
#include "platform/engine/webengineprofile.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

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
        QObject::connect(&engine, &Engine::closeRequested, [this] { ++closeRequests; });
        QObject::connect(&engine, &Engine::newWindowRequested, [this](auto* request) {
            newWindows << request->url;
            request->target = newWindowTarget;
        });
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
    int loadsEnded = 0, closeRequests = 0;
    QStringList newWindows;
    Engine* newWindowTarget = nullptr;
};

// Runs `drive` on the modal dialog the next call opens.
void whenModal(std::function<void(QWidget*)> drive) {
    QTimer::singleShot(0, [drive] {
        waitUntil([] { return QApplication::activeModalWidget() != nullptr; });
        drive(QApplication::activeModalWidget());
    });
}

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
    EXPECT_EQ(engine.title(), QStringLiteral("A"));
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
    ASSERT_TRUE(browser.load({}, [&] { engine.reload(true); }));
    EXPECT_EQ(server.requestCount("/c"), 2);

    const int width = browser.evaluate("innerWidth").toInt();
    for (const auto& [set, level] : {std::pair{4, 4}, {0, 0}, {5, 0}, {-1, 0}, {3, 3}}) {
        engine.setZoomLevel(set);
        EXPECT_EQ(engine.zoomLevel(), level) << set;
    }
    ASSERT_TRUE(browser.load(url("/b")));
    EXPECT_EQ(engine.zoomLevel(), 3) << "the size stays for the next page";
    EXPECT_LT(browser.evaluate("innerWidth").toInt(), width) << "laid out larger";
}

TEST_F(WebEngineTest, NewWindowsSourceAndClosingGoThroughTheEngineEvents) {
    server.addPage("/link", test::htmlPage("L", "<a id='l' href='/b' target='_blank'>b</a>"));
    ASSERT_TRUE(browser.load(url("/link")));
    browser.evaluate("document.getElementById('l').click()");
    ASSERT_TRUE(waitUntil([&] { return browser.newWindows == QStringList{url("/b")}; }));
    ASSERT_TRUE(browser.load(url("/link")));
    EXPECT_EQ(server.requestCount("/b"), 0) << "no target: dropped";
    Browser second(&host);
    browser.newWindowTarget = &second.engine;
    ASSERT_TRUE(second.load({}, [&] { browser.evaluate("document.getElementById('l').click()"); }));
    EXPECT_EQ(second.engine.title(), QStringLiteral("B"));
    ASSERT_TRUE(second.load({}, [&] { engine.viewSource(); }));
    EXPECT_EQ(second.engine.url(), "view-source:" + url("/link"));
    browser.evaluate("close()");
    EXPECT_TRUE(waitUntil([&] { return browser.closeRequests == 1; }));
}

TEST_F(WebEngineTest, ACrashedPageOffersAReloadAndSilentPagesShowNoDialogs) {
    ASSERT_TRUE(browser.load(url("/a")));
    ::kill(static_cast<pid_t>(engine.page()->renderProcessPid()), SIGKILL);
    ASSERT_TRUE(waitUntil([&] { return engine.isShowingCrashPage(); }));
    EXPECT_EQ(engine.url(), url("/a"));
    auto* reload = engine.widget()->findChild<QPushButton*>("reloadCrashedPage");
    ASSERT_TRUE(browser.load({}, [&] { reload->click(); }));
    EXPECT_FALSE(engine.isShowingCrashPage());
    EXPECT_EQ(server.requestCount("/a"), 2);
    server.addPage("/ask",
                   "<script>alert(1); document.title = confirm('?') ? 'yes' : 'no'</script>");
    engine.setSilent(true);
    ASSERT_TRUE(browser.load(url("/ask")));
    EXPECT_TRUE(waitUntil([&] { return engine.title() == QStringLiteral("no"); }));
}

TEST_F(WebEngineTest, PageCommandsPrintSaveSelectAndShowProperties) {
    server.addPage("/p", test::htmlPage("&lt;b&gt;Bold&lt;/b&gt;", "Some text"));
    ASSERT_TRUE(browser.load(url("/p")));
    QTemporaryDir folder;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFileName(folder.filePath("out.pdf"));
    engine.print(&printer);
    QFile pdf(printer.outputFileName());
    EXPECT_TRUE(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-") << "printed on return";
    engine.saveAs(folder.filePath("saved.html"));
    EXPECT_TRUE(waitUntil([&] {
        QFile file(folder.filePath("saved.html"));
        return file.open(QIODevice::ReadOnly) && file.readAll().contains("Bold");
    }));
    engine.selectAll();
    EXPECT_TRUE(waitUntil([&] { return engine.page()->selectedText().contains("Some text"); }));
    QStringList shown;
    whenModal([&](QWidget* dialog) {
        for (const char* name : {"title", "address", "security"})
            shown << dialog->findChild<QLabel*>(name)->text();
        EXPECT_EQ(dialog->findChild<QLabel*>("title")->textFormat(), Qt::PlainText);
        static_cast<QDialog*>(dialog)->reject();
    });
    engine.showProperties();
    EXPECT_EQ(shown, (QStringList{"<b>Bold</b>", url("/p"), PageProperties::securityText(false)}));
}

TEST_F(WebEngineTest, CleanHistoryEmptiesHistoriesAndCookiesAndLetsLoadsFinish) {
    server.addPage("/slow", test::htmlPage("Slow"));
    server.setDelay("/slow", 300);
    ASSERT_TRUE(browser.load(url("/a")));
    ASSERT_TRUE(browser.load(url("/b")));
    browser.evaluate("document.cookie = 'kept=yes; max-age=3600'");
    Browser loading(&host);
    loading.engine.navigate(url("/slow"));
    ASSERT_TRUE(waitUntil([&] { return server.requestCount("/slow") == 1; }));
    WebEngineProfile::cleanHistory();
    EXPECT_EQ(engine.backCount() + engine.forwardCount(), 0);
    EXPECT_TRUE(waitUntil([&] { return loading.engine.title() == QStringLiteral("Slow"); }));
    ASSERT_TRUE(browser.load(url("/b")));
    EXPECT_EQ(browser.evaluate("document.cookie").toString(), QString());
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
    {
        InternetOptions dialog; // it stores on OK only
        dialog.findChild<QCheckBox*>("javaScript")->setChecked(false);
        dialog.reject();
        EXPECT_EQ(WebEngineProfile::options(), options);
        dialog.accept();
    }
    ASSERT_TRUE(browser.load(url("/s")));
    EXPECT_EQ(engine.title(), QStringLiteral("static"));
    WebEngineProfile::setOptions({});
    ASSERT_TRUE(browser.load(url("/s")));
    EXPECT_EQ(engine.title(), QStringLiteral("runc=1"));
    QFile file(WebEngineProfile::optionsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nJavaScript=maybe\nCookies=-1\n\x01\xff garbage = = =\n[");
    file.close();
    EXPECT_EQ(WebEngineProfile::options(), EngineOptions{}) << "damaged values keep defaults";

    InternetOptions dialog; // deleting the browsing data asks first
    ASSERT_TRUE(browser.load(url("/b")));
    const int back = engine.backCount();
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        whenModal([=](QWidget* box) { static_cast<QMessageBox*>(box)->button(answer)->click(); });
        dialog.findChild<QPushButton*>("deleteBrowsingData")->click();
        EXPECT_EQ(engine.backCount(), answer == QMessageBox::Yes ? 0 : back);
    }
}

} // namespace
