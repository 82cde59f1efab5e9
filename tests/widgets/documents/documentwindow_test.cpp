// A document window's row, tab, status and address as its engine reports, and switching,
// closing and shrinking documents through their tabs, in the main window.
#include "bars/bandcontainer.h"
#include "fakes/testwindow.h"
#include "frame/statusbar.h"
#include "quicksearch/searchaddress.h"
#include "ui/pictures.h"

#include <QLabel>
#include <QStatusBar>

using namespace kelvane;

namespace {

struct DocumentWindowTest : test::WindowTest {
    // The tab of docIndex shows the picture of state.
    bool shows(int docIndex, int state) {
        return tabs->tabIcon(docIndex - 1).cacheKey() == tabPicture(state).cacheKey();
    }
    QTimer* flashTimer(int docIndex) {
        return frame.doc(docIndex)->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
    }

    TabBar* tabs = frame.window.tabBar();
    QSignalSpy percent{&frame.area(), &DocumentArea::progressPercent};
};

TEST_F(DocumentWindowTest, EachLoadStateShowsItsPicture) {
    // clang-format off
    const struct { int progress, max; const char* status; int picture; } steps[] = {
        {0, 100, "0%", 0}, {24, 100, "24%", 0}, {25, 100, "25%", 2}, {50, 100, "50%", 4},
        {99, 100, "99%", 6}, {100, 100, "100%", 6}, {20, 10, "100%", 6}, {-1, 10000, "100%", 6},
        {0, 0, "Completed", 8}};
    // clang-format on
    frame.open("http://two/");
    frame.area().tabDoubleClicked(2); // shrunk: the odd picture of each state
    for (const auto& s : steps) {
        for (int doc : {1, 2})
            frame.engine(doc)->fireProgress(s.progress, s.max);
        EXPECT_EQ(frame.set().status(1), QLatin1String(s.status)) << s.progress;
        EXPECT_TRUE(shows(1, s.picture) && shows(2, s.picture + 1)) << s.progress;
        EXPECT_EQ(frame.doc(2)->isLoading(), s.max != 0) << s.progress;
    }
    // Only the active document publishes its percentage: up to 100, then 0 at the end.
    EXPECT_EQ(percent.at(percent.size() - 2).at(0).toInt(), 100);
    EXPECT_EQ(percent.last().at(0).toInt(), 0);
    EXPECT_FALSE(flashTimer(2)->isActive()) << "the active document does not flash";

    // A background load flashes its tab for eight ticks, on the loaded picture at the end.
    QList<int> seen;
    while (flashTimer(1)->isActive() && seen.size() < 20) {
        test::tick(flashTimer(1));
        seen << frame.set().tabIcon(1);
        EXPECT_TRUE(shows(1, seen.last()));
    }
    EXPECT_EQ(seen, (QList<int>{10, 8, 10, 8, 10, 8, 10, 8}));
    frame.engine(1)->fireProgress(0, 0);
    frame.doc(1)->bringToFront();
    test::tick(flashTimer(1));
    EXPECT_TRUE(shows(1, 8)) << "activation ends the flash at the next tick, on the loaded one";
    EXPECT_FALSE(flashTimer(1)->isActive());
    // The loaded picture is a white sheet; the flash's glows.
    const auto sheet = [](int state) {
        return tabPicture(state).pixmap(16).toImage().pixel(4, 13);
    };
    EXPECT_TRUE(sheet(8) == qRgb(255, 255, 255) && sheet(10) != sheet(8));
}

TEST_F(DocumentWindowTest, OnlyTheActiveDocumentTalksToTheBars) {
    QLabel* status = frame.window.statusBar()->findChild<QLabel*>();
    frame.engine(1)->fireSecurity(PageSecurity::NotSecure);
    frame.open("http://two/");
    frame.engine(2)->fireStatusText("hovering two");
    frame.engine(1)->fireStatusText("hovering one");
    EXPECT_EQ(status->text(), QStringLiteral("hovering two"));
    percent.clear();
    frame.engine(1)->fireProgress(30, 100);
    EXPECT_TRUE(percent.isEmpty()) << "a background load does not publish";
    frame.engine(1)->setUrl("http://one/now");
    frame.doc(1)->bringToFront();
    EXPECT_EQ(status->text(), QString()) << "activation clears the status text";
    EXPECT_EQ(percent.last().at(0).toInt(), 30);
    EXPECT_EQ(frame.window.statusBarPanels()->security(), PageSecurity::NotSecure);
    EXPECT_EQ(frame.window.addressPanel()->addressBox()->currentText(), "http://one/now");
}

// With the blocker on, both kinds of kill are listed; only a popup's flashes the panel.
// Off, it lets everything through.
TEST_F(DocumentWindowTest, BlockerKillsLoadingPagesPopupsAndWindowsSentToBlockedSites) {
    appSettings().popUpEnabled = false;
    appSettings().blockedSites = {"ads"};
    const StatusBar* bar = frame.window.statusBarPanels();
    frame.engine(1)->setUrl("http://one/");
    EXPECT_TRUE(frame.engine(1)->fireNavigation("http://frame/", false)) << "a frame's own";
    ASSERT_FALSE(frame.engine(1)->fireNewWindow("http://x/ADS/").cancel);
    EXPECT_FALSE(frame.engine(2)->fireNavigation("http://x/ADS/"));
    ASSERT_TRUE(test::waitUntil([&] { return frame.area().count() == 1; }));
    EXPECT_FALSE(bar->flashTimer()->isActive());
    frame.engine(1)->fireProgress(10, 100);
    EXPECT_TRUE(frame.engine(1)->fireNewWindow("http://pop/").cancel &&
                bar->flashTimer()->isActive());
    const QList<KilledPopup>& killed = bar->killedPopups().recent();
    ASSERT_EQ(killed.size(), 2);
    EXPECT_TRUE(killed[1].blockedSite && killed[1].address == "http://x/ADS/" &&
                killed[1].requestingPage == "http://one/" && !killed[0].blockedSite);
    appSettings().popUpEnabled = true; // off: nothing killed, the list not consulted
    EXPECT_FALSE(frame.engine(1)->fireNewWindow("http://x/ADS/").cancel);
    EXPECT_TRUE(frame.engine(2)->fireNavigation("http://x/ADS/"));
}

TEST_F(DocumentWindowTest, TitlesNearTheLimitAndTheAddressWhileTheUserTypes) {
    const QString fifty(50, 'x');
    frame.engine(1)->fireTitle(fifty);
    EXPECT_EQ(tabs->tabText(0), fifty);
    frame.engine(1)->fireTitle(fifty + 'y');
    EXPECT_EQ(tabs->tabText(0), fifty + "...");
    EXPECT_EQ(tabs->tabToolTip(0), fifty + 'y');
    EXPECT_EQ(frame.set().rowText(1), fifty + 'y');

    QComboBox* box = frame.window.addressPanel()->addressBox();
    ASSERT_TRUE(frame.activate());
    box->setFocus();
    QTest::keyClicks(box, "typing");
    frame.engine(1)->setUrl("http://one/loaded");
    frame.engine(1)->fireProgress(0, 0);
    EXPECT_EQ(box->currentText(), QStringLiteral("typing"));
    // Enter ends the typing: the box follows the page (redirected) though it keeps the focus,
    // and shows the page's address when the focus leaves it unchanged.
    QTest::keyClick(box, Qt::Key_Return);
    frame.engine(1)->setUrl("http://one/redirected");
    frame.engine(1)->fireProgress(0, 0);
    EXPECT_EQ(box->currentText(), QStringLiteral("http://one/redirected"));
    QTest::keyClicks(box, "mailto:");
    QTest::keyClick(box, Qt::Key_Return); // a navigation that loads nothing
    frame.engine(1)->widget()->setFocus();
    EXPECT_EQ(box->currentText(), QStringLiteral("http://one/redirected"));
    frame.closeAll();
    EXPECT_EQ(box->currentText(), QString()) << "no document, no address";
}

struct DocumentAreaTest : test::WindowTest {
    DocumentAreaTest() {
        frame.open("http://two/");
        frame.open("http://three/");
        for (int i = 1; i <= 3; ++i) {
            frame.engine(i)->fireTitle(QStringLiteral("Title %1").arg(i));
            frame.engine(i)->fireProgress(0, 0);
        }
    }
    void click(int tab, Qt::MouseButton button) {
        QTest::mouseClick(tabs, button, {}, tabs->tabRect(tab - 1).center());
    }

    TabBar* tabs = frame.window.tabBar();
    QSignalSpy barsMenu{frame.window.bars().container(), &BandContainer::contextMenuRequested};
};

TEST_F(DocumentAreaTest, LeftClickActivatesOtherClicksCloseAndOpenNoMenu) {
    click(1, Qt::LeftButton);
    EXPECT_TRUE(frame.area().activeDocument() == frame.doc(1) && tabs->currentIndex() == 0);
    click(2, Qt::RightButton);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Title 3"));
    click(1, Qt::MiddleButton);
    EXPECT_EQ(frame.set().count(), 1);
    EXPECT_EQ(barsMenu.count() + frame.menusShown, 0);
}

TEST_F(DocumentAreaTest, ALinkDroppedOnTheTabsOpensInANewDocument) {
    QMimeData link;
    link.setUrls({QUrl("http://dropped/")});
    test::drop(tabs, link);
    EXPECT_EQ(frame.set().count(), 4);
    EXPECT_EQ(frame.active()->navigated(), QStringList{"http://dropped/"});
}

TEST_F(DocumentAreaTest, ShrinkCommandsAndReset) {
    frame.area().shrinkAllTabsButActive();
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Tit"));
    EXPECT_EQ(frame.set().tabIcon(1), 9);
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Title 3")) << "the selected tab stays as it is";
    frame.area().tabDoubleClicked(3);
    frame.area().shrinkAllTabsButActive();
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Tit")) << "a shrunk active tab stays shrunk";
    frame.area().resetAllTabs();
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(frame.set().tabIcon(i), 8) << i;
        EXPECT_EQ(tabs->tabText(i - 1), QStringLiteral("Title %1").arg(i));
    }
}

TEST_F(DocumentAreaTest, ClosingRenumbersLaterDocumentsFirstAndTheLastDisablesCommands) {
    DocumentWindow* third = frame.doc(3);
    int whileRemoving = 0;
    const QMetaObject::Connection watch =
        QObject::connect(&frame.set(), &QAbstractItemModel::rowsAboutToBeRemoved,
                         [&] { whileRemoving = third->docIndex(); });
    frame.doc(2)->closeDocument();
    QObject::disconnect(watch);
    EXPECT_EQ(whileRemoving, 2);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Title 3"));

    frame.closeAll();
    for (QAction* action : frame.window.menus().documentCommands())
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    frame.window.menus().newWindow->trigger();
    EXPECT_EQ(frame.engine(1)->navigated(), QStringList{QString()}) << "an empty document 1";
    for (QAction* action : frame.window.menus().documentCommands())
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
}

TEST_F(DocumentAreaTest, OnlyALocalFileEndingInDotUrlIsReadAsAShortcut) {
    const QString link = home.root() + "/News.URL";
    ASSERT_TRUE(test::writeFile(link, "[InternetShortcut]\r\nURL=http://news/\r\n"));
    for (const QString& address :
         {searchAddress(0, "what is a .url"), QString("http://h/?q=x.url"), QString("h/x.url"),
          link, QUrl::fromLocalFile(link).toString()}) {
        frame.open(address);
        EXPECT_EQ(frame.active()->navigated().value(0),
                  address.contains("News") ? "http://news/" : address);
    }
}

TEST_F(DocumentAreaTest, ANewDocumentBesideArrangedOnesIsLargeEnoughToRead) {
    frame.area().tileVertically();
    frame.open("http://four/");
    const QWidget* window = frame.doc(4)->parentWidget();
    const QSize size = window->size(), area = window->parentWidget()->size();
    EXPECT_TRUE(size.width() > area.width() / 2 && size.height() > area.height() / 2)
        << size.width();
}

} // namespace
