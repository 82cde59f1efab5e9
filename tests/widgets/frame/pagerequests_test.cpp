// What pages ask of the main window, over the fake engine: certificates, sign-in, permissions,
// outside programs and full screen.
#include "base/passwordhash.h"
#include "dialogs/certificatequestion.h"
#include "dialogs/leavequestion.h"
#include "dialogs/permissionquestion.h"
#include "dialogs/signindialog.h"
#include "fakes/testwindow.h"
#include "frame/fullscreen.h"
#include "frame/pagequestions.h"
#include "frame/statusbar.h"
#include "support/modalanswers.h"

#include <QCheckBox>
#include <QTreeView>

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
            {[this](const QString& scheme) { return lookups << scheme, scheme != "nohandler"; },
             [this](const QUrl& url) { return opened << url.toString(), true; }});
    }
    PageQuestions& questions() { return *frame.window.pageQuestions(); }
    template <typename T> T* shown() { return frame.window.findChild<T*>(); }
    QString status() { return frame.window.statusBarPanels()->statusText(); }
    QString storedAnswers() {
        return QString::fromUtf8(test::readFile(RememberedAnswers::defaultPath()));
    }
    QStringList opened, lookups;
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

// A page with typed text asks before it goes, however its document closes; the browser's close
// asks each such page, and a signal asks none.
TEST_F(PageRequests, APageThatAsksBeforeItIsLeftKeepsItsDocumentOnStay) {
    const auto ways = std::map<QString, std::function<void()>>{
        {"menu", [&] { frame.window.menus().close->trigger(); }},
        {"right click", [&] { frame.area().tabClicked(1, Qt::RightButton); }},
        {"middle click", [&] { frame.area().tabClicked(1, Qt::MiddleButton); }},
        {"navigator",
         [&] {
             QTreeView* list = frame.window.navigator()->list();
             list->setCurrentIndex(list->model()->index(0, 0));
             frame.window.navigator()->buttonClicked("Close");
         }},
        {"frame", [&] { frame.doc(1)->parentWidget()->close(); }},
    };
    const auto click = [](const char* name) {
        return [=](QWidget* question) { answer(question, name); };
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way.toStdString());
        frame.engine(1)->setUrl("http://typed.test:8080/form");
        frame.engine(1)->setAsksBeforeLeaving(true);
        for (const char* how : {"stay", "esc", "leave"}) {
            test::ModalAnswers answers({click(how)});
            close();
            QCoreApplication::processEvents();
            deleteClosed();
            EXPECT_EQ(answers.seen(), QStringList{"Leave Page"});
            EXPECT_EQ(frame.area().count(), how == QString("leave") ? 0 : 1) << how;
        }
        frame.open("http://one/");
    }
    // Leaving the page by a link asks the same question, naming the site.
    QString heading;
    test::ModalAnswers answers({[&](QWidget* question) {
        heading = static_cast<WarningQuestion*>(question)->heading()->text();
        answer(question, "leave");
    }});
    frame.engine(1)->setUrl("http://typed.test:8080/form");
    EXPECT_TRUE(frame.engine(1)->fireLeave().leave);
    EXPECT_EQ(heading, "typed.test");
}

TEST_F(PageRequests, TheBrowsersCloseAsksEachPageAndASignalAsksNone) {
    frame.open("http://two/");
    for (int i : {1, 2}) {
        frame.engine(i)->setUrl(QStringLiteral("http://p%1.test/").arg(i));
        frame.engine(i)->setAsksBeforeLeaving(true);
    }
    {
        test::ModalAnswers answers(
            {[](QWidget* q) { answer(q, "leave"); }, [](QWidget* q) { answer(q, "stay"); }});
        frame.window.close();
        EXPECT_EQ(answers.seen().size(), 2);
    }
    EXPECT_FALSE(frame.window.isUnloaded());
    EXPECT_EQ(frame.area().count(), 2) << "Stay keeps everything in place";
    test::ModalAnswers none;
    frame.window.closeOnSignal();
    EXPECT_TRUE(none.seen().isEmpty());
    EXPECT_TRUE(frame.window.isUnloaded());
}

// A question of a document behind others waits until it comes to the front; "Go back" acts once,
// on the refused page only, and a document without a page before says why it shows nothing.
TEST_F(PageRequests, ACertificateQuestionWaitsForItsDocumentAndGoBackActsOnceOnItsPage) {
    const QString refused = "https://x.test/a";
    const std::tuple<bool, QString, QStringList> cases[] = {
        {true, refused, {"goBack"}},
        {true, "http://typed.test/", {}},
        {false, refused, {"refusal Kelvane did not open x.test"}},
    };
    frame.open("http://two/");
    for (const auto& [hasBack, shownAtEnd, calls] : cases) {
        SCOPED_TRACE(shownAtEnd.toStdString());
        FakeEngine* page = frame.engine(1);
        page->setHistory(
            hasBack ? QList<HistoryEntry>{{"A", "http://a.test/"}} : QList<HistoryEntry>{}, {});
        frame.doc(2)->bringToFront();
        const auto proceeds = page->fireCertificateError(
            {refused, "x.test", CertificateProblem::SelfSigned, "", true});
        EXPECT_FALSE(shown<CertificateQuestion>()->isVisible()) << "its document is behind";
        frame.doc(1)->bringToFront();
        ASSERT_TRUE(shown<CertificateQuestion>()->isVisible());
        page->clearCalls();
        answer(shown<CertificateQuestion>(), "goBack");
        page->setUrl(shownAtEnd);
        for (int load = 0; load < 2; ++load)
            page->fireProgress(0, 0);
        EXPECT_EQ(page->calls(), calls);
        EXPECT_EQ(*proceeds, std::optional(false));
    }
}

// Behind the tray password nothing of a page shows, and what the page waits for waits too.
TEST_F(PageRequests, QuestionsWaitWhileTheWindowHidesBehindItsPassword) {
    appSettings().minimizeToTray = true;
    appSettings().password = hashPassword("Secret");
    appSettings().downloadAskWhere = true;
    FakeEngine* page = frame.engine(1);
    frame.window.hide();
    page->fireCertificateError({"https://x.test/", "x.test"});
    page->firePermission("http://p.test", SitePermission::Camera);
    page->fireExternalScheme("mailto:a@b.test");
    for (QWidget* question : frame.window.findChildren<QDialog*>())
        EXPECT_FALSE(question->isVisible()) << question->windowTitle().toStdString();
    QList<bool> shownAtQuestion;
    const auto note = [&](QWidget*) { shownAtQuestion << frame.window.isVisible(); };
    test::ModalAnswers answers({note, note, note});
    QTimer::singleShot(300, &frame.window, [&] { frame.window.show(); });
    page->fireSignIn({"http://s.test/", "s.test", "Realm"});
    frame.window.hide();
    QTimer::singleShot(300, &frame.window, [&] { frame.window.show(); });
    frame.engines.services().fireDownload(new test::FakeDownload("http://d.test/f", "f"));
    EXPECT_TRUE(test::waitUntil([&] { return shownAtQuestion.size() == 3; }));
    EXPECT_EQ(shownAtQuestion, QList<bool>(3, true)) << "asked only once the window is back";
    for (PermissionQuestion* question : questions().openQuestions())
        EXPECT_TRUE(question->isVisible());
}

// A page's new window sent to a download or another program goes again instead of staying
// blank; one that shows a page stays.
TEST_F(PageRequests, ANewWindowWhoseAddressWentToADownloadOrAProgramCloses) {
    for (const QString how : {"download", "program", "page"}) {
        SCOPED_TRACE(how.toStdString());
        ASSERT_TRUE(frame.engine(1)->fireNewWindow("http://x.test/f").target);
        FakeEngine* opened = frame.engine(2);
        opened->setUrl(how == "page" ? "http://x.test/f" : "");
        how == "program" ? opened->fireExternalScheme("mailto:a@b.test")
                         : opened->fireDownloadStarted();
        QCoreApplication::processEvents();
        deleteClosed();
        EXPECT_EQ(frame.area().count(), how == "page" ? 2 : 1);
    }
}

TEST_F(PageRequests, SignInFillsTheRequestOnlyWhenSignedIn) {
    QString texts;
    const auto signIn = [&](const char* how, const char* url = "http://s.test:8080/") {
        test::ModalAnswers answers({[&](QWidget* dialog) {
            auto* form = static_cast<SignInDialog*>(dialog);
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                texts += u'|' + label->text();
            form->userEdit()->setText("ann");
            form->passwordEdit()->setText("secret");
            answer(dialog, how);
        }});
        texts.clear();
        return frame.engine(1)->fireSignIn({url, "s.test", "Realm"});
    };
    // The dialog names the host with its port, and warns where the password goes in clear.
    for (const char* how : {"esc", "close", "cancel"}) {
        SCOPED_TRACE(how);
        EXPECT_TRUE(signIn(how).cancel);
        EXPECT_TRUE(texts.contains("s.test:8080") && texts.contains("sent unencrypted"));
    }
    const SignInRequest request = signIn("enter", "https://s.test:8443/");
    EXPECT_FALSE(request.cancel);
    EXPECT_EQ(request.user + ' ' + request.password, "ann secret");
    EXPECT_TRUE(texts.contains("s.test:8443") && !texts.contains("sent unencrypted")) << texts;
}

TEST_F(PageRequests, PermissionAnswersReachThePageAndOnlyRememberedOnesAreStored) {
    const std::tuple<SitePermission, const char*, bool, const char*, const char*> cases[] = {
        {SitePermission::Notifications, "allow", true, "0 allow", "notifications allow\n"},
        {SitePermission::Location, "block", true, "1 block", "location block\n"},
        {SitePermission::Camera, "allow", false, "3 allow", nullptr},
        // Esc and the close box decide nothing: the site may ask again.
        {SitePermission::Microphone, "esc", true, "2 ask", nullptr},
        {SitePermission::MouseLock, "close", true, "6 ask", nullptr},
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
    // A question the page withdraws goes without an answer.
    frame.engine(1)->firePermission("http://p.test", SitePermission::Camera);
    ASSERT_TRUE(shown<PermissionQuestion>());
    frame.engine(1)->firePermissionCancelled("http://p.test", SitePermission::Camera);
    deleteClosed();
    EXPECT_FALSE(shown<PermissionQuestion>());
}

TEST_F(PageRequests, AnswersAreKeptPerOriginWithItsPortAndARemovedOneReachesEveryPage) {
    EXPECT_EQ(originText(QUrl("http://u:p@127.0.0.1:8000/a?b#c")), "http://127.0.0.1:8000");
    frame.open("http://two/");
    for (const char* how : {"allow", "block"}) {
        frame.engine(1)->firePermission(how == QString("allow") ? "http://127.0.0.1:8000"
                                                                : "http://127.0.0.1:9000",
                                        SitePermission::Notifications);
        ASSERT_TRUE(shown<PermissionQuestion>()) << "another port is another site";
        answer(shown<PermissionQuestion>(), how);
    }
    EXPECT_EQ(storedAnswers(), "http://127.0.0.1:8000 notifications allow\n"
                               "http://127.0.0.1:9000 notifications block\n");
    // What Options > Permissions does with Remove.
    const QList<RememberedAnswer> before = questions().rememberedAnswers().entries();
    questions().rememberedAnswers().forget("http://127.0.0.1:9000", "notifications");
    frame.engine(1)->clearCalls();
    frame.engine(2)->clearCalls();
    questions().answersRemoved(before);
    for (int doc : {1, 2})
        EXPECT_EQ(frame.engine(doc)->calls(),
                  QStringList{"permission http://127.0.0.1:9000 0 ask"});
}

TEST_F(PageRequests, OutsideSchemesGoToTheDesktopOnlyWithTheUsersYesForThatSite) {
    FakeEngine* page = frame.engine(1);
    page->setUrl("http://w.test/page");
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
    EXPECT_EQ(storedAnswers(), "http://w.test open-outside:mailto allow\n"
                               "http://w.test open-outside:tel block\n");
    EXPECT_EQ(lookups, (QStringList{"nohandler", "mailto", "tel"})) << "once a scheme";
    // Another site is asked on its own; its question goes with its document.
    frame.open("http://other/");
    frame.engine(2)->setUrl("http://other.test/");
    frame.engine(2)->fireExternalScheme("mailto:x@y.test");
    ASSERT_EQ(questions().openQuestions().size(), 1);
    frame.doc(2)->closeDocument();
    deleteClosed();
    EXPECT_TRUE(questions().openQuestions().isEmpty());
    EXPECT_EQ(opened.size(), 2);
}

TEST_F(PageRequests, NotificationsNameTheirSiteFirstOnOneLineAndAClickShowsTheirDocument) {
    QStringList sent;
    std::function<void()> click;
    questions().setDesktopHooks(
        {{}, {}, [&](const QString& title, const QString& text, auto clicked) {
             sent << title + '|' + text;
             click = std::move(clicked);
             return true;
         }});
    frame.engine(1)->setUrl("http://n.test:8080/page");
    frame.open("http://other/");
    bool pageTold = false;
    const QString long_ = QString(400, 'x');
    questions().showNotification(
        {"http://n.test:8080", "New\nmail", "one\r\ntwo  \u2028three " + long_, {}, [&] {
             pageTold = true;
         }});
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.first(),
              "n.test: New mail|" + QString("one two three " + long_).left(299) + u'\u2026');
    ASSERT_TRUE(click && frame.area().activeDocument() == frame.doc(2));
    click();
    EXPECT_TRUE(pageTold);
    EXPECT_EQ(frame.area().activeDocument(), frame.doc(1));
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
        auto* notice = frame.window.findChild<QLabel*>("fullScreenNotice");
        ASSERT_TRUE(notice && notice->isVisible());
        test::tick(frame.window.findChild<QTimer*>("fullScreenNoticeTimer"));
        EXPECT_FALSE(notice->isVisible()) << "for a few seconds only";
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
