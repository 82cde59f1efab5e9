// Questions of pages across restarts of the browser, and a page filling the screen, on a
// desktop of the test's own (Xvfb and openbox).
#include "support/desktoptest.h"
#include "support/pageserver.h"
#include "support/secondstart.h"

using namespace kelvane;
using test::XWindow;

namespace {

struct SiteQuestions : test::DesktopTest {
    // Waits for the question titled so, answers it with keys and waits for it to go.
    bool answer(const QString& question, const QString& keys) {
        XWindow window = 0;
        if (!x.waitFor([&] { return (window = x.findWindow('^' + question)) != 0; }))
            return false;
        x.activate(window);
        x.keys(keys);
        return x.waitFor([&] { return x.findWindow('^' + question) != window; });
    }
};

TEST_F(SiteQuestions, ANormalSessionSaysNothingOnStderr) {
    test::PageServer site(true);
    ASSERT_EQ(site.failure(), QString());
    server.addPage("/file.bin", QString(5000, 'x'), "application/octet-stream");
    const QString downloads = home.root() + "/downloads";
    store("DownloadAskWhere", "False");
    store("DownloadFolder", downloads);
    ASSERT_TRUE(start({}, "Page A"));
    const std::pair<QString, QString> steps[] = {{url("/b"), "Page B"},
                                                 {url("/c"), "Page C"},
                                                 {site.url("/secret"), "secret"},
                                                 {url("/file.bin"), "secret"}};
    for (const auto& [address, page] : steps) {
        x.keys("alt+d");
        x.type(address);
        x.keys("Return");
        if (address.startsWith("https")) {
            ASSERT_TRUE(answer("Certificate Error", "alt+c"));
        }
        ASSERT_TRUE(showsPage(page));
    }
    EXPECT_TRUE(x.waitFor([&] { return QFileInfo(downloads + "/file.bin").size() == 5000; }));
    ASSERT_TRUE(stop());
    EXPECT_EQ(x.programErrors(), QString());
}

TEST_F(SiteQuestions, CancelledSignInShowsOurPageAtTheAddressAndReloadAsksAgain) {
    test::PageServer site(false, "ann", "right");
    ASSERT_EQ(site.failure(), QString());
    x.startProgram(KELVANE_BINARY, {site.url("/private/page")});
    ASSERT_TRUE(answer("Sign In", "Escape"));
    // The server's own page where the engine shows it, else ours naming the site; not blank.
    const QString ours = '[' + QUrl(site.url("/")).authority() + ": sign-in cancelled]";
    EXPECT_TRUE(x.waitFor([&] {
        return title().endsWith(ours) || title().endsWith("[Unauthorized]");
    })) << title();
    x.keys("F5");
    ASSERT_TRUE(answer("Sign In", "a n n Tab r i g h t Return"));
    EXPECT_TRUE(showsPage("private/page"));
    ASSERT_TRUE(stop());
}

TEST_F(SiteQuestions, APageWithTypedTextAsksBeforeItClosesOrTheBrowserQuitsButNotOnASignal) {
    server.addPage("/form", test::htmlPage("form", "<textarea id=t style='width:95vw;height:90vh'>"
                                                   "</textarea><script>t.onfocus = () => t.value "
                                                   "|| (document.title = 'focus'); t.oninput = () "
                                                   "=> document.title = 'typed ' + t.value; "
                                                   "onbeforeunload = e => { if (t.value) { e."
                                                   "preventDefault(); e.returnValue = '' } }"
                                                   "</script>"));
    placeMainWindow();
    store("Home1", url("/form"));
    const auto typeInto = [&](const QString& text, const QString& title) {
        // Clicked until the page takes it: a page just shown may not take input yet.
        if (!x.waitFor([&] {
                return showsPage("focus", 500) || (x.click(inMainWindow(400, 300)), false);
            }))
            return false;
        x.type(text);
        return showsPage(title);
    };
    ASSERT_TRUE(start({url("/form")}, "form"));
    ASSERT_TRUE(typeInto("a", "typed a"));
    x.keys("alt+f c");
    ASSERT_TRUE(answer("Leave Page", "alt+s"));
    x.type("b");
    EXPECT_TRUE(showsPage("typed ab")) << "Stay keeps the page and its text";
    x.keys("alt+f c");
    ASSERT_TRUE(answer("Leave Page", "alt+l"));
    EXPECT_TRUE(x.waitFor([&] { return !title().contains('['); })) << "Leave closes it";
    x.keys("ctrl+n"); // Home 1
    ASSERT_TRUE(showsPage("form"));
    ASSERT_TRUE(typeInto("c", "typed c"));
    x.activate(mainWindow());
    x.keys("alt+F4");
    ASSERT_TRUE(answer("Leave Page", "alt+s"));
    EXPECT_TRUE(holds([&] { return showsPage("typed c", 0); }, 1000)) << "Stay: still open";
    EXPECT_TRUE(stop()) << "a signal closes at once";
}

// After a restart the page gets the remembered answers without a question, while a self-signed
// site asks again, and shows only after Continue.
TEST_F(SiteQuestions, PageGetsTheAnswersAndTheRememberedOnesWithoutAQuestionAfterARestart) {
    test::PageServer site(true);
    ASSERT_EQ(site.failure(), QString());
    server.addPage("/ask", test::htmlPage("asking", "<script>"
                                                    "Notification.requestPermission().then(n => "
                                                    "navigator.geolocation.getCurrentPosition("
                                                    "() => document.title = n + ' located', "
                                                    "e => document.title = n + ' ' + e.code))"
                                                    "</script>"));
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        x.startProgram(KELVANE_BINARY, {site.url("/hello")});
        ASSERT_TRUE(x.waitFor([&] { return x.findWindow("^Certificate Error") != 0; }));
        EXPECT_TRUE(holds([&] { return !title().endsWith("[hello]"); }, 1000))
            << "not shown before the answer";
        ASSERT_TRUE(answer("Certificate Error", "alt+c"));
        EXPECT_TRUE(showsPage("hello"));
        ASSERT_EQ(test::handOverToRunning({url("/ask")}), "");
        if (run == 1) {
            ASSERT_TRUE(answer("Site Permission", "alt+a")); // notifications
            ASSERT_TRUE(answer("Site Permission", "alt+b")); // location
        }
        EXPECT_TRUE(showsPage("granted 1")) << "1: refused";
        EXPECT_EQ(x.findWindow("^Site Permission"), 0u);
        ASSERT_TRUE(stop());
    }
}

TEST_F(SiteQuestions, FullScreenFillsTheScreenWithThePageAndEscOrASwitchRestoresTheWindow) {
    server.addPage("/full", test::htmlPage("full", "<style>body{margin:0}</style>"
                                                   "<button style='width:100vw;height:100vh;"
                                                   "background:#c80000;border:0' onclick="
                                                   "'document.body.requestFullscreen()'>"));
    placeMainWindow();
    saveDocuments({"/b", "/full"});
    ASSERT_TRUE(start({}, "full"));
    const QRect before = x.geometry(mainWindow());
    const QRect screen(0, 0, 1280, 800);
    // Clicked until the page takes it: a page just shown may not take input yet.
    const auto fullScreen = [&] {
        return x.waitFor([&] {
            if (x.geometry(mainWindow()) != screen)
                x.click(inMainWindow(400, 300));
            return x.geometry(mainWindow()) == screen;
        });
    };
    ASSERT_TRUE(fullScreen());
    EXPECT_TRUE(x.waitFor([&] {
        const QImage shot = x.grab();
        return shot.pixel(1, 1) == kPageColours[0] && shot.pixel(1278, 798) == kPageColours[0];
    })) << "the page from corner to corner";
    EXPECT_EQ(navigator(), 0u);
    x.keys("Escape");
    EXPECT_TRUE(x.waitFor([&] { return x.geometry(mainWindow()) == before; }));
    EXPECT_NE(navigator(), 0u);
    EXPECT_NE(x.grab().pixel(before.topLeft() + QPoint(5, 5)), kPageColours[0]) << "bars back";
    ASSERT_TRUE(fullScreen());
    x.keys("ctrl+Tab");
    EXPECT_TRUE(showsPage("Page B"));
    EXPECT_TRUE(x.waitFor([&] { return x.geometry(mainWindow()) == before; }));
    EXPECT_TRUE(x.waitFor([&] {
        const QImage shot = x.grab();
        const QRect area = before.adjusted(30, 160, -30, -60);
        return shot.pixel(area.center()) == kPageColours[1] &&
               shot.pixel(area.topLeft()) == kPageColours[1] &&
               shot.pixel(area.bottomRight()) == kPageColours[1];
    })) << "the next document fills the document area, maximized as the documents were";
    ASSERT_TRUE(stop());
}

} // namespace
