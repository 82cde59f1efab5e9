// The find bar and the browsing commands on the real engine, against pages on 127.0.0.1.
#include "bars/findbar.h"
#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "frame/commands.h"
#include "frame/mainwindow.h"
#include "platform/engine/webengine.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvane;
using test::TestHttpServer;
using test::waitUntil;

namespace {

class RealEngine : public ::testing::Test {
protected:
    RealEngine() {
        server.addPage(
            QStringLiteral("/fox"),
            test::htmlPage(QStringLiteral("Foxes"),
                           QStringLiteral("<p>The quick brown fox.</p><p>A fox again.</p>"
                                          "<p>Third FOX, and no other.</p>")));
        for (const char* name : {"/h1", "/h2", "/h3", "/h4"})
            server.addPage(QLatin1String(name), test::htmlPage(QLatin1String(name).mid(1)));
        appSettings() = AppSettings();
        window.load(server.url(QStringLiteral("/fox")));
        window.resize(800, 600);
        window.show();
    }
    ~RealEngine() override { window.close(); }

    DocumentArea& area() { return window.documentArea(); }
    WebEngine* browser(int i) {
        return qobject_cast<WebEngine*>(area().document(i)->engine());
    }
    bool completed(int i) { return area().documents().status(i) == QLatin1String("Completed"); }
    bool at(int i, const char* path) {
        return completed(i) && browser(i)->url() == server.url(QLatin1String(path));
    }

    test::IsolatedHome home;
    TestHttpServer server;
    WebEngineFactory engines;
    MainWindow window{engines, nullptr};
    FindBar& bar = *window.findBar();
    CommandSet& commands = window.commands();
};

} // namespace

TEST_F(RealEngine, FindReportsTheMatchesOfAPage) {
    ASSERT_TRUE(waitUntil([&] { return completed(1); }));
    bar.openBar();
    QTest::keyClicks(bar.textBox(), QStringLiteral("fox"));
    ASSERT_TRUE(waitUntil([&] { return bar.countText() == QLatin1String("1 of 3"); }))
        << bar.countText().toStdString();
    QTest::keyClick(bar.textBox(), Qt::Key_Return);
    EXPECT_TRUE(waitUntil([&] { return bar.countText() == QLatin1String("2 of 3"); }))
        << bar.countText().toStdString();
    QTest::keyClick(bar.textBox(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(waitUntil([&] { return bar.countText() == QLatin1String("1 of 3"); }))
        << bar.countText().toStdString();

    QTest::keyClicks(bar.textBox(), QStringLiteral("hound"));
    EXPECT_TRUE(waitUntil([&] { return bar.countText() == QLatin1String("No matches"); }))
        << bar.countText().toStdString();
    QTest::keyClick(bar.textBox(), Qt::Key_Escape);
    EXPECT_TRUE(bar.isHidden());
}

TEST_F(RealEngine, HistoryDropDownGoesStraightToTheEntry) {
    ASSERT_TRUE(waitUntil([&] { return completed(1); }));
    for (const char* path : {"/h1", "/h2", "/h3", "/h4"}) {
        browser(1)->navigate(server.url(QLatin1String(path)));
        ASSERT_TRUE(waitUntil([&] { return at(1, path); })) << path;
    }
    commands.showHistoryMenu(true, QPoint(20, 20));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 4);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("h3")) << "nearest first";
    EXPECT_EQ(menu->actions()[3]->text(), QStringLiteral("Foxes"));
    menu->actions()[2]->trigger();
    menu->close();
    EXPECT_TRUE(waitUntil([&] { return at(1, "/h1"); }));
}

TEST_F(RealEngine, HelpPageIsBuiltIn) {
    commands.openHelp();
    ASSERT_EQ(area().count(), 2);
    EXPECT_TRUE(waitUntil([&] { return browser(2)->title() == "Kelvane Help"; }))
        << browser(2)->title().toStdString();
}
