// The browsing commands through the main window's menus and buttons, with fake engines.
#include "bars/browsetoolbar.h"
#include "fakes/testwindow.h"
#include "frame/commands.h"
#include "support/modalanswers.h"

#include <QDialog>
#include <QMenu>

using namespace kelvane;

namespace {

struct CommandsTest : test::WindowTest {
    CommandsTest() {
        AppSettings& app = appSettings();
        // clang-format off
        for (auto [field, address] : {std::pair{&app.home1, "http://home1/"},
             {&app.home2, "http://home2/"}, {&app.search, "http://s/"},
             {&app.mail, "http://mail/"}, {&app.news, "http://news/"}})
            *field = address;
        // clang-format on
        frame.engine(1)->clearCalls();
    }
    int count() { return frame.area().count(); }

    const MainMenus& menus = frame.window.menus();
    CommandSet& commands = frame.window.commands();
};

TEST_F(CommandsTest, SiteCommandsWithAndWithoutADocument) {
    // Home goes there in the active document or opens one; Mail, Search and News open one
    // that then goes there again.
    // clang-format off
    const std::tuple<QAction*, const char*, int> cases[] = {
        {menus.home1, "http://home1/", 1}, {menus.home2, "http://home2/", 1},
        {menus.mail, "http://mail/", 2}, {menus.news, "http://news/", 2}};
    // clang-format on
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

} // namespace
