// The browsing commands through the main window's menus and buttons, documents that keep their
// history across a restart, and closed documents that come back, with fake engines.
#include "bars/browsetoolbar.h"
#include "base/downloadlist.h"
#include "base/sessionfile.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "fakes/testwindow.h"
#include "frame/commands.h"
#include "frame/featurewindows.h"
#include "frame/recentlyclosed.h"
#include "support/modalanswers.h"

#include <QMenu>
#include <QRegularExpression>

using namespace kelvane;
using test::TestWindow;

namespace {

struct CommandsTest : test::WindowTest {
    CommandsTest() {
        AppSettings& app = appSettings();
        app.home1 = "http://home1/", app.home2 = "http://home2/", app.search = "http://s/";
        app.mail = "http://mail/", app.news = "http://news/";
        frame.engine(1)->clearCalls();
    }
    int count() { return frame.area().count(); }

    const MainMenus& menus = frame.window.menus();
    CommandSet& commands = frame.window.commands();
};

TEST_F(CommandsTest, SiteCommandsWithAndWithoutADocument) {
    // Home goes there in the active document or opens one; Mail, Search and News open one
    // that then goes there again.
    const std::tuple<QAction*, const char*, int> cases[] = {{menus.home1, "http://home1/", 1},
                                                            {menus.home2, "http://home2/", 1},
                                                            {menus.mail, "http://mail/", 2},
                                                            {menus.news, "http://news/", 2}};
    for (const auto& [item, address, timesInNew] : cases) {
        frame.closeAll();
        item->trigger();
        ASSERT_EQ(count(), 1) << address;
        EXPECT_EQ(frame.engine(1)->navigated(), QStringList(timesInNew, address));
        frame.engine(1)->clearCalls();
        item->trigger();
        EXPECT_EQ(frame.engine(1)->navigated(), QStringList{address}) << "and only there";
    }
}

TEST_F(CommandsTest, ButtonsAndPageCommandsActOnTheActiveDocumentOnly) {
    frame.open("http://two/");
    frame.engine(2)->clearCalls();
    for (const char* key :
         {"Back", "Forward", "Refresh", "Stop", "Home", "", "Link", "Custom1", "Separator", "back"})
        commands.buttonClicked(key);
    frame.engine(2)->setZoomLevel(4);
    for (QAction* item :
         {menus.saveAs, menus.properties, menus.pageSetup, menus.printPreview, menus.selectAll,
          menus.source, menus.internetOptions, menus.increaseFont, menus.resetFont})
        item->trigger();
    EXPECT_EQ(
        frame.engine(2)->calls(),
        (QStringList{"goBack", "goForward", "reload bypassCache", "stop", "navigate http://home1/",
                     "zoom 4", "saveAs ", "properties", "pageSetup", "printPreview", "selectAll",
                     "viewSource", "internetOptions", "zoom 4", "zoom 3", "zoom 2"}))
        << "Increase stays at the largest size; Reset steps back to the medium one";
    EXPECT_TRUE(frame.engine(1)->calls().isEmpty());
    EXPECT_EQ(count(), 2);

    frame.engine(2)->clearCalls();
    {
        test::ModalAnswers accept(
            {[](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); }});
        menus.print->trigger();
    }
    test::ModalAnswers cancel;
    menus.print->trigger();
    EXPECT_EQ(frame.engine(2)->calls(), QStringList{"print"});
}

TEST_F(CommandsTest, KeysOfOtherBrowsersActBesideTheMenusOwnWhileThePageHasTheFocus) {
    frame.open("http://two/");
    ASSERT_TRUE(frame.activate());
    frame.engine(2)->setZoomLevel(2);
    frame.engine(2)->clearCalls();
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers mods) {
        frame.active()->widget()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key, mods);
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Left, alt},   {Qt::Key_F3, {}},      {Qt::Key_Right, alt}, {Qt::Key_Plus, ctrl},
        {Qt::Key_Equal, ctrl}, {Qt::Key_Minus, ctrl}, {Qt::Key_0, ctrl},    {Qt::Key_I, ctrl}};
    for (const auto& [key, mods] : keys)
        press(key, mods);
    // Only Ctrl and Alt themselves reach the page as keys.
    EXPECT_EQ(frame.engine(2)->calls().filter(
                  QRegularExpression("^(go|zoom|key (?!16777249$|16777251$))")),
              (QStringList{"goBack", "goBack", "goForward", "zoom 3", "zoom 4", "zoom 3", "zoom 2",
                           "zoom 3"}));
    press(Qt::Key_T, ctrl); // a new document on Home 1
    EXPECT_EQ(frame.active()->navigated(), QStringList{"http://home1/"});
    press(Qt::Key_F4, ctrl);
    press(Qt::Key_L, ctrl);
    EXPECT_TRUE(count() == 2 && frame.window.addressPanel()->addressBox()->hasFocus());
    press(Qt::Key_W, ctrl);
    EXPECT_EQ(frame.active()->navigated().value(0), "http://news/") << "still News";
}

TEST_F(CommandsTest, WithoutADocumentNothingHappens) {
    frame.closeAll();
    using Handler = void (CommandSet::*)();
    for (Handler handler : {&CommandSet::back, &CommandSet::forward, &CommandSet::stop,
                            &CommandSet::reload, &CommandSet::print, &CommandSet::increaseFont,
                            &CommandSet::resetFont, &CommandSet::showInternetOptions})
        (commands.*handler)();
    commands.showHistoryMenu(true, QPoint(10, 10));
    EXPECT_EQ(frame.engines.createdCount(), 1);
    menus.newCurrentPage->trigger();
    EXPECT_EQ(frame.active()->navigated(), QStringList{"http://home1/"}) << "no page: Home 1";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// The arrows of the Back and Forward buttons, nearest entry first.
TEST_F(CommandsTest, HistoryDropDownsListTheirSideAndGoStraightToTheEntry) {
    frame.menuCloser.stop();
    commands.showHistoryMenu(true, QPoint(20, 20));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "an empty list shows nothing";
    frame.engine(1)->setHistory({{"Fish & Chips", "http://b1/"}, {QString(), "http://b2/"}},
                                {{"Ahead", "http://f1/"}, {QString(500, 'w'), "http://f2/"}});
    QStringList texts;
    for (const QString button : {"Back", "Forward"}) {
        Q_EMIT frame.window.bars().browseToolbar()->dropDownRequested(button, QPoint(20, 20));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (const QAction* item : menu->actions())
            texts << item->text();
        if (button == "Forward")
            menu->actions().last()->trigger();
        menu->close();
    }
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts.first(3), (QStringList{"Fish && Chips", "http://b2/", "Ahead"}))
        << "no mnemonic; untitled: its address";
    EXPECT_LT(texts[3].size(), 200) << "a very long title is cut in the middle";
    EXPECT_EQ(frame.engine(1)->calls(), QStringList{"navigate http://f2/"}) << "no steps";
}

QStringList warnings;

// Document n is at page 3 of pages 1 to 4 of its site.
void giveHistory(test::FakeEngine* engine, int n) {
    const auto page = [n](int p) { return QStringLiteral("http://d%1/%2").arg(n).arg(p); };
    engine->setUrl(page(3));
    engine->setHistory({{"2", page(2)}, {"1", page(1)}}, {{"4", page(4)}});
    engine->fireTitle(QStringLiteral("Site %1").arg(n));
}

// The document's engine took the history of document n.
void expectHistoryOf(test::FakeEngine* engine, int n) {
    EXPECT_TRUE(engine->calls().contains(QStringLiteral("restoreHistory http://d%1/3").arg(n)));
    EXPECT_TRUE(engine->navigated().isEmpty());
    EXPECT_EQ(engine->historyEntry(true, 2).value_or(HistoryEntry()).url + ' ' +
                  engine->historyEntry(false, 1).value_or(HistoryEntry()).url,
              QStringLiteral("http://d%1/1 http://d%1/4").arg(n));
}

struct DocumentHistoryTest : ::testing::Test {
    test::IsolatedHome home;
};

TEST_F(DocumentHistoryTest, SavedDocumentsComeBackWithTheirHistoryOrAsBefore) {
    Settings::writeText("SaveAllOnExit", "True");
    SettingsStore::sync();
    {
        TestWindow first("http://d1/3");
        first.open("http://d2/3");
        first.open("http://d3/3");
        for (int n = 1; n <= 3; ++n)
            giveHistory(first.engine(n), n);
    }
    EXPECT_EQ(test::IsolatedHome::stored("Document2"), "http://d2/3") << "the keys as ever";
    {
        TestWindow again{QString()};
        ASSERT_EQ(again.area().count(), 3);
        again.wakeAll();
        for (int n = 1; n <= 3; ++n)
            expectHistoryOf(again.engine(n), n);
        EXPECT_EQ(again.set().rowText(2), "Site 2");
    }
    // An older version changed the list since: only addresses that still match take history.
    Settings::writeText("Document2", "http://older/");
    SettingsStore::sync();
    {
        TestWindow older{QString()};
        older.wakeAll();
        expectHistoryOf(older.engine(3), 3);
        EXPECT_EQ(older.engine(2)->navigated(), QStringList{"http://older/"});
        older.engine(2)->setUrl("http://older/");
    }
    QByteArray damaged = test::readFile(SessionFile::defaultPath());
    damaged[damaged.size() / 2] = damaged[damaged.size() / 2] ^ 0x20;
    ASSERT_TRUE(test::writeFile(SessionFile::defaultPath(), damaged));
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    {
        TestWindow after{QString()};
        qInstallMessageHandler(previous);
        after.wakeAll();
        const char* addresses[] = {"http://d1/3", "http://older/", "http://d3/3"};
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(after.engine(n)->navigated(), QStringList{addresses[n - 1]}) << "as before";
        EXPECT_EQ(warnings.filter("session file").size(), 1) << warnings.join('\n').toStdString();
        giveHistory(after.engine(3), 3);
        appSettings().cleanOnExit = true;
    }
    EXPECT_EQ(TestWindow(QString()).engine(3)->navigated(), QStringList{"http://d3/3"})
        << "cleaning at exit keeps no history";
}

TEST_F(DocumentHistoryTest, ClosedDocumentsComeBackNewestFirstWithTheirHistory) {
    TestWindow run("http://d1/3");
    run.open("http://d2/3");
    run.open("http://d3/3");
    run.open("http://stays/");
    for (int n = 1; n <= 3; ++n)
        giveHistory(run.engine(n), n);
    for (int n = 1; n <= 3; ++n)
        run.doc(1)->closeDocument();
    QMenu* menu = run.window.menus().recentlyClosedMenu;
    Q_EMIT menu->aboutToShow();
    QStringList items;
    for (const QAction* action : menu->actions())
        items << action->text();
    EXPECT_EQ(items, (QStringList{"&Reopen Closed Document", "", "Site 3", "Site 2", "Site 1"}));
    ASSERT_TRUE(run.activate());
    for (const int n : {3, 2, 1}) {
        QTest::keyClick(&run.window, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        expectHistoryOf(run.active(), n);
    }
    EXPECT_FALSE(run.window.menus().reopenClosed->isEnabled());
    EXPECT_EQ(run.area().count(), 4);
    for (int i = 1; i <= RecentlyClosed::kLimit + 1; ++i) {
        run.open(QStringLiteral("http://n%1/").arg(i));
        run.active()->setUrl(QStringLiteral("http://n%1/").arg(i));
        run.area().activeDocument()->closeDocument();
    }
    const QList<SavedPage>& pages = run.window.recentlyClosed()->pages();
    ASSERT_EQ(pages.size(), RecentlyClosed::kLimit);
    EXPECT_EQ(pages.first().url, "http://n21/");
    EXPECT_EQ(pages.last().url, "http://n2/");
    // Options' "Clean Now" empties it, and the list of earlier downloads.
    DownloadRecord download;
    download.url = "http://d/f", download.path = "/tmp/f";
    ASSERT_TRUE(writeDownloadList({download}, downloadListPath()));
    const int open = run.area().count();
    Q_EMIT run.window.featureWindows().cleanHistoryRequested();
    QTest::keyClick(&run.window, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(run.area().count(), open);
    EXPECT_TRUE(pages.isEmpty() && !run.window.menus().reopenClosed->isEnabled());
    EXPECT_TRUE(readDownloadList(downloadListPath()).isEmpty());
}

} // namespace
