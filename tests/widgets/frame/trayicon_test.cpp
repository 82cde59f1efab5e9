// The status bar and its kill sound, the tray icon, the password prompt behind it, and the
// Options command of the main window.
#include "bars/sitestoolbar.h"
#include "base/passwordhash.h"
#include "base/singleinstance.h"
#include "base/stringtable.h"
#include "fakes/testwindow.h"
#include "frame/featurewindows.h"
#include "frame/statusbar.h"
#include "frame/trayicon.h"
#include "notes/notespane.h"
#include "platform/sound.h"
#include "support/modalanswers.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>

using namespace kelvane;
using test::ModalAnswers;

namespace {

// Types text into the prompt or dialog's password box and presses its OK.
ModalAnswers::Answer typeAndOk(const QString& password) {
    return [password](QWidget* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>("passwordEdit"), password);
        dialog->findChild<QPushButton*>("okButton")->click();
    };
}

struct Tray : ::testing::Test {
    Tray() {
        appSettings() = AppSettings();
        appSettings().minimizeToTray = true;
        appSettings().password = hashPassword("Secret");
        window.show();
        tray.add();
        claimSingleInstance(lockName());
    }
    ~Tray() override { releaseSingleInstance(); }
    void minimize() {
        window.showMinimized();
        tray.windowMinimized();
        QApplication::processEvents();
    }

    test::IsolatedHome home;
    QWidget window;
    bool available = true;
    TrayIcon tray{&window, [this] { return available; }, [] { return false; }};
};

TEST_F(Tray, PasswordGuardsTheWayBackFromTheTray) {
    minimize();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(holdsSingleInstance()) << "a later start hands over to the hidden window";
    {
        ModalAnswers answers({[](QWidget* prompt) {
            typeAndOk("secret")(prompt); // wrong, and any number of attempts
            EXPECT_TRUE(prompt->isVisible());
            EXPECT_EQ(prompt->findChild<QLineEdit*>()->selectedText(), "secret");
            prompt->findChild<QPushButton*>("cancelButton")->click();
        }});
        Q_EMIT tray.icon()->activated(QSystemTrayIcon::DoubleClick);
        EXPECT_EQ(answers.seen(), (QStringList{tableString(3500), tableString(3505)}));
    }
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(tray.isAdded());

    ModalAnswers answers({[](QWidget* prompt) {
        EXPECT_EQ(prompt->findChild<QLineEdit*>()->text(), "") << "asked again afresh";
        typeAndOk("Secret")(prompt);
    }});
    tray.doubleClicked();
    EXPECT_TRUE(window.isVisible() && !window.isMinimized());
}

TEST_F(Tray, WithoutPasswordADoubleClickRestoresAndWithoutTrayMinimizingNeverHides) {
    appSettings().password.clear();
    // The old X tray reports a click and then the double click; a StatusNotifier host reports
    // every activation as a click. A right click does nothing.
    for (const bool clickOnly : {false, true}) {
        TrayIcon other(
            &window, [] { return true; }, [clickOnly] { return clickOnly; });
        other.add();
        using R = QSystemTrayIcon::ActivationReason;
        for (const R reason : {R::Trigger, R::Context, R::DoubleClick}) {
            minimize();
            Q_EMIT other.icon()->activated(reason);
            EXPECT_EQ(window.isVisible(),
                      reason == R::DoubleClick || (clickOnly && reason == R::Trigger))
                << clickOnly << reason;
        }
    }
    window.showMaximized();
    tray.doubleClicked();
    EXPECT_TRUE(window.isVisible() && !window.isMaximized()) << "back to its normal size";

    available = false;
    minimize();
    EXPECT_TRUE(window.isVisible());
}

// A later start while the window hides behind the password: it is answered at once, and its
// address opens only once the password is given here.
TEST(TrayHandOver, LaterStartWaitsForThePassword) {
    test::IsolatedHome home;
    ASSERT_TRUE(claimSingleInstance(lockName()));
    test::FakeEngineFactory engines;
    HandOverServer server;
    MainWindow window(engines, &server);
    window.load("http://one/");
    ASSERT_TRUE(server.startListening());
    appSettings().minimizeToTray = true;
    appSettings().password = hashPassword("Secret");
    for (const QString typed : {"wrong", "Secret"}) {
        QProcess second;
        ModalAnswers answers({[&](QWidget* prompt) {
            EXPECT_TRUE(test::waitUntil([&] { return second.state() == QProcess::NotRunning; }));
            typeAndOk(typed)(prompt); // then the wrong one's message, and Cancel
        }});
        second.start(KELVANE_BINARY, {"http://handed/"});
        EXPECT_TRUE(test::waitUntil([&] {
            return answers.seen().size() == 1 + (typed == "wrong") &&
                   !QApplication::activeModalWidget();
        }));
        EXPECT_EQ(second.exitCode(), 0) << "the second start is answered at once";
        EXPECT_EQ(window.isVisible(), typed == "Secret");
        EXPECT_EQ(window.documentArea().count(), typed == "Secret" ? 2 : 1) << typed;
    }
    releaseSingleInstance();
}

// The main window's Options command and what it applies after the dialog.
struct OptionsCommand : test::WindowTest {
    void options(ModalAnswers::Answer answer) {
        ModalAnswers answers({std::move(answer)});
        window->featureWindows().showOptions();
    }

    MainWindow* window = &frame.window;
};

TEST_F(OptionsCommand, TrayIconFollowsOnlyAChangeAndCancelStillReappliesTheLook) {
    const auto tick = [](const char* box) {
        return [box](QWidget* dialog) {
            dialog->findChild<QCheckBox*>(box)->toggle();
            dialog->findChild<QPushButton*>("okButton")->click();
        };
    };
    EXPECT_FALSE(window->trayIcon()->isAdded());
    options(tick("minimizeToTrayBox"));
    EXPECT_TRUE(window->trayIcon()->isAdded()) << "at once";
    window->trayIcon()->icon()->hide();
    options(tick("saveAllBox"));
    EXPECT_FALSE(window->trayIcon()->isAdded()) << "unchanged: nothing added";

    QPlainTextEdit* notes = window->notesPane()->notesBox();
    const QFont look = notes->font();
    notes->setFont(QFont("Courier", 30));
    window->bars().sitesToolbar()->button(1)->setVisible(true);
    options([](QWidget* dialog) {
        for (auto* box : dialog->findChildren<QCheckBox*>())
            box->toggle();
        dialog->findChild<QLineEdit*>("home1Edit")->setText("http://changed/");
        dialog->findChild<QPushButton*>("cancelButton")->click();
    });
    EXPECT_EQ(notes->font(), look);
    EXPECT_FALSE(window->bars().sitesToolbar()->button(1)->isVisible());
    const AppSettings& a = appSettings();
    const AppSettings b;
    EXPECT_EQ(std::tie(a.cleanOnExit, a.checkIfDefault, a.quickNotesEnabled, a.home1),
              std::tie(b.cleanOnExit, b.checkIfDefault, b.quickNotesEnabled, b.home1));
}

struct StatusBarTest : ::testing::Test {
    StatusBarTest() {
        window.setStatusBar(bar);
        window.resize(900, 300);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget* panel(int index) const {
        return bar->findChild<QWidget*>(QString("Item%1").arg(index));
    }
    QLabel* label(int index) const { return qobject_cast<QLabel*>(panel(index)); }
    // The menu of the popups panel, as a right click opens it.
    QMenu* panelMenu() {
        QContextMenuEvent click(QContextMenuEvent::Mouse, {5, 5},
                                panel(4)->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(panel(4), &click);
        return bar->killedPopupsMenu();
    }

    QMainWindow window;
    StatusBar* bar = new StatusBar;
};

TEST_F(StatusBarTest, SixPanelsInOrderTheFirstTakingTheRoomAndAClock) {
    for (int i = 2; i <= 6; ++i)
        EXPECT_GT(panel(i)->x(), panel(i - 1)->x()) << i;
    const int textWidth = panel(1)->width(), clockWidth = panel(2)->width();
    bar->setStatusText(QString(500, u'x')); // a long text never widens the window
    window.resize(1100, 300);
    QApplication::processEvents();
    EXPECT_EQ(panel(1)->width(), textWidth + 200);
    EXPECT_EQ(panel(2)->width(), clockWidth);
    EXPECT_EQ(window.width(), 1100);

    // The clock: short date, four blanks, time with seconds, every second.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(StatusBar::clockText(QDateTime(QDate(2026, 5, 12), QTime(14, 3, 27))),
              "12.05.26    14:03:27");
    QLocale::setDefault(QLocale::system());
    EXPECT_TRUE(bar->clockTimer()->isActive());
}

TEST_F(StatusBarTest, DoubleClicksOnPicturesAndTheKillFlashThatSettlesOnTheSixthTick) {
    QSignalSpy options(bar, &StatusBar::optionsRequested);
    appSettings().popUpEnabled = true;
    bar->setPopupsAllowed(true);
    for (int i = 1; i <= 5; ++i)
        QTest::mouseDClick(panel(i), Qt::LeftButton);
    EXPECT_EQ(options.count(), 1);
    // The popup picture's double click switches the blocker, in the settings and the picture.
    EXPECT_FALSE(appSettings().popUpEnabled);
    EXPECT_EQ(bar->popupPicture(), PopupPicture::Blocked);
    QList<QImage> padlocks; // our pictures are compiled in: never none
    for (const auto security : {PageSecurity::Secure, PageSecurity::NotSecure}) {
        bar->setSecurity(security);
        padlocks << label(5)->pixmap().toImage();
    }
    EXPECT_FALSE(padlocks[0].isNull() || padlocks[1].isNull() || padlocks[0] == padlocks[1]);
    EXPECT_EQ(label(5)->toolTip(), "Not secure");
    bar->setSecurity(PageSecurity::Plain);
    EXPECT_TRUE(label(5)->pixmap().isNull());

    using P = PopupPicture;
    // The blocker is on at the kill; in the second run the user switches it off at once.
    for (const bool allowed : {false, true}) {
        bar->setPopupsAllowed(allowed);
        int ticks = 0;
        QList<P> shown;
        do {
            ticks = bar->advancePopupFlash(ticks);
            shown << bar->popupPicture();
        } while (ticks != 0 && shown.size() < 10);
        EXPECT_EQ(shown, (QList<P>{P::Killed, P::Blocked, P::Killed, P::Blocked, P::Killed,
                                   allowed ? P::Allowed : P::Blocked}))
            << "allowed " << allowed;
    }
}

TEST_F(StatusBarTest, KilledPopupsAreCountedAndListedNewestFirst) {
    for (int i = 1; i <= 12; ++i)
        bar->recordKilledPopup(QString("http://pop.example/%1").arg(i), "http://page.example/",
                               i == 12);
    EXPECT_TRUE(label(4)->toolTip().endsWith(": 12"));
    EXPECT_TRUE(panelMenu()->isVisible());
    const QList<QAction*> actions = bar->killedPopupsMenu()->actions();
    ASSERT_EQ(actions.size(), 10);
    EXPECT_TRUE(actions[0]->text().contains("pop.example/12") &&
                actions[0]->text().contains("page.example"));
    EXPECT_TRUE(actions[0]->text().contains("blocked site") &&
                !actions[1]->text().contains("blocked site"));
    EXPECT_TRUE(actions[9]->text().contains("pop.example/3"));

    QSignalSpy chosen(bar, &StatusBar::killedPopupChosen);
    actions[1]->trigger();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toString(), "http://pop.example/11");
}

TEST_F(StatusBarTest, BlockedRequestsAreToldAndTheSiteExceptionOffered) {
    bar->setContentBlocking({true, 3, "ads.example", false});
    EXPECT_TRUE(label(4)->toolTip().contains("Requests blocked on this page: 3"));
    auto* allow = panelMenu()->findChild<QAction*>("siteException");
    ASSERT_NE(allow, nullptr);
    QSignalSpy chosen(bar, &StatusBar::siteExceptionChosen);
    allow->trigger();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0], (QVariantList{"ads.example", true}));
    bar->setContentBlocking({true, 0, "ads.example", true});
    EXPECT_TRUE(label(4)->toolTip().contains("allowed on this site"));
}

TEST_F(StatusBarTest, ProgressPanelDrawsNothingAtZeroAndTheBarOtherwise) {
    const auto grab = [this] { return panel(6)->grab().toImage(); };
    const QImage idle = grab();
    bar->setProgressPercent(50);
    EXPECT_TRUE(bar->progressBar().text() == "Loading" && bar->progressBar().showPercentage());
    // The filled half is recoloured in blue, the other half keeps the slate gradient.
    const QImage half = grab();
    EXPECT_GT(qBlue(half.pixel(40, 10)) - qRed(half.pixel(40, 10)), 80);
    EXPECT_LT(qBlue(half.pixel(130, 10)) - qRed(half.pixel(130, 10)), 80);
    bar->setProgressPercent(100);
    EXPECT_TRUE(bar->progressBar().text() == "Complete" && !bar->progressBar().showPercentage());
    bar->setProgressPercent(0);
    EXPECT_EQ(grab(), idle);
}

TEST(KillSound, PlaysOurWaveThroughThePlayerOnPath) {
    // A stand-in player that keeps a copy of the file it is given.
    QTemporaryDir bin;
    const QString copy = bin.filePath("played.wav");
    const QString player = bin.filePath("pw-play");
    const QString script = QString("#!/bin/sh\ncp \"$1\" '%1.part'; mv '%1.part' '%1'\n").arg(copy);
    ASSERT_TRUE(test::writeFile(player, script.toUtf8()));
    QFile::setPermissions(player, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ":/usr/bin:/bin");
    EXPECT_TRUE(playKillSound());
    qputenv("PATH", path);

    ASSERT_TRUE(test::waitUntil([&] { return QFile::exists(copy); }));
    EXPECT_TRUE(test::readFile(copy).startsWith("RIFF"));
}

} // namespace
