// Content blocking, spelling, developer tools and PDF with the real engine, against pages served
// on 127.0.0.1 and a second host, "tracker.test", on 127.0.0.2.
#include "blocking/blockingsettings.h"
#include "blocking/contentblocking.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "frame/developertools.h"
#include "frame/mainwindow.h"
#include "frame/menus.h"
#include "frame/statusbar.h"
#include "platform/engine/engineservices.h"
#include "platform/engine/webengine.h"
#include "platform/engine/webenginefactory.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QTest>
#include <QWebEngineContextMenuRequest>
#include <gtest/gtest.h>

using namespace kelvane;
using test::waitUntil;

namespace {

// Read when the engine starts, which is after this; the dictionaries are the build's.
const bool kEngineEnvironment = [] {
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "\"--host-resolver-rules=MAP tracker.test 127.0.0.2\"");
    qputenv("QTWEBENGINE_DICTIONARIES_PATH",
            QFile::encodeName(QFileInfo(KELVANE_BINARY).path() + "/qtwebengine_dictionaries"));
    return true;
}();

// A one-page PDF without a cross-reference table, which readers rebuild.
constexpr char kPdf[] = "%PDF-1.4\n1 0 obj <</Type/Catalog/Pages 2 0 R>> endobj\n2 0 obj <</Type/"
                        "Pages/Kids[3 0 R]/Count 1>> endobj\n3 0 obj <</Type/Page/Parent 2 0 R"
                        "/MediaBox[0 0 300 200]>> endobj\ntrailer <</Root 1 0 R>>\n%%EOF\n";

struct PageExtras : ::testing::Test {
    PageExtras() {
        window.load(QStringLiteral("about:blank")); // not the default home page on the internet
        window.show();
        server.addPage("/page", test::htmlPage("Page", QString("<p id=own>Own text</p>"
                                                               "<img src=/own.png>"
                                                               "<script src=%1></script>"
                                                               "<img src=%2>")
                                                           .arg(trackerUrl("/t.js"),
                                                                trackerUrl("/pixel.png"))));
        server.addPage("/own.png", "", "image/png");
        tracker.addPage("/t.js", "document.title = 'tracked';", "text/javascript");
        tracker.addPage("/pixel.png", "", "image/png");
        tracker.addPage("/own", test::htmlPage("Tracker's own"));
        server.addPage("/text", test::htmlPage("Text", "<textarea id=t spellcheck=true "
                                                       "style='font-size:40px'>I wrte</textarea>"));
        server.addPage("/doc.pdf", kPdf, "application/pdf");
        EXPECT_TRUE(waitUntil([this] { return window.contentBlocking()->isLoaded(); }));
    }
    ~PageExtras() override { window.close(); }

    QString trackerUrl(const char* path) {
        return QString("http://tracker.test:%1%2").arg(tracker.port()).arg(path);
    }
    DocumentWindow* active() { return window.documentArea().activeDocument(); }
    WebEngine* engine() { return static_cast<WebEngine*>(active()->engine()); }
    bool open(const QString& url) {
        window.documentArea().openInNewDocument(url);
        return waitUntil([&] { return active() && active()->hasFinishedLoading(); });
    }
    QVariant evaluate(const QString& script) {
        QVariant result;
        bool done = false;
        engine()->page()->runJavaScript(script,
                                        [&](const QVariant& v) { result = v, done = true; });
        EXPECT_TRUE(waitUntil([&] { return done; })) << script;
        return result;
    }

    test::IsolatedHome home;
    const bool listWritten =
        test::writeFile(blockListsFolder() + "/own.txt", "# mine\n0.0.0.0\ttracker.test\n");
    test::TestHttpServer server;
    test::TestHttpServer tracker{nullptr, "127.0.0.2"};
    WebEngineFactory engines;
    MainWindow window{engines, nullptr};
};

TEST_F(PageExtras, BlockedHostsAreNeverAskedAndTheSiteExceptionLetsThemThrough) {
    ASSERT_TRUE(open(server.url("/page")));
    EXPECT_EQ(evaluate("document.getElementById('own').textContent").toString(), "Own text");
    EXPECT_EQ(server.requestCount("/own.png"), 1);
    EXPECT_EQ(tracker.requestLog(), QStringList());
    EXPECT_NE(engine()->title(), "tracked");
    EXPECT_TRUE(
        waitUntil([&] { return window.statusBarPanels()->contentBlocking().blocked == 2; }));
    EXPECT_EQ(window.statusBarPanels()->contentBlocking().site, "127.0.0.1");
    // A listed host's own page is never blocked, only what pages load from it.
    ASSERT_TRUE(open(trackerUrl("/own")));
    EXPECT_EQ(engine()->title(), "Tracker's own");
    ASSERT_TRUE(open(server.url("/page")));

    Q_EMIT window.statusBarPanels()->siteExceptionChosen("127.0.0.1", true);
    EXPECT_TRUE(waitUntil([&] { return tracker.requestCount("/t.js") == 1; }));
    EXPECT_TRUE(waitUntil([&] { return engine()->title() == "tracked"; }));
    EXPECT_TRUE(window.statusBarPanels()->contentBlocking().siteExcepted);
    EXPECT_EQ(BlockingSettings::load().siteExceptions, QStringList{"127.0.0.1"});

    // Blocking off altogether lets them through too; the page itself was never blocked.
    Q_EMIT window.statusBarPanels()->siteExceptionChosen("127.0.0.1", false);
    BlockingSettings off = window.contentBlocking()->settings();
    off.enabled = false;
    window.contentBlocking()->setSettings(off);
    ASSERT_TRUE(open(server.url("/page")));
    EXPECT_TRUE(waitUntil([&] { return engine()->title() == "tracked"; })); // perhaps from cache
}

TEST_F(PageExtras, MisspelledWordOffersTheCheckersSuggestion) {
    ASSERT_TRUE(open(server.url("/text")));
    evaluate("var t = document.getElementById('t'); t.focus(); t.setSelectionRange(6, 6);");
    // Where the misspelled word is drawn.
    const QVariantList box =
        evaluate("var r = document.createRange(); r.setStart(t.firstChild, 2);"
                 "r.setEnd(t.firstChild, 6); var b = t.getBoundingClientRect();"
                 "[b.left + 60, b.top + b.height / 2]")
            .toList();
    ASSERT_EQ(box.size(), 2);
    const QPoint at(box[0].toInt(), box[1].toInt());
    QMenu* menu = nullptr;
    // The checker marks the word once its dictionary is loaded.
    ASSERT_TRUE(waitUntil([&] {
        QWidget* target = engine()->view()->focusProxy();
        QTest::mouseClick(target, Qt::RightButton, {}, at);
        QApplication::processEvents();
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        const QWebEngineContextMenuRequest* request = engine()->view()->lastContextMenuRequest();
        if (menu && request && request->misspelledWord().isEmpty()) {
            menu->close();
            menu = nullptr;
        }
        return menu != nullptr;
    }));
    EXPECT_EQ(engine()->view()->lastContextMenuRequest()->misspelledWord(), "wrte");
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text();
    EXPECT_TRUE(texts.contains("Add to Dictionary")) << texts.join('|');
    ASSERT_TRUE(texts.contains("write")) << texts.join('|');
    menu->actions().at(texts.indexOf("write"))->trigger();
    menu->close();
    EXPECT_TRUE(waitUntil([&] { return evaluate("t.value").toString() == "I write"; }));
}

TEST_F(PageExtras, DeveloperToolsOpenInATiledDocumentAndCloseWithThePage) {
    ASSERT_TRUE(open(server.url("/page")));
    DocumentWindow* page = active();
    const int count = window.documentArea().count();
    window.menus().developerTools->trigger();
    ASSERT_EQ(window.documentArea().count(), count + 1);
    DocumentWindow* tools = window.developerTools()->toolsOf(page);
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(waitUntil([&] { return tools->engine()->title() == "Developer Tools - Page"; }));
    window.documentArea().tileVertically();
    const QRect left = page->parentWidget()->geometry();
    const QRect right = tools->parentWidget()->geometry();
    EXPECT_FALSE(left.intersects(right));
    EXPECT_EQ(left.top(), right.top());

    // F12 again closes them; closing the page closes tools opened again.
    page->bringToFront();
    window.menus().developerTools->trigger();
    EXPECT_TRUE(waitUntil([&] { return window.documentArea().count() == count; }));
    window.menus().developerTools->trigger();
    ASSERT_EQ(window.documentArea().count(), count + 1);
    page->closeDocument();
    EXPECT_TRUE(waitUntil([&] { return window.documentArea().count() == count - 1; }));
}

TEST_F(PageExtras, PdfShowsInTheViewerAndPrintsToPdfAsText) {
    QSignalSpy downloads(&engines.services(), &EngineServices::downloadRequested);
    ASSERT_TRUE(open(server.url("/doc.pdf")));
    EXPECT_TRUE(
        waitUntil([&] { return evaluate("document.querySelector('embed') !== null").toBool(); }));
    EXPECT_EQ(engine()->url(), server.url("/doc.pdf"));
    EXPECT_EQ(downloads.count(), 0);

    ASSERT_TRUE(open(server.url("/page")));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString file = home.root() + "/page.pdf";
    printer.setOutputFileName(file);
    engine()->print(&printer);
    const QByteArray pdf = test::readFile(file);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.contains("/Font")) << "the text was printed as a picture";
    EXPECT_LT(pdf.size(), 200'000);
}

} // namespace
