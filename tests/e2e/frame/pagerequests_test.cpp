// What pages ask of the main window, with the real engine against servers on 127.0.0.1.
#include "base/appsettings.h"
#include "dialogs/permissionquestion.h"
#include "dialogs/signindialog.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "frame/mainwindow.h"
#include "frame/pagequestions.h"
#include "frame/statusbar.h"
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
#include <gtest/gtest.h>

using namespace kelvane;
using test::ModalAnswers;
using test::waitUntil;

namespace {

struct PageRequests : ::testing::Test {
    PageRequests() {
        appSettings() = AppSettings();
        window.load({});
        window.show();
        window.pageQuestions()->setDesktopHooks(
            {[](const QString&) { return true; },
             [this](const QUrl& url) { return opened << url.toString(), true; }});
    }
    ~PageRequests() override { window.close(); }
    WebEngine* engine() {
        return static_cast<WebEngine*>(window.documentArea().activeDocument()->engine());
    }
    bool showsTitle(const QString& title) {
        return waitUntil([&] { return engine()->title() == title; });
    }
    test::IsolatedHome home;
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
    test::TestHttpServer server;
    server.addPage("/n", test::htmlPage("N", "<script>Notification.requestPermission().then("
                                             "() => new Notification('Hi', {body: '<b>x'}))"
                                             "</script>"));
    window.openInNewDocument(server.url("/n"));
    ASSERT_TRUE(waitUntil([&] { return !window.pageQuestions()->openQuestions().isEmpty(); }));
    window.pageQuestions()->openQuestions().first()->allowButton()->click();
    ASSERT_TRUE(waitUntil([&] { return service.canReadLine(); }));
    EXPECT_EQ(service.readLine().trimmed(), "Hi|&lt;b&gt;x\\n127.0.0.1");
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

TEST_F(PageRequests, CertificateQuestionGoesBackOrContinuesToAPageThatIsNotSecure) {
    test::TestHttpServer before;
    before.addPage("/a", test::htmlPage("A"));
    test::PageServer site(true);
    ASSERT_EQ(site.failure(), QString());
    window.openInNewDocument(before.url("/a"));
    ASSERT_TRUE(showsTitle("A"));
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
                return engine()->url() == before.url("/a") && engine()->forwardCount() == 1;
            }));
    }
    EXPECT_EQ(window.statusBarPanels()->security(), PageSecurity::NotSecure);
}

TEST_F(PageRequests, AClickedMailtoLinkIsOfferedToTheDesktopOnceAllowed) {
    test::TestHttpServer server;
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

} // namespace
