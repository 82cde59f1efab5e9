// What pages ask of the main window, and the main window's tabs, rows and find, with the real
// engine against servers on 127.0.0.1.
#include "bars/findbar.h"
#include "base/appsettings.h"
#include "dialogs/permissionquestion.h"
#include "dialogs/signindialog.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "documents/tabbar.h"
#include "frame/mainwindow.h"
#include "frame/pagequestions.h"
#include "frame/statusbar.h"
#include "navigator/navigatorwindow.h"
#include "platform/engine/webengine.h"
#include "platform/engine/webenginefactory.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/modalanswers.h"
#include "support/pageserver.h"
#include "support/waituntil.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace kelvane;
using test::ModalAnswers;
using test::waitUntil;

namespace {

struct PageRequests : ::testing::Test {
    PageRequests() {
        appSettings() = AppSettings();
        window.load(QStringLiteral("about:blank")); // not the default home page on the internet
        window.show();
        window.pageQuestions()->setDesktopHooks(
            {[](const QString&) { return true; },
             [this](const QUrl& url) { return opened << url.toString(), true; }});
    }
    ~PageRequests() override { window.close(); }
    // The engine of document i, or of the active one.
    WebEngine* engine(int i = 0) {
        DocumentArea& area = window.documentArea();
        return static_cast<WebEngine*>((i ? area.document(i) : area.activeDocument())->engine());
    }
    bool showsTitle(const QString& title) {
        return waitUntil([&] { return engine()->title() == title; });
    }
    test::IsolatedHome home;
    test::TestHttpServer server;
    WebEngineFactory engines;
    MainWindow window{engines, nullptr};
    QStringList opened;
};

// Notes the user name offered, then signs in as "ann" with the password, or cancels without one.
ModalAnswers::Answer signIn(const QString& password, QStringList& users) {
    return [=, &users](QWidget* dialog) {
        auto* form = static_cast<SignInDialog*>(dialog);
        users << form->userEdit()->text();
        form->userEdit()->setText("ann");
        form->passwordEdit()->setText(password);
        form->findChild<QPushButton*>(password.isEmpty() ? "cancel" : "signIn")->click();
    };
}

// First: the session bus must be the test's own before anything in the process uses one.
TEST_F(PageRequests, AllowedNotificationsReachTheDesktopsServiceAsPlainTextWithTheirSite) {
    QProcess service;
    service.start("/usr/bin/python3", {KELVANE_TEST_SUPPORT_DIR "/notificationserver.py"});
    ASSERT_TRUE(waitUntil([&] { return service.canReadLine(); }))
        << QString(service.readAllStandardError());
    qputenv("DBUS_SESSION_BUS_ADDRESS", service.readLine().trimmed());
    server.addPage("/n", test::htmlPage("N", "<script>Notification.requestPermission().then("
                                             "() => new Notification('Hi', {body: '<b>x'}))"
                                             "</script>"));
    window.openInNewDocument(server.url("/n"));
    ASSERT_TRUE(waitUntil([&] { return !window.pageQuestions()->openQuestions().isEmpty(); }));
    window.pageQuestions()->openQuestions().first()->allowButton()->click();
    ASSERT_TRUE(waitUntil([&] { return service.canReadLine(); }));
    EXPECT_EQ(service.readLine().trimmed(), "127.0.0.1: Hi|&lt;b&gt;x");
    service.closeWriteChannel();
    service.waitForFinished();
}

TEST_F(PageRequests, SignInShowsThePageAfterTheRightPasswordAndTheServersOwnAfterCancel) {
    test::PageServer server(false, "ann", "right");
    ASSERT_EQ(server.failure(), QString());
    QStringList users;
    {
        ModalAnswers answers({signIn("wrong", users), signIn("right", users)});
        window.openInNewDocument(server.url("/private/page"));
        ASSERT_TRUE(showsTitle("private/page"));
    }
    EXPECT_EQ(users, (QStringList{"", "ann"})) << "asked again, the user name kept";
    test::PageServer other(false, "ann", "right");
    ModalAnswers answers({signIn("", users)});
    engine()->navigate(other.url("/private/page"));
    EXPECT_TRUE(showsTitle("Unauthorized")) << "the server's own 401 page";
}

// Images of a self-signed site on a page fail quietly and the page stays (that site is named
// "localhost", so that the exception given below does not let them through); the page itself
// asks, and goes back or continues to a page that is not secure.
TEST_F(PageRequests, CertificateQuestionGoesBackOrContinuesToAPageThatIsNotSecure) {
    test::PageServer site(true);
    ASSERT_EQ(site.failure(), QString());
    QString images;
    for (const char* path : {"/i1", "/i2", "/i3"})
        images += "<img src='" + QString(site.url(path)).replace("127.0.0.1", "localhost") + "'>";
    server.addPage("/a", test::htmlPage("A"));
    server.addPage("/p", test::htmlPage("P", images));
    window.openInNewDocument(server.url("/a"));
    ASSERT_TRUE(showsTitle("A"));
    {
        ModalAnswers answers;
        engine()->navigate(server.url("/p"));
        ASSERT_TRUE(showsTitle("P"));
        EXPECT_FALSE(waitUntil([&] { return !answers.seen().isEmpty(); }, 3000)) << "no question";
        engine()->navigate(server.url("/a"));
        ASSERT_TRUE(showsTitle("A"));
        EXPECT_TRUE(waitUntil([&] { return engine()->backCount() == 2; })) << "nothing went back";
    }
    for (const char* button : {"goBack", "continue"}) {
        ModalAnswers answers(
            {[button](QWidget* question) { question->findChild<QPushButton*>(button)->click(); }});
        engine()->navigate(site.url("/secret"));
        ASSERT_TRUE(waitUntil([&] { return !answers.seen().isEmpty(); }));
        EXPECT_EQ(answers.seen(), QStringList{"Certificate Error"});
        if (button == QString("continue"))
            EXPECT_TRUE(showsTitle("secret"));
        else // back before the refused page, which stays ahead in the history
            EXPECT_TRUE(waitUntil([&] {
                return engine()->url() == server.url("/a") && engine()->forwardCount() == 1;
            }));
    }
    EXPECT_EQ(window.statusBarPanels()->security(), PageSecurity::NotSecure);
}

TEST_F(PageRequests, AClickedMailtoLinkIsOfferedToTheDesktopOnceAllowed) {
    server.addPage("/m", test::htmlPage("M", "<a href='mailto:ann@example.test' "
                                             "style='display:block;height:400px'>mail</a>"));
    window.openInNewDocument(server.url("/m"));
    ASSERT_TRUE(showsTitle("M"));
    QWidget* view = engine()->view()->focusProxy();
    QTimer clicker; // clicks until the page takes one: a view just shown may not take input
    QObject::connect(&clicker, &QTimer::timeout,
                     [&] { QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(40, 100)); });
    clicker.start(300);
    ASSERT_TRUE(waitUntil([&] { return !window.pageQuestions()->openQuestions().isEmpty(); }));
    clicker.stop();
    window.pageQuestions()->openQuestions().first()->allowButton()->click();
    engine()->navigate("mailto:typed@example.test"); // typed: remembered, no question
    EXPECT_EQ(opened, (QStringList{"mailto:ann@example.test", "mailto:typed@example.test"}));
}

// A page opens a document and closes its own; each shows on its tab, its Navigator row and in
// the title, and find counts the matches of the page.
TEST_F(PageRequests, PagesReachTheirTabRowAndTitleOpenDocumentsAndCloseTheirOwn) {
    // Matches of "fox" in the middle of a word and of a line, in any case.
    server.addPage("/a", test::htmlPage("Page A", "<a id='blank' href='/c' target='_blank'>C"
                                                  "</a> The brownfoxes, a fox, a FOX."
                                                  "<button id='close' onclick='window.close()'>x"));
    server.addPage("/c", test::htmlPage("Page c"));
    DocumentSet& set = window.documentArea().documents();
    const auto at = [&](int i, const char* path) {
        return set.status(i) == QLatin1String("Completed") && engine(i)->url() == server.url(path);
    };
    const auto click = [&](int i, const char* id) {
        engine(i)->page()->runJavaScript(QString("document.getElementById('%1').click()").arg(id));
    };
    const auto counts = [&](const char* text) {
        return waitUntil([&] { return window.findBar()->countText() == QLatin1String(text); });
    };
    window.openInNewDocument(server.url("/a"));
    ASSERT_TRUE(waitUntil([&] { return at(2, "/a") && set.tabCaption(2) == "Page A"; }));
    EXPECT_EQ(window.tabBar()->tabText(1), QStringLiteral("Page A"));
    EXPECT_EQ(window.navigator()->list()->model()->index(1, 0).data().toString(), "Page A");
    EXPECT_EQ(set.tabIcon(2), 8);
    EXPECT_TRUE(waitUntil([&] { return window.windowTitle() == "Kelvane v1.50 - [Page A]"; }));

    QLineEdit* box = window.findBar()->textBox();
    window.findBar()->openBar();
    QTest::keyClicks(box, "fox");
    ASSERT_TRUE(counts("1 of 3")) << window.findBar()->countText().toStdString();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(counts("2 of 3"));
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(counts("1 of 3"));
    QTest::keyClicks(box, "hound");
    EXPECT_TRUE(counts("No matches"));

    click(2, "blank");
    ASSERT_TRUE(waitUntil([&] { return set.count() == 3 && at(3, "/c"); }));
    EXPECT_TRUE(waitUntil([&] { return set.rowText(3) == QLatin1String("Page c"); }));
    click(2, "close");
    ASSERT_TRUE(waitUntil([&] { return set.count() == 2; }));
    EXPECT_TRUE(at(2, "/c"));
}

} // namespace
