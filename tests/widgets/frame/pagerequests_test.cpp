// What pages ask of the main window, over the fake engine: certificates, sign-in, permissions,
// outside programs and full screen.
#include "dialogs/certificatequestion.h"
#include "dialogs/permissionquestion.h"
#include "dialogs/signindialog.h"
#include "fakes/testwindow.h"
#include "frame/fullscreen.h"
#include "frame/pagequestions.h"
#include "frame/statusbar.h"
#include "support/modalanswers.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace kelvane;
using test::FakeEngine;

namespace {

// Windows closed just now go, and then what they took with them.
void deleteClosed() {
    for (int pass = 0; pass < 2; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Answers a question by a button's name, a key ("esc", "enter") or the close box ("close").
void answer(QWidget* question, const QString& how) {
    if (how == "esc" || how == "enter")
        QTest::keyClick(question->focusWidget() ? question->focusWidget() : question,
                        how == "esc" ? Qt::Key_Escape : Qt::Key_Return);
    else if (how == "close")
        question->close();
    else
        question->findChild<QPushButton*>(how)->click();
    deleteClosed();
}

struct PageRequests : test::WindowTest {
    PageRequests() {
        questions().setDesktopHooks(
            {[](const QString& scheme) { return scheme != "nohandler"; },
             [this](const QUrl& url) { return opened << url.toString(), true; }});
    }
    PageQuestions& questions() { return *frame.window.pageQuestions(); }
    template <typename T> T* shown() { return frame.window.findChild<T*>(); }
    QString status() { return frame.window.statusBarPanels()->statusText(); }
    QString storedAnswers() {
        return QString::fromUtf8(test::readFile(RememberedAnswers::defaultPath()));
    }
    QStringList opened;
};

TEST_F(PageRequests, CertificateQuestionContinuesOnlyOnContinue) {
    const std::tuple<bool, const char*, bool> cases[] = {
        {true, "continue", true}, {true, "goBack", false}, {true, "esc", false},
        {true, "close", false},   {true, "enter", false},  {false, "enter", false}};
    for (const auto& [overridable, how, continues] : cases) {
        SCOPED_TRACE(how);
        const auto proceeds = frame.engine(1)->fireCertificateError(
            {"https://x.test/a", "x.test", CertificateProblem::Expired, "", overridable});
        auto* question = shown<CertificateQuestion>();
        ASSERT_TRUE(question);
        EXPECT_EQ(question->continueButton() != nullptr, overridable);
        EXPECT_TRUE(question->findChild<QLabel*>("heading")->text().contains("x.test"));
        EXPECT_FALSE(proceeds->has_value()) << "the page waits for the answer";
        answer(question, how);
        EXPECT_EQ(*proceeds, std::optional(continues));
    }
    // A document that closes takes its question with it, refused.
    const auto proceeds = frame.engine(1)->fireCertificateError({"https://x.test/", "x.test"});
    frame.doc(1)->closeDocument();
    deleteClosed();
    EXPECT_EQ(*proceeds, std::optional(false));
    EXPECT_FALSE(shown<CertificateQuestion>());
}

TEST_F(PageRequests, SignInFillsTheRequestOnlyWhenSignedIn) {
    const auto signIn = [&](const char* how) {
        test::ModalAnswers answers({[&](QWidget* dialog) {
            auto* form = static_cast<SignInDialog*>(dialog);
            form->userEdit()->setText("ann");
            form->passwordEdit()->setText("secret");
            answer(dialog, how);
        }});
        return frame.engine(1)->fireSignIn({"http://s.test/", "s.test", "Realm"});
    };
    for (const char* how : {"esc", "close", "cancel"}) {
        SCOPED_TRACE(how);
        EXPECT_TRUE(signIn(how).cancel);
    }
    const SignInRequest request = signIn("enter");
    EXPECT_FALSE(request.cancel);
    EXPECT_EQ(request.user + ' ' + request.password, "ann secret");
    // The dialog names the host with its port, and warns where the password goes in clear.
    for (const char* url : {"http://s.test:8080/", "https://s.test:8443/"}) {
        QStringList texts;
        test::ModalAnswers answers({[&](QWidget* dialog) {
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                texts << label->text();
            answer(dialog, "cancel");
        }});
        frame.engine(1)->fireSignIn({url, "s.test", "Realm"});
        const QString all = texts.join('|');
        EXPECT_TRUE(all.contains(QString(url).section('/', 2, 2))) << qPrintable(all);
        EXPECT_EQ(all.contains("sent unencrypted"), QString(url).startsWith("http:")) << url;
    }
}

TEST_F(PageRequests, PermissionAnswersReachThePageAndOnlyRememberedOnesAreStored) {
    const std::tuple<SitePermission, const char*, bool, const char*, const char*> cases[] = {
        {SitePermission::Notifications, "allow", true, "0 allow", "notifications allow\n"},
        {SitePermission::Location, "block", true, "1 block", "location block\n"},
        {SitePermission::Camera, "allow", false, "3 allow", nullptr},
        {SitePermission::Microphone, "esc", true, "2 block", nullptr},
        {SitePermission::MouseLock, "close", true, "6 block", nullptr},
    };
    for (const auto& [permission, how, remember, log, stored] : cases) {
        SCOPED_TRACE(log);
        const QStringList logged{"permission http://p.test " + QString(log)};
        for (int ask = 1; ask <= 2; ++ask) {
            frame.engine(1)->clearCalls();
            frame.engine(1)->firePermission("http://p.test", permission);
            auto* question = shown<PermissionQuestion>();
            // Asked once when remembered, the second time answered from memory.
            ASSERT_EQ(question == nullptr, ask == 2 && stored);
            if (question) {
                EXPECT_TRUE(question->rememberBox()->isChecked()) << "remembering is the default";
                question->rememberBox()->setChecked(remember);
                answer(question, how);
            }
            EXPECT_EQ(frame.engine(1)->calls(), logged);
        }
        EXPECT_EQ(storedAnswers().contains(stored ? stored : "?"), stored != nullptr);
    }
}

TEST_F(PageRequests, AQuestionGoesWithoutAnAnswerWhenThePageWithdrawsItOrCloses) {
    frame.engine(1)->firePermission("http://p.test", SitePermission::Camera);
    frame.engine(1)->firePermissionCancelled("http://p.test", SitePermission::Camera);
    deleteClosed();
    EXPECT_FALSE(shown<PermissionQuestion>());
    frame.engine(1)->firePermission("http://p.test", SitePermission::Camera);
    frame.doc(1)->closeDocument();
    deleteClosed();
    EXPECT_TRUE(questions().openQuestions().isEmpty());
}

TEST_F(PageRequests, OutsideSchemesGoToTheDesktopOnlyWithTheUsersYes) {
    FakeEngine* page = frame.engine(1);
    for (const char* web : {"http://w.test/", "file:///etc/passwd", "javascript:1"})
        page->fireExternalScheme(web);
    page->fireExternalScheme("nohandler:x");
    EXPECT_EQ(status(), "No program is set up to open nohandler: links");
    EXPECT_FALSE(shown<PermissionQuestion>());
    page->fireExternalScheme("mailto:a@b.test");
    page->fireExternalScheme("mailto:c@d.test"); // one question per scheme
    ASSERT_EQ(questions().openQuestions().size(), 1);
    answer(shown<PermissionQuestion>(), "allow");
    page->fireExternalScheme("mailto:e@f.test"); // remembered
    EXPECT_EQ(opened, (QStringList{"mailto:a@b.test", "mailto:e@f.test"}));
    page->fireExternalScheme("tel:1");
    shown<PermissionQuestion>()->rememberBox()->setChecked(true);
    answer(shown<PermissionQuestion>(), "block");
    page->fireExternalScheme("tel:2");
    EXPECT_TRUE(status().startsWith("Opening tel: links is blocked"));
    EXPECT_EQ(opened.size(), 2);
    EXPECT_EQ(storedAnswers(), "mailto: open-outside allow\ntel: open-outside block\n");
}

TEST_F(PageRequests, FullScreenCoversTheWindowWithTheActivePageUntilEscOrASwitch) {
    FullScreenPage& full = *frame.window.fullScreen();
    frame.open("http://two/");
    EXPECT_FALSE(frame.engine(1)->fireFullScreen(true)) << "only the active page";
    for (const char* leave : {"esc", "switch", "page", "close"}) {
        SCOPED_TRACE(leave);
        frame.doc(2)->bringToFront();
        FakeEngine* engine = frame.engine(2);
        QWidget* view = engine->widget();
        ASSERT_TRUE(engine->fireFullScreen(true));
        EXPECT_EQ(view->parentWidget(), &frame.window);
        EXPECT_EQ(view->geometry(), frame.window.rect());
        EXPECT_TRUE(frame.window.windowState() & Qt::WindowFullScreen);
        engine->clearCalls();
        if (leave == QString("esc"))
            QTest::keyClick(view, Qt::Key_Escape);
        else if (leave == QString("switch"))
            frame.doc(1)->bringToFront();
        else if (leave == QString("page"))
            EXPECT_TRUE(engine->fireFullScreen(false));
        else
            frame.doc(2)->closeDocument();
        EXPECT_FALSE(full.isActive());
        EXPECT_FALSE(frame.window.windowState() & Qt::WindowFullScreen);
        if (leave != QString("close")) {
            EXPECT_EQ(view->parentWidget(), frame.doc(2));
            EXPECT_EQ(engine->calls().contains("leaveFullScreen"), leave != QString("page"));
            EXPECT_FALSE(engine->calls().contains("key 16777216")) << "Esc stays out of the page";
        }
    }
}

} // namespace
