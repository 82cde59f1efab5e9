// The main window with the real engine against pages served on 127.0.0.1.
#include "bars/findbar.h"
#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "documents/tabbar.h"
#include "frame/mainwindow.h"
#include "navigator/navigatorwindow.h"
#include "platform/engine/webengine.h"
#include "platform/engine/webenginefactory.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace kelvane;
using test::waitUntil;

namespace {

class Browser : public ::testing::Test {
protected:
    Browser() {
        // Matches of "fox" in the middle of a word and of a line, in any case.
        server.addPage("/a",
                       test::htmlPage("Page A", "<a id='blank' href='/c' target='_blank'>C"
                                                "</a> The brownfoxes, a fox, a FOX."
                                                "<button id='close' onclick='window.close()'>x"));
        server.addPage("/c", test::htmlPage("Page c"));
        appSettings() = AppSettings();
        window.load(server.url("/a"));
        window.show();
    }
    ~Browser() override { window.close(); }

    DocumentSet& set() { return window.documentArea().documents(); }
    WebEngine* engine(int i) {
        return static_cast<WebEngine*>(window.documentArea().document(i)->engine());
    }
    bool at(int i, const char* path) {
        return set().status(i) == QLatin1String("Completed") &&
               engine(i)->url() == server.url(path);
    }
    void click(int doc, const char* id) {
        engine(doc)->page()->runJavaScript(
            QString("document.getElementById('%1').click()").arg(id));
    }
    bool counts(const char* text) {
        return waitUntil([&] { return window.findBar()->countText() == QLatin1String(text); });
    }

    test::IsolatedHome home;
    test::TestHttpServer server;
    WebEngineFactory engines;
    MainWindow window{engines, nullptr};
};

TEST_F(Browser, PagesReachTheirTabRowAndTitleOpenDocumentsAndCloseTheirOwn) {
    ASSERT_TRUE(waitUntil([&] { return at(1, "/a") && set().tabCaption(1) == "Page A"; }));
    EXPECT_EQ(window.tabBar()->tabText(0), QStringLiteral("Page A"));
    EXPECT_EQ(window.navigator()->list()->model()->index(0, 0).data().toString(), "Page A");
    EXPECT_EQ(set().tabIcon(1), 8);
    EXPECT_TRUE(waitUntil([&] { return window.windowTitle() == "Kelvane v1.50 - [Page A]"; }));
    click(1, "blank");
    ASSERT_TRUE(waitUntil([&] { return set().count() == 2 && at(2, "/c"); }));
    EXPECT_TRUE(waitUntil([&] { return set().rowText(2) == QLatin1String("Page c"); }));
    click(1, "close");
    ASSERT_TRUE(waitUntil([&] { return set().count() == 1; }));
    EXPECT_TRUE(at(1, "/c"));
}

TEST_F(Browser, FindCountsTheMatchesOfThePage) {
    ASSERT_TRUE(waitUntil([&] { return at(1, "/a"); }));
    QLineEdit* box = window.findBar()->textBox();
    window.findBar()->openBar();
    QTest::keyClicks(box, "fox");
    ASSERT_TRUE(counts("1 of 3")) << window.findBar()->countText().toStdString();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(counts("2 of 3"));
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(counts("1 of 3"));
    QTest::keyClicks(box, "hound");
    EXPECT_TRUE(counts("No matches"));
}

} // namespace
