// The main window with the real engine against pages served on 127.0.0.1.
#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "documents/tabbar.h"
#include "frame/mainwindow.h"
#include "navigator/navigatorwindow.h"
#include "platform/engine/engine.h"
#include "platform/engine/webengine.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QTreeView>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace kelvane;
using test::TestHttpServer;
using test::waitUntil;

namespace {

class Browser : public ::testing::Test {
protected:
    Browser() {
        server.addPage(
            QStringLiteral("/a"),
            test::htmlPage(
                QStringLiteral("Page A"),
                QStringLiteral("<a id='blank' href='/c' target='_blank'>C</a>"
                               "<button id='close' onclick='window.close()'>x</button>")));
        server.addPage(QStringLiteral("/c"), test::htmlPage(QStringLiteral("Page C")));
        appSettings() = AppSettings();
        window.load(server.url(QStringLiteral("/a")));
        window.show();
    }
    ~Browser() override { window.close(); }

    DocumentArea& area() { return window.documentArea(); }
    DocumentSet& set() { return area().documents(); }
    bool completed(int i) { return set().status(i) == QLatin1String("Completed"); }
    void click(int doc, const char* id) {
        auto* browser = qobject_cast<WebEngine*>(area().document(doc)->engine());
        ASSERT_NE(browser, nullptr);
        browser->page()->runJavaScript(
            QStringLiteral("document.getElementById('%1').click()").arg(QLatin1String(id)));
    }

    test::IsolatedHome home;
    TestHttpServer server;
    WebEngineFactory engines;
    MainWindow window{engines, nullptr};
};

} // namespace

TEST_F(Browser, PageTitleReachesTabCaptionAndNavigator) {
    ASSERT_TRUE(waitUntil([&] { return completed(1); }));
    ASSERT_TRUE(waitUntil([&] { return set().tabCaption(1) == QLatin1String("Page A"); }));
    EXPECT_EQ(window.tabBar()->tabText(0), QStringLiteral("Page A"));
    EXPECT_EQ(area().document(1)->windowTitle(), QStringLiteral("Page A"));
    const QModelIndex row = window.navigator()->list()->model()->index(0, 0);
    EXPECT_EQ(row.data().toString(), QStringLiteral("Page A"));
    EXPECT_EQ(set().tabIcon(1), 8);
    EXPECT_EQ(area().document(1)->engine()->url(), server.url(QStringLiteral("/a")));
}

TEST_F(Browser, BlankTargetBecomesANewDocument) {
    ASSERT_TRUE(waitUntil([&] { return completed(1); }));
    click(1, "blank");
    ASSERT_TRUE(waitUntil([&] { return set().count() == 2 && completed(2); }));
    EXPECT_TRUE(waitUntil([&] { return set().rowText(2) == QLatin1String("Page C"); }));
    EXPECT_EQ(window.tabBar()->count(), 2);
    EXPECT_EQ(area().document(2)->engine()->url(), server.url(QStringLiteral("/c")));
}

TEST_F(Browser, PageThatClosesItselfClosesItsDocument) {
    window.openInNewDocument(server.url(QStringLiteral("/a")));
    ASSERT_TRUE(waitUntil([&] { return completed(1) && completed(2); }));
    click(2, "close");
    ASSERT_TRUE(waitUntil([&] { return set().count() == 1; }));
    EXPECT_EQ(window.tabBar()->count(), 1);
    EXPECT_EQ(appSettings().OpenDocCount, 1);
}
