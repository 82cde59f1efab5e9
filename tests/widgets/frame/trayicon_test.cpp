// The tray icon, the password prompt behind it, and the Options command of the main window.
#include "bars/sitestoolbar.h"
#include "base/passwordhash.h"
#include "base/singleinstance.h"
#include "base/stringtable.h"
#include "fakes/testwindow.h"
#include "frame/featurewindows.h"
#include "frame/trayicon.h"
#include "notes/notespane.h"
#include "support/modalanswers.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
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

class Tray : public ::testing::Test {
protected:
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
    EXPECT_EQ(tray.icon()->toolTip(), tableString(102));
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
    EXPECT_TRUE(holdsSingleInstance());
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
    EXPECT_TRUE(holdsSingleInstance());
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

} // namespace
