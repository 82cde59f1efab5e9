// The document windows, their tabs and rows, driven through the main window with a fake engine.
#include "bars/addresspanel.h"
#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "documents/tabbar.h"
#include "fakes/fakeengine.h"
#include "frame/mainwindow.h"
#include "frame/menus.h"
#include "support/isolation.h"
#include "ui/tabicons.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kelvane;
using kelvane::test::FakeEngineFactory;
using kelvane::test::FakeEngine;

namespace {

class Documents : public ::testing::Test {
protected:
    Documents() {
        appSettings() = AppSettings();
        window.load(QStringLiteral("http://one/"));
        window.show();
    }
    ~Documents() override { window.close(); }

    DocumentArea& area() { return window.documentArea(); }
    DocumentSet& set() { return area().documents(); }
    DocumentWindow* doc(int i) { return area().document(i); }
    FakeEngine* engine(int i) { return static_cast<FakeEngine*>(doc(i)->engine()); }
    QString status(int i) { return set().status(i); }
    int icon(int i) { return set().tabIcon(i); }
    QString panel1() {
        return window.statusBar()->findChild<QLabel*>(QStringLiteral("Item1"))->text();
    }
    QString progressTag() { return window.statusBar()->property("Tag").toString(); }
    void open(const QString& url) { window.openInNewDocument(url); }
    // Two more documents: the last one opened is active.
    void openThree() {
        open(QStringLiteral("http://two/"));
        open(QStringLiteral("http://three/"));
    }

    test::IsolatedHome home;
    FakeEngineFactory engines;
    MainWindow window{engines, nullptr};
};

} // namespace

TEST_F(Documents, LoadNewDocGivesRowTabAndNavigation) {
    ASSERT_EQ(set().count(), 1);
    EXPECT_EQ(engine(1)->navigated(), QStringList{QStringLiteral("http://one/")});
    EXPECT_TRUE(engine(1)->isRegisteredAsBrowser());
    EXPECT_EQ(set().rowText(1), QStringLiteral("http://one/"));
    EXPECT_EQ(icon(1), 0);
    EXPECT_EQ(area().activeDocument(), doc(1));
    EXPECT_EQ(window.tabBar()->currentIndex(), 0);
    EXPECT_EQ(appSettings().OpenDocCount, 1);
    EXPECT_TRUE(window.menus().action(QStringLiteral("mnuFileClose"))->isEnabled());
}

TEST_F(Documents, ProgressPercentagesAndIcons) {
    FakeEngine* e = engine(1);
    struct {
        int progress, max;
        QString status;
        int icon;
    } steps[] = {{0, 100, QStringLiteral("0%"), 0},     {24, 100, QStringLiteral("24%"), 0},
                 {25, 100, QStringLiteral("25%"), 2},   {50, 100, QStringLiteral("50%"), 4},
                 {99, 100, QStringLiteral("99%"), 6},   {100, 100, QStringLiteral("100%"), 6},
                 {-1, 10000, QStringLiteral("100%"), 6}};
    for (const auto& s : steps) {
        e->fireProgress(s.progress, s.max);
        EXPECT_EQ(status(1), s.status) << s.progress;
        EXPECT_EQ(icon(1), s.icon) << s.progress;
        EXPECT_EQ(progressTag(), s.status.chopped(1)) << "the active document publishes it";
    }
    e->fireProgress(50, 100);
    e->fireProgress(20, 10);
    EXPECT_EQ(status(1), QStringLiteral("50%")) << "20 of 10 changes nothing";
    EXPECT_TRUE(doc(1)->IsLoading);

    e->setLocationURL(QStringLiteral("http://one/end"));
    e->fireProgress(0, 0);
    EXPECT_EQ(status(1), QStringLiteral("Completed"));
    EXPECT_EQ(icon(1), 8);
    EXPECT_EQ(window.tabBar()->tabIcon(0).cacheKey(), kelvane::tabIcon(8).cacheKey())
        << "the tab shows the picture of its state";
    EXPECT_EQ(progressTag(), QStringLiteral("0"));
    EXPECT_FALSE(doc(1)->IsLoading);
    EXPECT_EQ(window.addressPanel()->addressBox()->currentText(), QStringLiteral("http://one/end"));
    EXPECT_FALSE(doc(1)->Highlight()->isActive()) << "an active document does not flash";
}

TEST_F(Documents, ShrunkTabsLoadWithOddIcons) {
    area().tabDoubleClicked(1);
    EXPECT_TRUE(set().isShrunk(1));
    engine(1)->fireProgress(60, 100);
    EXPECT_EQ(icon(1), 5);
    engine(1)->fireProgress(0, 0);
    EXPECT_EQ(icon(1), 9);
}

TEST_F(Documents, BackgroundLoadFlashesForEightTicks) {
    open(QStringLiteral("http://two/"));
    ASSERT_EQ(area().activeDocument(), doc(2));
    engine(1)->fireProgress(0, 0);
    EXPECT_EQ(icon(1), 8);
    ASSERT_TRUE(doc(1)->Highlight()->isActive());
    QList<int> seen;
    for (int tick = 0; tick < 8; ++tick) {
        doc(1)->Highlight_Timer();
        seen << icon(1);
    }
    EXPECT_EQ(seen, (QList<int>{10, 8, 10, 8, 10, 8, 10, 8}));
    EXPECT_FALSE(doc(1)->Highlight()->isActive());
    EXPECT_EQ(doc(1)->highlightCount(), 0);
}

TEST_F(Documents, ActivationEndsTheFlashAtTheNextTick) {
    open(QStringLiteral("http://two/"));
    engine(1)->fireProgress(0, 0);
    doc(1)->Highlight_Timer();
    EXPECT_EQ(icon(1), 10);
    doc(1)->bringToFront();
    ASSERT_EQ(area().activeDocument(), doc(1));
    doc(1)->Highlight_Timer();
    EXPECT_EQ(icon(1), 8);
    EXPECT_FALSE(doc(1)->Highlight()->isActive());
}

TEST_F(Documents, OnlyTheActiveDocumentTalksToTheStatusBar) {
    open(QStringLiteral("http://two/"));
    engine(2)->fireStatusText(QStringLiteral("hovering two"));
    EXPECT_EQ(panel1(), QStringLiteral("hovering two"));
    engine(1)->fireStatusText(QStringLiteral("hovering one"));
    EXPECT_EQ(panel1(), QStringLiteral("hovering two"));
    engine(1)->fireProgress(30, 100);
    EXPECT_EQ(progressTag(), QStringLiteral("0")) << "a background load does not publish";
    doc(1)->bringToFront();
    EXPECT_EQ(panel1(), QString()) << "activation clears the status text";
    EXPECT_EQ(progressTag(), QStringLiteral("30"));
}

TEST_F(Documents, TitlesFeedCaptionRowTooltipAndTab) {
    const QString fifty(50, QLatin1Char('x'));
    engine(1)->fireTitle(fifty);
    EXPECT_EQ(set().tabCaption(1), fifty);
    engine(1)->fireTitle(fifty + QLatin1Char('y'));
    EXPECT_EQ(set().tabCaption(1), fifty + QStringLiteral("..."));
    EXPECT_EQ(set().tabToolTip(1), fifty + QLatin1Char('y'));
    EXPECT_EQ(set().rowText(1), fifty + QLatin1Char('y'));
    EXPECT_EQ(doc(1)->windowTitle(), fifty + QLatin1Char('y'));
    EXPECT_EQ(window.tabBar()->tabText(0), fifty + QStringLiteral("..."));
}

TEST_F(Documents, ShrinkCommandsAndReset) {
    openThree();
    for (int i = 1; i <= 3; ++i) {
        engine(i)->setLocationName(QStringLiteral("Title %1").arg(i));
        engine(i)->fireProgress(0, 0);
    }
    area().shrinkAllTabsButActive();
    EXPECT_EQ(set().tabCaption(1), QStringLiteral("Tit"));
    EXPECT_EQ(icon(1), 9);
    EXPECT_FALSE(set().isShrunk(3)) << "the selected tab stays as it is";

    area().tabDoubleClicked(3); // shrink the active one by hand
    area().shrinkAllTabsButActive();
    EXPECT_TRUE(set().isShrunk(3)) << "a shrunk active tab stays shrunk";

    area().resetAllTabs();
    for (int i = 1; i <= 3; ++i) {
        EXPECT_FALSE(set().isShrunk(i));
        EXPECT_EQ(icon(i), 8) << "icon 9 becomes 8";
        EXPECT_EQ(set().tabCaption(i), QStringLiteral("Title %1").arg(i));
    }
    area().shrinkAllTabs();
    EXPECT_TRUE(set().isShrunk(3));
}

TEST_F(Documents, ClosingRenumbersLaterDocumentsFirst) {
    openThree();
    open(QStringLiteral("http://four/"));
    DocumentWindow* third = doc(3);
    DocumentWindow* fourth = doc(4);
    QList<int> whileRemoving;
    const QMetaObject::Connection watch =
        QObject::connect(&set(), &QAbstractItemModel::rowsAboutToBeRemoved, &window, [&] {
            whileRemoving = {third->DocIndex(), fourth->DocIndex()};
        });
    doc(2)->closeDocument();
    QObject::disconnect(watch);
    EXPECT_EQ(whileRemoving, (QList<int>{2, 3}));
    EXPECT_EQ(set().count(), 3);
    EXPECT_EQ(window.tabBar()->count(), 3);
    EXPECT_EQ(doc(2), third);
    EXPECT_EQ(appSettings().OpenDocCount, 3);
}

TEST_F(Documents, TabClicksActivateOrClose) {
    openThree();
    TabBar* tabs = window.tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_EQ(area().activeDocument(), doc(1));
    EXPECT_EQ(tabs->currentIndex(), 0);

    DocumentWindow* second = doc(2);
    QTest::mouseClick(tabs, Qt::RightButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(set().count(), 2);
    EXPECT_EQ(set().docIndexOf(second), 0);
    QTest::mouseClick(tabs, Qt::MiddleButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(set().count(), 1);

    tabs->setProperty("Tag", QStringLiteral("1"));
    area().tabClicked(1, Qt::RightButton);
    EXPECT_EQ(set().count(), 1) << "clicks are ignored while an activation selects a tab";
}

TEST_F(Documents, ClosingTheLastDocumentDisablesTheDocumentCommands) {
    window.menus().action(QStringLiteral("mnuFileClose"))->trigger();
    EXPECT_EQ(set().count(), 0);
    EXPECT_EQ(appSettings().OpenDocCount, 0);
    for (const char* name : {"mnuFileClose", "mnuFilePrint", "mnuNavigateBack", "mnuViewSource"})
        EXPECT_FALSE(window.menus().action(QLatin1String(name))->isEnabled()) << name;
    EXPECT_TRUE(window.menus().action(QStringLiteral("mnuNavigateHome1"))->isEnabled());
    window.menus().action(QStringLiteral("mnuFileClose"))->trigger(); // nothing to close
    window.menus().action(QStringLiteral("mnuWindowNewWindow"))->trigger();
    EXPECT_EQ(set().count(), 1) << "New Window with no document creates document 1";
    EXPECT_EQ(engine(1)->navigated(), QStringList{QString()});
}

TEST_F(Documents, PagesAskingForWindows) {
    const NewWindowRequest request = engine(1)->fireNewWindow(QStringLiteral("http://popup/"));
    ASSERT_EQ(set().count(), 2);
    EXPECT_FALSE(request.cancel);
    EXPECT_EQ(request.target, doc(2)->engine());
    EXPECT_TRUE(engine(2)->isRegisteredAsBrowser());
    EXPECT_EQ(set().rowText(2), QString());
    EXPECT_EQ(window.tabBar()->count(), 2);

    engine(2)->fireWindowClosing();
    EXPECT_EQ(set().count(), 2) << "the window closes after the engine's own signal";
    QTest::qWait(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(set().count(), 1);
}

TEST_F(Documents, BlockerDropsPopupsOfLoadingPages) {
    appSettings().popUpEnabled = false;
    engine(1)->fireProgress(10, 100);
    EXPECT_TRUE(engine(1)->fireNewWindow(QStringLiteral("http://ad/")).cancel);
    EXPECT_EQ(set().count(), 1);
    engine(1)->fireProgress(0, 0);
    EXPECT_FALSE(engine(1)->fireNewWindow(QStringLiteral("http://ok/")).cancel);
    EXPECT_EQ(set().count(), 2);
}

TEST_F(Documents, SecureIconFollowsTheActiveDocument) {
    engine(1)->fireSecureLock(2);
    EXPECT_EQ(window.statusBar()->property("SecurityIcon").toInt(), 2);
    open(QStringLiteral("http://two/"));
    EXPECT_EQ(window.statusBar()->property("SecurityIcon").toInt(), -1);
}

TEST_F(Documents, AddressBoxIsLeftAloneWhileTyping) {
    QComboBox* box = window.addressPanel()->addressBox();
    box->setFocus();
    QCoreApplication::processEvents();
    box->setEditText(QStringLiteral("typing"));
    engine(1)->setLocationURL(QStringLiteral("http://one/loaded"));
    engine(1)->fireProgress(0, 0);
    if (box->hasFocus()) {
        EXPECT_EQ(box->currentText(), QStringLiteral("typing"));
    }
    open(QStringLiteral("http://two/"));
    EXPECT_EQ(box->currentText(), QString()) << "switching documents shows the page address";
}

TEST_F(Documents, ShortcutFilesOpenTheirTarget) {
    const QString path = home.root() + QStringLiteral("/News.URL");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[InternetShortcut]\r\nURL=http://news.example/\r\n");
    f.close();
    open(QStringLiteral("file://") + path);
    EXPECT_EQ(engine(2)->navigated(), QStringList{QStringLiteral("http://news.example/")});
    open(path);
    EXPECT_EQ(engine(3)->navigated(), QStringList{QStringLiteral("http://news.example/")});
}

TEST_F(Documents, WindowMenuListsTheDocuments) {
    open(QStringLiteral("http://two/"));
    engine(1)->fireTitle(QStringLiteral("One & more"));
    QMenu* menu = window.menus().menu(QStringLiteral("mnuWindow"));
    Q_EMIT menu->aboutToShow();
    QStringList texts;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator() && a->isCheckable())
            texts << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
    }
    EXPECT_EQ(texts,
              (QStringList{QStringLiteral("&1 One && more"), QStringLiteral("&2 http://two/ *")}));
}

TEST_F(Documents, WindowArrangements) {
    open(QStringLiteral("http://two/"));
    QMdiArea* mdi = window.mdiArea();
    const QList<QMdiSubWindow*> windows = mdi->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(windows.size(), 2);
    area().tileVertically();
    EXPECT_FALSE(windows[0]->isMaximized());
    EXPECT_EQ(windows[0]->y(), windows[1]->y()) << "side by side";
    EXPECT_LT(windows[0]->x(), windows[1]->x());
    area().tileHorizontally();
    EXPECT_EQ(windows[0]->x(), windows[1]->x()) << "one above the other";
    EXPECT_LT(windows[0]->y(), windows[1]->y());
    area().cascade();
    EXPECT_NE(windows[0]->pos(), windows[1]->pos());
    windows[0]->showMinimized();
    area().arrangeIcons();
    EXPECT_EQ(windows[0]->geometry().bottom(), mdi->viewport()->rect().bottom())
        << "minimized documents line up along the bottom";
}
