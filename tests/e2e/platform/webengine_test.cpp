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
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMap>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <algorithm>
#include <csignal>
#include <memory>
#include <optional>

namespace kelvane {
namespace {

using test::TestHttpServer;
using test::waitUntil;

constexpr int kWaitMs = 20'000;

QString page(const QString& title, const QString& body = {}, const QString& script = {}) {
    return QStringLiteral("<!doctype html><html><head><title>%1</title></head><body>%2"
                          "<script>%3</script></body></html>")
        .arg(title, body, script);
}

// Everything one browser raised, in order.
struct EventLog {
    explicit EventLog(Engine* browser) {
        QObject::connect(browser, &Engine::navigationRequested, browser,
                         [this](NavigationRequest* request) {
                             navigations.append(request->url);
                             if (cancelUrl.has_value() && request->url == *cancelUrl)
                                 request->cancel = true;
                         });
        QObject::connect(browser, &Engine::progressChanged, browser,
                         [this](int progress, int max) {
                             progress_.append({progress, max});
                             if (max == 0)
                                 ++loadsEnded;
                         });
        QObject::connect(browser, &Engine::titleChanged, browser,
                         [this](const QString& title) { titles.append(title); });
        QObject::connect(browser, &Engine::statusTextChanged, browser,
                         [this](const QString& text) { statusTexts.append(text); });
        QObject::connect(browser, &Engine::WindowClosing, browser,
                         [this](bool) { ++windowClosing; });
        QObject::connect(browser, &Engine::SetSecureLockIcon, browser,
                         [this](int icon) { secureIcons.append(icon); });
        QObject::connect(browser, &Engine::newWindowRequested, browser,
                         [this](NewWindowRequest* request) {
                             newWindows.append(*request);
                             request->target = newWindowTarget;
                         });
    }

    QStringList navigations;
    std::optional<QString> cancelUrl;
    QList<QPair<int, int>> progress_;
    int loadsEnded = 0;
    QStringList titles;
    QStringList statusTexts;
    int windowClosing = 0;
    QList<int> secureIcons;
    QList<NewWindowRequest> newWindows;
    Engine* newWindowTarget = nullptr;
};

class WebEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(800, 600);
        host.show();
    }

    std::unique_ptr<WebEngine> makeBrowser() {
        auto browser = std::make_unique<WebEngine>(&host);
        browser->widget()->resize(host.size());
        browser->widget()->show();
        return browser;
    }

    // Navigates and waits for the end of the load.
    bool load(WebEngine& browser, EventLog& log, const QString& url) {
        const int ended = log.loadsEnded;
        browser.Navigate(url);
        return waitUntil([&] { return log.loadsEnded > ended; }, kWaitMs);
    }

    QVariant evaluate(WebEngine& browser, const QString& script) {
        QVariant result;
        bool done = false;
        browser.page()->runJavaScript(script, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        if (!waitUntil([&] { return done; }, kWaitMs))
            ADD_FAILURE() << "script did not answer: " << script.toStdString();
        return result;
    }

    QWidget host;
    TestHttpServer server;
};

TEST_F(WebEngineTest, NavigateRaisesTheLoadEventsAndReportsTheLocation) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("Page A")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    EXPECT_EQ(browser->url(), QString());

    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    EXPECT_EQ(log.navigations.value(0), server.url(QStringLiteral("/a")));
    ASSERT_FALSE(log.progress_.isEmpty());
    EXPECT_EQ(log.progress_.first(), qMakePair(0, 100));
    EXPECT_EQ(log.progress_.last(), qMakePair(0, 0));
    EXPECT_TRUE(std::all_of(log.progress_.begin(), log.progress_.end() - 1,
                            [](const auto& p) { return p.second == 100; }));
    EXPECT_TRUE(log.titles.contains(QStringLiteral("Page A")));
    EXPECT_EQ(browser->url(), server.url(QStringLiteral("/a")));
    EXPECT_EQ(browser->title(), QStringLiteral("Page A"));
    EXPECT_EQ(log.secureIcons.value(log.secureIcons.size() - 1, -1), 0);
}

TEST_F(WebEngineTest, CancelledNavigationNeverLeavesThePage) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("A")));
    server.addPage(QStringLiteral("/b"), page(QStringLiteral("B")));
    server.addPage(QStringLiteral("/c"), page(QStringLiteral("C")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));

    log.cancelUrl = server.url(QStringLiteral("/b"));
    browser->navigate(server.url(QStringLiteral("/b")));
    ASSERT_TRUE(waitUntil([&] { return log.navigations.contains(*log.cancelUrl); }, kWaitMs));
    EXPECT_EQ(browser->url(), server.url(QStringLiteral("/a")));

    // A later navigation goes through; the cancelled one was never fetched.
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/c"))));
    EXPECT_EQ(browser->url(), server.url(QStringLiteral("/c")));
    EXPECT_EQ(server.requestCount(QStringLiteral("/b")), 0);
}

TEST_F(WebEngineTest, HistoryListsNearestEntryFirst) {
    for (const char* name : {"a", "b", "c"})
        server.addPage(QLatin1Char('/') + QLatin1String(name),
                       page(QLatin1String(name).toString().toUpper()));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    QtCustomizer customizer(browser.get());
    EXPECT_EQ(customizer.BackCount(), 0);
    EXPECT_EQ(customizer.ForwardCount(), 0);
    for (const char* name : {"/a", "/b", "/c"})
        ASSERT_TRUE(load(*browser, log, server.url(QLatin1String(name))));

    EXPECT_EQ(customizer.BackCount(), 2);
    EXPECT_EQ(customizer.ForwardCount(), 0);
    QString title, url;
    ASSERT_TRUE(customizer.GetHistoryElement(true, 1, title, url));
    EXPECT_EQ(title, QStringLiteral("B"));
    EXPECT_EQ(url, server.url(QStringLiteral("/b")));
    ASSERT_TRUE(customizer.GetHistoryElement(true, 2, title, url));
    EXPECT_EQ(title, QStringLiteral("A"));
    EXPECT_EQ(url, server.url(QStringLiteral("/a")));
    EXPECT_FALSE(customizer.GetHistoryElement(true, 0, title, url));
    EXPECT_FALSE(customizer.GetHistoryElement(true, 3, title, url));
    EXPECT_FALSE(customizer.GetHistoryElement(false, 1, title, url));

    const int ended = log.loadsEnded;
    browser->goBack();
    ASSERT_TRUE(waitUntil([&] { return log.loadsEnded > ended; }, kWaitMs));
    EXPECT_EQ(browser->url(), server.url(QStringLiteral("/b")));
    EXPECT_EQ(customizer.BackCount(), 1);
    EXPECT_EQ(customizer.ForwardCount(), 1);
    ASSERT_TRUE(customizer.GetHistoryElement(false, 1, title, url));
    EXPECT_EQ(url, server.url(QStringLiteral("/c")));
    ASSERT_TRUE(customizer.GetHistoryElement(true, 1, title, url));
    EXPECT_EQ(url, server.url(QStringLiteral("/a")));
}

TEST_F(WebEngineTest, ZoomLevelsSetQueryAndScaleThePage) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("A")));
    server.addPage(QStringLiteral("/b"), page(QStringLiteral("B")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    const auto level = [&] {
        return browser->ExecWB(EngineCommand::Zoom, CommandOption::DontPromptUser).toInt();
    };
    const auto setLevel = [&](const QVariant& value) {
        browser->ExecWB(EngineCommand::Zoom, CommandOption::DontPromptUser, value);
    };
    EXPECT_EQ(level(), kZoomLevelMedium);
    const int width = evaluate(*browser, QStringLiteral("window.innerWidth")).toInt();
    ASSERT_GT(width, 0);

    struct Case {
        QVariant input;
        int expectedLevel;
    };
    const Case cases[] = {
        {4, 4}, {0, 0}, {5, 0}, {-1, 0}, {3, 3}, {QStringLiteral("x"), 3}, {1, 1}, {2, 2},
    };
    for (const Case& c : cases) {
        setLevel(c.input);
        EXPECT_EQ(level(), c.expectedLevel) << c.input.toString().toStdString();
        EXPECT_DOUBLE_EQ(browser->view()->zoomFactor(),
                         WebEngine::kZoomFactors[c.expectedLevel]);
    }

    // The page is laid out larger (fewer CSS pixels fit the view), and stays so on the next
    // page.
    setLevel(4);
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/b"))));
    EXPECT_EQ(level(), 4);
    EXPECT_LT(evaluate(*browser, QStringLiteral("window.innerWidth")).toInt(), width);
}

TEST(WebEngineZoomTest, LevelOfAFactorIsTheNearestLevel) {
    const QPair<double, int> cases[] = {{0.25, 0}, {0.75, 0}, {0.83, 1}, {1.0, 2},
                                        {1.15, 3}, {1.25, 3}, {1.4, 4},  {3.0, 4}};
    for (const auto& [factor, expected] : cases)
        EXPECT_EQ(WebEngine::zoomLevelForFactor(factor), expected) << factor;
}

TEST_F(WebEngineTest, WindowCloseRaisesWindowClosing) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("A")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    evaluate(*browser, QStringLiteral("window.close(); true"));
    EXPECT_TRUE(waitUntil([&] { return log.windowClosing == 1; }, kWaitMs));
}

TEST_F(WebEngineTest, NewWindowOpensInTheTargetOrNowhere) {
    server.addPage(
        QStringLiteral("/a"),
        page(QStringLiteral("A"), QStringLiteral("<a id='l' href='/b' target='_blank'>b</a>")));
    server.addPage(QStringLiteral("/b"), page(QStringLiteral("B")));
    server.addPage(QStringLiteral("/c"), page(QStringLiteral("C")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    const QString click = QStringLiteral("document.getElementById('l').click(); true");

    // No target: the request is dropped.
    evaluate(*browser, click);
    ASSERT_TRUE(waitUntil([&] { return log.newWindows.size() == 1; }, kWaitMs));
    EXPECT_EQ(log.newWindows[0].url, server.url(QStringLiteral("/b")));
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/c"))));
    EXPECT_EQ(server.requestCount(QStringLiteral("/b")), 0);

    // A second engine as target loads the page.
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    auto second = makeBrowser();
    EventLog secondLog(second.get());
    log.newWindowTarget = second.get();
    evaluate(*browser, click);
    ASSERT_TRUE(waitUntil([&] { return log.newWindows.size() == 2; }, kWaitMs));
    EXPECT_TRUE(waitUntil(
        [&] { return secondLog.loadsEnded > 0 && second->title() == QStringLiteral("B"); },
        kWaitMs));
    EXPECT_EQ(second->url(), server.url(QStringLiteral("/b")));
    EXPECT_EQ(browser->url(), server.url(QStringLiteral("/a")));
}

TEST_F(WebEngineTest, ViewSourceArrivesAsANewWindow) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("A")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    QtCustomizer customizer(browser.get());
    customizer.ViewSource(); // nothing loaded: nothing to show
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));

    auto second = makeBrowser();
    EventLog secondLog(second.get());
    log.newWindowTarget = second.get();
    customizer.ViewSource();
    ASSERT_TRUE(waitUntil([&] { return !log.newWindows.isEmpty(); }, kWaitMs));
    EXPECT_EQ(log.newWindows.size(), 1);
    EXPECT_EQ(log.newWindows[0].url,
              QStringLiteral("view-source:") + server.url(QStringLiteral("/a")));
    EXPECT_TRUE(waitUntil([&] { return secondLog.loadsEnded > 0; }, kWaitMs));
    EXPECT_TRUE(second->url().startsWith(QStringLiteral("view-source:")))
        << second->url().toStdString();
}

TEST_F(WebEngineTest, CrashedPageShowsAReloadPanelAndKeepsItsAddress) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("A")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    const qint64 pid = browser->page()->renderProcessPid();
    ASSERT_GT(pid, 0);

    ::kill(static_cast<pid_t>(pid), SIGKILL);
    ASSERT_TRUE(waitUntil([&] { return browser->isShowingCrashPage(); }, kWaitMs));
    EXPECT_EQ(browser->url(), server.url(QStringLiteral("/a")));

    auto* reload = browser->widget()->findChild<QPushButton*>(QStringLiteral("reloadCrashedPage"));
    ASSERT_NE(reload, nullptr);
    const int requests = server.requestCount(QStringLiteral("/a"));
    const int ended = log.loadsEnded;
    reload->click();
    ASSERT_TRUE(waitUntil([&] { return log.loadsEnded > ended; }, kWaitMs));
    EXPECT_FALSE(browser->isShowingCrashPage());
    EXPECT_EQ(server.requestCount(QStringLiteral("/a")), requests + 1);
    EXPECT_EQ(browser->title(), QStringLiteral("A"));
}

TEST_F(WebEngineTest, SilentSuppressesScriptDialogs) {
    server.addPage(QStringLiteral("/a"),
                   page(QStringLiteral("A"), {},
                        QStringLiteral("alert('hello'); document.title = confirm('sure?') ? "
                                       "'confirmed' : 'declined';")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    browser->setSilent(true);
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    EXPECT_TRUE(
        waitUntil([&] { return browser->title() == QStringLiteral("declined"); }, kWaitMs));
}

TEST_F(WebEngineTest, RefreshCompletelyFetchesThePageAgain) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("A")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    const int ended = log.loadsEnded;
    browser->Refresh2(3);
    ASSERT_TRUE(waitUntil([&] { return log.loadsEnded > ended; }, kWaitMs));
    EXPECT_EQ(server.requestCount(QStringLiteral("/a")), 2);
}

TEST_F(WebEngineTest, NavigateInterpretsTheTextAsTyped) {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("local.html")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(page(QStringLiteral("Local")).toUtf8());
    file.close();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("A")));

    const QPair<QString, QString> cases[] = {
        {QString(), QStringLiteral("about:blank")},
        {QStringLiteral("local.html"), QUrl::fromLocalFile(file.fileName()).toString()},
        {QStringLiteral("127.0.0.1:%1/a").arg(server.port()), server.url(QStringLiteral("/a"))},
    };
    for (const auto& [text, expected] : cases) {
        auto browser = makeBrowser();
        EventLog log(browser.get());
        EXPECT_TRUE(load(*browser, log, text)) << text.toStdString();
        EXPECT_EQ(browser->url(), expected) << text.toStdString();
    }
    QDir::setCurrent(previous);
}

TEST_F(WebEngineTest, PrintWritesThePageToTheGivenPrinter) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("A"), QStringLiteral("Printed")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    QTemporaryDir folder;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("out.pdf")));

    browser->ExecWB(EngineCommand::Print, CommandOption::DoDefault, QVariant::fromValue(&printer));
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(WebEngineTest, PrintPreviewPaintsThePageAndDefaultPrintReturns) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("A"), QStringLiteral("Previewed")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));

    // Closes the preview once it shows pages (the dialog paints them when it opens).
    int pages = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        auto* preview = dialog ? dialog->findChild<QPrintPreviewWidget*>() : nullptr;
        if (preview && preview->pageCount() > 0) {
            pages = preview->pageCount();
            closer.stop();
            dialog->reject();
        }
    });
    closer.start(50);
    browser->ExecWB(EngineCommand::PrintPreview, CommandOption::DoDefault);
    EXPECT_GE(pages, 1);

    // Without a printer from the caller the engine's own printer is used; whether a printer
    // exists or not, the call comes back.
    browser->ExecWB(EngineCommand::Print, CommandOption::DoDefault);
}

TEST_F(WebEngineTest, SaveAsWithoutPromptWritesTheGivenFile) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("Saved title")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("saved.html"));

    browser->ExecWB(EngineCommand::SaveAs, CommandOption::DontPromptUser);
    browser->ExecWB(EngineCommand::SaveAs, CommandOption::DontPromptUser, path);
    EXPECT_TRUE(waitUntil(
        [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) && file.readAll().contains("Saved title");
        },
        kWaitMs));
}

TEST_F(WebEngineTest, DialogCommandsWithoutPromptReturnAtOnceAndSelectAllSelects) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("A"), QStringLiteral("Some text")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    for (EngineCommand command : {EngineCommand::PrintPreview, EngineCommand::PageSetup,
                                  EngineCommand::Properties, EngineCommand::SaveAs})
        EXPECT_FALSE(browser->ExecWB(command, CommandOption::DontPromptUser).isValid());

    browser->ExecWB(EngineCommand::SelectAll, CommandOption::DoDefault);
    EXPECT_TRUE(waitUntil(
        [&] { return browser->page()->selectedText().contains(QStringLiteral("Some text")); },
        kWaitMs));
}

TEST_F(WebEngineTest, HoveringALinkReportsItsAddressAsStatusText) {
    server.addPage(QStringLiteral("/a"),
                   page(QStringLiteral("A"),
                        QStringLiteral("<a href='/target' style='display:block;width:100%;"
                                       "height:500px'>link</a>")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    QWidget* surface = browser->view()->focusProxy();
    ASSERT_NE(surface, nullptr);

    const QString target = server.url(QStringLiteral("/target"));
    for (int x = 40; x < 60 && !log.statusTexts.contains(target); ++x) {
        QTest::mouseMove(surface, QPoint(x, 100));
        waitUntil([&] { return log.statusTexts.contains(target); }, 200);
    }
    EXPECT_TRUE(log.statusTexts.contains(target))
        << log.statusTexts.join(QLatin1Char('|')).toStdString();
}

TEST_F(WebEngineTest, PropertiesShowThePageAsPlainText) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("&lt;b&gt;Bold&lt;/b&gt; title")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));

    QMap<QString, QString> shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<PageProperties*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        for (const char* name : {"title", "address", "protocol", "security"}) {
            auto* label = dialog->findChild<QLabel*>(QLatin1String(name));
            if (label && label->textFormat() == Qt::PlainText)
                shown[QLatin1String(name)] = label->text();
        }
        dialog->reject();
    });
    browser->ExecWB(EngineCommand::Properties, CommandOption::DoDefault);
    EXPECT_EQ(shown.value(QStringLiteral("title")), QStringLiteral("<b>Bold</b> title"));
    EXPECT_EQ(shown.value(QStringLiteral("address")), server.url(QStringLiteral("/a")));
    EXPECT_EQ(shown.value(QStringLiteral("protocol")),
              PageProperties::protocolName(QUrl(server.url(QStringLiteral("/a")))));
    EXPECT_EQ(shown.value(QStringLiteral("security")), PageProperties::securityText(false));
}

TEST_F(WebEngineTest, CleanHistoryEmptiesOpenHistoriesAndCookiesAndLetsLoadsFinish) {
    server.addPage(QStringLiteral("/a"), page(QStringLiteral("A")));
    server.addPage(QStringLiteral("/b"), page(QStringLiteral("B")));
    server.addPage(QStringLiteral("/slow"), page(QStringLiteral("Slow")));
    server.setDelay(QStringLiteral("/slow"), 300);
    auto browser = makeBrowser();
    EventLog log(browser.get());
    QtCustomizer customizer(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/b"))));
    evaluate(*browser, QStringLiteral("document.cookie = 'kept=yes; max-age=3600'; true"));
    ASSERT_EQ(evaluate(*browser, QStringLiteral("document.cookie")).toString(),
              QStringLiteral("kept=yes"));
    ASSERT_EQ(customizer.BackCount(), 1);

    // A second document is still loading while the data goes.
    auto loading = makeBrowser();
    EventLog loadingLog(loading.get());
    loading->navigate(server.url(QStringLiteral("/slow")));
    ASSERT_TRUE(waitUntil([&] { return server.requestCount(QStringLiteral("/slow")) == 1; }));

    WebEngineProfile::cleanHistory();
    EXPECT_EQ(customizer.BackCount(), 0);
    EXPECT_EQ(customizer.ForwardCount(), 0);
    EXPECT_EQ(browser->url(), server.url(QStringLiteral("/b")));
    const int ended = log.loadsEnded;
    browser->reload();

    EXPECT_TRUE(waitUntil([&] { return loadingLog.loadsEnded > 0; }, kWaitMs));
    EXPECT_EQ(loading->title(), QStringLiteral("Slow"));
    ASSERT_TRUE(waitUntil([&] { return log.loadsEnded > ended; }, kWaitMs));
    EXPECT_EQ(evaluate(*browser, QStringLiteral("document.cookie")).toString(), QString());
}

TEST_F(WebEngineTest, EngineOptionsReachThePages) {
    server.addPage(QStringLiteral("/a"),
                   page(QStringLiteral("static"), {},
                        QStringLiteral("document.cookie = 'c=1'; document.title = 'scripted:' + "
                                       "document.cookie;")));
    auto browser = makeBrowser();
    EventLog log(browser.get());

    EngineOptions noCookies;
    noCookies.cookies = EngineOptions::Cookies::BlockAll;
    WebEngineProfile::setOptions(noCookies);
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    EXPECT_EQ(browser->title(), QStringLiteral("scripted:"));

    EngineOptions noScript;
    noScript.javaScript = false;
    WebEngineProfile::setOptions(noScript);
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    EXPECT_EQ(browser->title(), QStringLiteral("static"));

    WebEngineProfile::setOptions(EngineOptions{});
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    EXPECT_EQ(browser->title(), QStringLiteral("scripted:c=1"));
    EXPECT_EQ(WebEngineProfile::options(), EngineOptions{});
}

TEST(EngineOptionsFileTest, DamagedValuesKeepTheirDefaults) {
    test::IsolatedHome home;
    struct Case {
        const char* content;
        EngineOptions expected;
    };
    const Case cases[] = {
        {"", EngineOptions{}},
        {"[General]\nJavaScript=false\nImages=false\nCookies=2\nHttpCache=false\n",
         EngineOptions{false, false, EngineOptions::Cookies::BlockAll, false}},
        {"[General]\nCookies=1\n",
         EngineOptions{true, true, EngineOptions::Cookies::BlockThirdParty, true}},
        {"[General]\nJavaScript=maybe\nImages=1\nCookies=3\nHttpCache=\n", EngineOptions{}},
        {"[General]\nCookies=-1\n\x01\xff garbage = = =\n[", EngineOptions{}},
    };
    for (const Case& c : cases) {
        QDir().mkpath(QFileInfo(WebEngineProfile::optionsFile()).path());
        QFile file(WebEngineProfile::optionsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.content);
        file.close();
        EXPECT_EQ(WebEngineProfile::options(), c.expected) << c.content;
    }
}

TEST_F(WebEngineTest, InternetOptionsStoresOnOkOnlyAndDeletesBrowsingData) {
    test::IsolatedHome home;
    EngineOptions stored;
    stored.images = false;
    WebEngineProfile::setOptions(stored);

    {
        InternetOptions dialog;
        EXPECT_EQ(dialog.chosenOptions(), stored);
        dialog.findChild<QCheckBox*>(QStringLiteral("javaScript"))->setChecked(false);
        dialog.reject();
        EXPECT_EQ(WebEngineProfile::options(), stored);
    }
    {
        InternetOptions dialog;
        dialog.findChild<QCheckBox*>(QStringLiteral("javaScript"))->setChecked(false);
        dialog.findChild<QComboBox*>(QStringLiteral("cookies"))->setCurrentIndex(1);
        dialog.accept();
        EXPECT_EQ(WebEngineProfile::options(),
                  (EngineOptions{false, false, EngineOptions::Cookies::BlockThirdParty, true}));
    }
    WebEngineProfile::setOptions(EngineOptions{});

    server.addPage(QStringLiteral("/a"), page(QStringLiteral("A")));
    server.addPage(QStringLiteral("/b"), page(QStringLiteral("B")));
    auto browser = makeBrowser();
    EventLog log(browser.get());
    QtCustomizer customizer(browser.get());
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/a"))));
    ASSERT_TRUE(load(*browser, log, server.url(QStringLiteral("/b"))));
    ASSERT_EQ(customizer.BackCount(), 1);

    // The button asks first; answering No keeps everything, Yes deletes.
    InternetOptions dialog;
    auto* button = dialog.findChild<QPushButton*>(QStringLiteral("deleteBrowsingData"));
    ASSERT_NE(button, nullptr);
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QTimer::singleShot(0, [answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(answer)->click();
        });
        button->click();
        EXPECT_EQ(customizer.BackCount(), answer == QMessageBox::Yes ? 0 : 1);
    }
}

} // namespace
} // namespace kelvane
