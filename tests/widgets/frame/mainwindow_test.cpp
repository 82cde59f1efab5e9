// The main frame's load and unload, keyboard hook, title and placement, with fake engines. A
// test may run the browser several times over the same settings file.
#include "bars/bandcontainer.h"
#include "bars/browsetoolbar.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "base/startguard.h"
#include "dialogs/restoredocumentsdialog.h"
#include "fakes/testwindow.h"
#include "frame/featurewindows.h"
#include "frame/statusbar.h"
#include "frame/viewtoggles.h"
#include "support/modalanswers.h"

#include <QListWidget>
#include <QTabWidget>

using namespace kelvane;
using test::TestWindow;

namespace {

void store(const std::initializer_list<std::pair<const char*, const char*>>& keys) {
    for (const auto& [key, value] : keys)
        Settings::writeText(key, value);
    SettingsStore::sync();
}

void typeAddress(TestWindow& run, const QString& text) {
    QComboBox* box = run.window.addressPanel()->addressBox();
    box->setFocus();
    box->lineEdit()->clear();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

struct MainWindowTest : ::testing::Test {
    test::IsolatedHome home;
};

TEST_F(MainWindowTest, WhatTheUserChangedComesBack) {
    QList<ToolbarLayout::Entry> customised = BrowseToolbar::designLayout();
    customised.move(4, 0); // Stop first
    customised[1].visible = false;
    {
        TestWindow run;
        MainWindow& w = run.window;
        ASSERT_TRUE(run.activate());
        for (const char* text : {"a", "a", "b", "a"})
            typeAddress(run, text);
        w.setWindowState(Qt::WindowNoState);
        w.setGeometry(30, 40, 700, 500);
        w.navigator()->hide();
        w.menus().statusBar->trigger();
        w.menus().sitesToolbar->trigger();        // hidden at first
        w.menus().barsMenuItems.at(3)->trigger(); // the tabs bar, from the bars' menu
        w.bars().container()->band(2)->setNewRow(false);
        ASSERT_TRUE(w.bars().browseToolbar()->applyLayout(customised));
    }
    {
        TestWindow again("a");
        MainWindow& w = again.window;
        EXPECT_EQ(w.addressPanel()->items(), (QStringList{"a", "b", "a", "http://one/"}))
            << "the same list; opening its top address adds nothing";
        EXPECT_EQ(w.geometry(), QRect(30, 40, 700, 500));
        EXPECT_FALSE(w.navigator()->isVisible() || w.menus().navigator->isChecked());
        EXPECT_FALSE(w.statusBar()->isVisible());
        EXPECT_TRUE(w.bars().viewToggles()->isVisible(2) &&
                    w.menus().barsMenuItems.at(1)->isChecked());
        EXPECT_FALSE(w.bars().viewToggles()->isVisible(4) || w.menus().tabsBar->isChecked());
        EXPECT_FALSE(w.bars().container()->band(2)->newRow());
        EXPECT_EQ(w.bars().browseToolbar()->currentLayout(), customised);
        appSettings().cleanOnExit = true; // as the Options dialog sets it
        again.window.close();
        EXPECT_EQ(again.engines.cleanHistoryCount(), 1);
    }
    EXPECT_EQ(test::IsolatedHome::stored("HistoryCount"), "0");
    EXPECT_EQ(test::IsolatedHome::stored("QSearchSearchListCount"), "0");
}

TEST_F(MainWindowTest, SavedDocumentsAndAnAddressTypedWithNoDocument) {
    store({{"SaveAllOnExit", "True"}, {"DocumentCount", "1"}, {"Home1", "http://home/"}});
    {
        TestWindow first{QString()};
        EXPECT_EQ(first.engine(1)->navigated(), QStringList{"http://home/"}) << "one missing";
        first.closeAll();
    }
    TestWindow run{QString()};
    EXPECT_EQ(run.area().count(), 0) << "no saved documents: nothing opens";
    for (QAction* command : run.window.menus().documentCommands() +
                                QList{run.window.bars().browseToolbar()->button(2)})
        EXPECT_FALSE(command->isEnabled()) << command->text();
    ASSERT_TRUE(run.activate());
    typeAddress(run, " typed text ");
    EXPECT_EQ(run.engine(1)->navigated(), QStringList{" typed text "}) << "passed as typed";
    EXPECT_EQ(run.window.addressPanel()->items().count(" typed text "), 1);
}

// The start guard says two starts with these documents never closed: the user chooses.
TEST_F(MainWindowTest, AfterUncleanStartsTheUserChoosesTheSavedDocuments) {
    const QStringList saved = {"http://a/", "http://b/", "http://c/"};
    const std::pair<QList<int>, QStringList> cases[] = {
        {{Qt::Key_Return}, saved},
        {{Qt::Key_Down, Qt::Key_Space, Qt::Key_Return}, {"http://a/", "http://c/"}},
        {{Qt::Key_Escape}, {}},
    };
    for (const auto& [keys, chosen] : cases) {
        for (int i = 0; i < saved.size(); ++i)
            Settings::writeText(QString("Document%1").arg(i + 1), saved[i]);
        store({{"SaveAllOnExit", "True"}, {"DocumentCount", "3"}});
        for (int i = 0; i < StartGuard::kUncleanStartsBeforeAsking; ++i)
            StartGuard().beginRestore(saved);
        test::ModalAnswers answers({[&](QWidget* dialog) {
            for (const int key : keys)
                QTest::keyClick(static_cast<RestoreDocumentsDialog*>(dialog)->list(), Qt::Key(key));
        }});
        {
            TestWindow run{QString()};
            EXPECT_EQ(answers.seen(), QStringList{"Open Saved Documents"});
            QStringList opened, loaded;
            for (int i = 1; i <= run.area().count(); ++i)
                opened << run.set().address(i), loaded << run.engine(i)->navigated();
            EXPECT_EQ(opened, chosen);
            EXPECT_EQ(loaded, chosen.mid(chosen.size() - 1)) << "the active one loads";
        }
        EXPECT_FALSE(QFile::exists(StartGuard::defaultPath())) << "a clean close clears it";
    }
}

TEST_F(MainWindowTest, KeyboardHookDecidesWhatReachesThePage) {
    TestWindow run;
    ASSERT_TRUE(run.activate());
    const auto press = [&](int doc, Qt::Key key, Qt::KeyboardModifiers mods, bool repeat = false) {
        run.engine(doc)->widget()->setFocus();
        QKeyEvent event(QEvent::KeyPress, key, mods, QString(), repeat);
        QCoreApplication::sendEvent(QApplication::focusWidget(), &event);
    };
    press(1, Qt::Key_Tab, Qt::ControlModifier);
    press(1, Qt::Key_X, Qt::ControlModifier);
    press(1, Qt::Key_N, Qt::ControlModifier, true);
    EXPECT_EQ(run.area().count(), 1) << "no tab to switch to; a held Ctrl+N opens nothing";
    press(1, Qt::Key_Escape, {});
    EXPECT_EQ(run.engine(1)->calls().filter("stop").size(), 1);
    press(1, Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(run.window.addressPanel()->addressBox()->hasFocus());
    press(1, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(run.area().count(), 2);
    EXPECT_EQ(run.engine(1)->calls().filter("key"),
              (QStringList{"key 88", "key 78", "key 16777216"}))
        << "Esc and unknown keys reach the page once; Alt+D, Ctrl+N and Ctrl+Tab do not";
    run.open("http://three/");
    press(3, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(run.area().activeDocument(), run.doc(1)) << "after the last, the first";
    press(1, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(run.area().activeDocument(), run.doc(3)) << "before the first, the last";
    test::ModalAnswers answers({[&](QWidget* options) {
        QApplication::setActiveWindow(options);
        auto* pages = options->findChild<QTabWidget*>();
        pages->currentWidget()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(pages->currentIndex(), 1) << "its next page";
    }});
    run.window.featureWindows().showOptions();
    EXPECT_EQ(run.area().activeDocument(), run.doc(3)) << "a dialog keeps its keys";
    EXPECT_EQ(run.area().count(), 3);
}

TEST_F(MainWindowTest, TitleNamesTheActiveMaximizedDocumentOnce) {
    TestWindow run;
    run.open("http://two/");
    run.engine(1)->fireTitle("Page A");
    run.engine(2)->fireTitle("Page B");
    for (const QString page : {"Page B", "Page A"}) {
        const QString title = "Kelvane v1.50 - [" + page + "]";
        EXPECT_TRUE(test::waitUntil([&] { return run.window.windowTitle() == title; }, 2000))
            << run.window.windowTitle();
        run.doc(1)->bringToFront();
    }
    run.doc(1)->parentWidget()->showNormal();
    EXPECT_TRUE(test::waitUntil([&] { return run.window.windowTitle() == "Kelvane v1.50"; }, 2000))
        << "not maximized: no page in the title; " << run.window.windowTitle();
}

TEST_F(MainWindowTest, PlacementIsWrittenBackAsReadAndMinimizedIsNotMaximized) {
    const QStringList keys = {"MainLeft",      "MainTop",      "MainWidth",      "MainHeight",
                              "NavigatorLeft", "NavigatorTop", "NavigatorWidth", "NavigatorHeight"};
    const QStringList twips = {"1234.5", "1000", "9001", "7007", "611", "1802", "5407", "4999"};
    for (int i = 0; i < keys.size(); ++i)
        Settings::writeText(keys[i], twips[i]);
    store({{"MainMaximized", "False"}, {"NavigatorVisible", "true"}, {"StatusBarVisible", "true"}});
    for (bool minimize : {false, true}) {
        {
            TestWindow run;
            EXPECT_FALSE(run.window.isMaximized());
            EXPECT_FALSE(run.window.navigator()->isVisible()) << "only \"True\" shows it";
            EXPECT_TRUE(run.window.statusBar()->isVisible()) << "a flag in any case";
            if (minimize)
                run.window.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
        }
        for (int i = 0; i < keys.size(); ++i)
            EXPECT_EQ(test::IsolatedHome::stored(keys[i]), twips[i]) << minimize;
        EXPECT_EQ(test::IsolatedHome::stored("MainMaximized"), "False") << minimize;
    }
}

TEST_F(MainWindowTest, RunningDownloadsFillTheStatusTextAndAskBeforeAnOrdinaryCloseOnly) {
    TestWindow run;
    appSettings().downloadAskWhere = false;
    appSettings().downloadFolder = home.root();
    test::FakeDownload download("http://h/f", "f.bin");
    run.engines.services().fireDownload(&download);
    test::writeFile(download.path(), "part");
    download.setProgress(1, 4);
    const StatusBar* status = run.window.statusBarPanels();
    EXPECT_EQ(status->statusText(), "Downloads running: 1 (25%)");
    run.active()->fireStatusText("http://link/");
    EXPECT_EQ(status->statusText(), "http://link/") << "the page's own text first";
    run.active()->fireStatusText("");
    EXPECT_EQ(status->statusText(), "Downloads running: 1 (25%)");
    {
        test::ModalAnswers keepOpen;
        run.window.close();
        EXPECT_EQ(keepOpen.seen().size(), 1);
    }
    EXPECT_FALSE(run.window.isUnloaded());
    test::ModalAnswers none;
    run.window.closeOnSignal();
    EXPECT_TRUE(none.seen().isEmpty() && run.window.isUnloaded());
    EXPECT_EQ(download.calls().last(), "cancel");
    EXPECT_FALSE(QFile::exists(download.path()));
}

} // namespace
