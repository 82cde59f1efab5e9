// The main frame's load sequence, keyboard hook, hand-over and unload, with a fake engine.
#include "bars/addresspanel.h"
#include "bars/band.h"
#include "bars/bandcontainer.h"
#include "bars/browsetoolbar.h"
#include "bars/resizerule.h"
#include "base/appsettings.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "documents/tabbar.h"
#include "fakes/fakeengine.h"
#include "frame/mainwindow.h"
#include "frame/menus.h"
#include "frame/viewtoggles.h"
#include "navigator/navigatorwindow.h"
#include "platform/twips.h"
#include "support/isolation.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kelvane;
using kelvane::test::FakeEngineFactory;
using kelvane::test::FakeEngine;

namespace {

QString stored(const QString& key) {
    QSettings ini(SettingsStore::filePath(), QSettings::IniFormat);
    return ini.value(QStringLiteral("Settings/") + key).toString();
}

bool hasKey(const QString& key) {
    QSettings ini(SettingsStore::filePath(), QSettings::IniFormat);
    return ini.contains(QStringLiteral("Settings/") + key);
}

// One run of the browser: a fresh main window over whatever the store holds.
struct Session {
    FakeEngineFactory engines;
    MainWindow window{engines, nullptr};
    explicit Session(const QString& commandLine = {}) {
        appSettings() = AppSettings();
        window.load(commandLine);
        window.show();
    }
    DocumentArea& area() { return window.documentArea(); }
    FakeEngine* engine(int i) {
        return static_cast<FakeEngine*>(area().document(i)->engine());
    }
    void close() {
        window.close();
        SettingsStore::reset();
    }
};

void key(QWidget* to, Qt::Key k, Qt::KeyboardModifiers mods, bool autoRepeat = false,
         const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, k, mods, text, autoRepeat);
    QCoreApplication::sendEvent(to, &press);
}

} // namespace

class MainFrame : public ::testing::Test {
protected:
    test::IsolatedHome home;
};

TEST_F(MainFrame, FirstStartWritesEveryKeyInItsForm) {
    {
        Session run;
        EXPECT_EQ(run.area().count(), 1) << "Home 1 opens when nothing else is given";
        EXPECT_EQ(run.engine(1)->navigated(), QStringList{appSettings().home1});
        EXPECT_TRUE(run.window.isMaximized());
        EXPECT_TRUE(run.window.navigator()->isVisible());
        EXPECT_EQ(run.window.windowTitle(), QStringLiteral("Kelvane v1.50"));
        run.close();
    }
    const struct {
        const char* key;
        const char* value;
    } expected[] = {{"MainMaximized", "True"},
                    {"MainLeft", "1000"},
                    {"MainTop", "1000"},
                    {"MainWidth", "6500"},
                    {"MainHeight", "6500"},
                    {"NavigatorVisible", "True"},
                    {"StatusBarVisible", "True"},
                    {"PopUpEnabled", "True"},
                    {"CleanOnExit", "False"},
                    {"SaveAllOnExit", "False"},
                    {"CheckIfDefault", "True"},
                    {"MinimizeToTray", "False"},
                    {"Password", ""},
                    {"QuickNotesEnabled", "True"},
                    {"QuickNotesFont", "Comic Sans MS"},
                    {"QuickNotesSize", "12"},
                    {"QuickNotesColor", "0"},
                    {"CustomLink10SiteURL", ""}};
    for (const auto& e : expected) {
        EXPECT_TRUE(hasKey(QLatin1String(e.key))) << e.key;
        EXPECT_EQ(stored(QLatin1String(e.key)), QLatin1String(e.value)) << e.key;
    }
    for (int i = 1; i <= 10; ++i) {
        for (const char* suffix : {"Enabled", "SiteName", "SiteURL"})
            EXPECT_TRUE(
                hasKey(numberedKey(QStringLiteral("CustomLink"), i, QLatin1String(suffix))));
    }
    EXPECT_FALSE(hasKey(QStringLiteral("DocumentCount"))) << "only with SaveAllOnExit";
#ifdef Q_OS_UNIX
    EXPECT_EQ(QFile::permissions(SettingsStore::filePath()) & 0x0077, 0)
        << "the file holding the password is private";
#endif
}

TEST_F(MainFrame, UnloadWritesInItsOrder) {
    QStringList order;
    {
        Session run;
        SettingsStore::setWriteObserver(
            [&](const QString&, const QString& key, const QString&) { order << key; });
        run.close();
        SettingsStore::setWriteObserver({});
    }
    const QStringList start = {
        QStringLiteral("MainLeft"),       QStringLiteral("MainTop"),
        QStringLiteral("MainWidth"),      QStringLiteral("MainHeight"),
        QStringLiteral("NavigatorLeft"),  QStringLiteral("NavigatorTop"),
        QStringLiteral("NavigatorWidth"), QStringLiteral("NavigatorHeight"),
        QStringLiteral("MainMaximized"),  QStringLiteral("NavigatorVisible")};
    ASSERT_GE(order.size(), start.size());
    EXPECT_EQ(order.mid(0, start.size()), start);
    const qsizetype status = order.indexOf(QStringLiteral("StatusBarVisible"));
    ASSERT_GE(status, 0);
    EXPECT_EQ(order.at(status + 1), QStringLiteral("CleanOnExit"));
    EXPECT_EQ(order.last(), QStringLiteral("PopUpEnabled"));
}

TEST_F(MainFrame, StoredLookComesBack) {
    {
        Session run;
        run.window.setWindowState(Qt::WindowNoState);
        run.window.setGeometry(30, 40, 500, 400);
        run.window.navigator()->hide();
        run.window.menus().action(QStringLiteral("mnuViewStatusBar"))->trigger();
        EXPECT_TRUE(run.window.statusBar()->isHidden());
        run.close();
    }
    EXPECT_EQ(stored(QStringLiteral("MainMaximized")), QStringLiteral("False"));
    EXPECT_EQ(stored(QStringLiteral("NavigatorVisible")), QStringLiteral("False"));
    EXPECT_EQ(stored(QStringLiteral("MainWidth")), QString::number(500 * twipsPerPixel(96)));
    Session again;
    EXPECT_FALSE(again.window.isMaximized());
    EXPECT_FALSE(again.window.navigator()->isVisible());
    EXPECT_FALSE(again.window.statusBar()->isVisible());
    EXPECT_EQ(again.window.size(), QSize(500, 400));
    EXPECT_FALSE(again.window.menus().action(QStringLiteral("mnuViewNavigator"))->isChecked());
}

TEST_F(MainFrame, NavigatorVisibleNeedsTheExactText) {
    Settings::writeText(QStringLiteral("NavigatorVisible"), QStringLiteral("true"));
    Settings::writeText(QStringLiteral("StatusBarVisible"), QStringLiteral("true"));
    SettingsStore::sync();
    Session run;
    EXPECT_FALSE(run.window.navigator()->isVisible());
    EXPECT_TRUE(run.window.statusBar()->isVisible());
}

TEST_F(MainFrame, SavedDocumentsRoundTrip) {
    Settings::writeBool(QStringLiteral("SaveAllOnExit"), true);
    SettingsStore::sync();
    {
        Session run(QStringLiteral("http://first/"));
        run.window.openInNewDocument(QStringLiteral("http://second/"));
        run.engine(1)->setLocationURL(QStringLiteral("http://first/now"));
        run.engine(2)->setLocationURL(QStringLiteral("http://second/now"));
        run.close();
    }
    EXPECT_EQ(stored(QStringLiteral("DocumentCount")), QStringLiteral("2"));
    EXPECT_EQ(stored(QStringLiteral("Document1")), QStringLiteral("http://first/now"));
    EXPECT_EQ(stored(QStringLiteral("Document2")), QStringLiteral("http://second/now"));
    {
        Session run;
        ASSERT_EQ(run.area().count(), 2);
        EXPECT_EQ(run.engine(1)->navigated(), QStringList{QStringLiteral("http://first/now")});
        EXPECT_EQ(run.engine(2)->navigated(), QStringList{QStringLiteral("http://second/now")});
        run.window.documentArea().closeActiveDocument();
        run.window.documentArea().closeActiveDocument();
        run.close();
    }
    EXPECT_EQ(stored(QStringLiteral("DocumentCount")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("Document2")), QStringLiteral("http://second/now"))
        << "stale keys stay";
    Session empty;
    EXPECT_EQ(empty.area().count(), 0) << "no saved documents: nothing opens";
}

TEST_F(MainFrame, MissingSavedDocumentOpensHomeOne) {
    Settings::writeBool(QStringLiteral("SaveAllOnExit"), true);
    Settings::writeInt16(QStringLiteral("DocumentCount"), 2);
    Settings::writeText(QStringLiteral("Document2"), QStringLiteral("http://two/"));
    Settings::writeText(QStringLiteral("Home1"), QStringLiteral("http://home/"));
    SettingsStore::sync();
    Session run;
    ASSERT_EQ(run.area().count(), 2);
    EXPECT_EQ(run.engine(1)->navigated(), QStringList{QStringLiteral("http://home/")});
    EXPECT_EQ(run.engine(2)->navigated(), QStringList{QStringLiteral("http://two/")});
}

TEST_F(MainFrame, KeyboardHook) {
    Session run(QStringLiteral("http://one/"));
    MainWindow& w = run.window;
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto focus = [] {
        return QApplication::focusWidget() ? QApplication::focusWidget()
                                           : QApplication::activeWindow();
    };

    key(focus(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(run.area().count(), 1) << "one tab: Ctrl+Tab is swallowed";

    w.openInNewDocument(QStringLiteral("http://two/"));
    w.openInNewDocument(QStringLiteral("http://three/"));
    ASSERT_EQ(run.area().activeDocument(), run.area().document(3));
    key(focus(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(run.area().activeDocument(), run.area().document(1)) << "after the last, the first";
    key(focus(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(run.area().activeDocument(), run.area().document(3)) << "before the first, the last";

    key(focus(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(run.area().count(), 4);
    key(focus(), Qt::Key_N, Qt::ControlModifier, /*autoRepeat=*/true);
    EXPECT_EQ(run.area().count(), 4) << "holding Ctrl+N opens one document";

    FakeEngine* active = run.engine(4);
    key(focus(), Qt::Key_Escape, {});
    EXPECT_EQ(active->stopCount(), 1);

    key(focus(), Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(w.addressPanel()->addressBox()->hasFocus());

    // A key the hook does not know reaches the focused control, once.
    key(focus(), Qt::Key_X, {}, false, QStringLiteral("x"));
    EXPECT_EQ(w.addressPanel()->addressBox()->currentText(), QStringLiteral("x"));
}

TEST_F(MainFrame, HandOverOpensADocumentAndRestoresTheWindow) {
    Session run(QStringLiteral("http://one/"));
    QFile file(home.root() + QStringLiteral("/page one.html"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    run.window.handOverReceived(QStringLiteral("page one.html"), home.root());
    ASSERT_EQ(run.area().count(), 2);
    const QString absolute = home.root() + QStringLiteral("/page one.html");
    EXPECT_EQ(run.engine(2)->navigated(), QStringList{absolute});
    EXPECT_EQ(run.area().document(2)->windowTitle(), absolute);
    EXPECT_FALSE(run.window.isMaximized());
    EXPECT_TRUE(run.window.isVisible());

    run.window.handOverReceived(QString(), QString());
    EXPECT_EQ(run.area().count(), 3) << "an empty hand-over opens an empty document";
}

TEST_F(MainFrame, ResizeRuleLaysOutTheAddressRow) {
    Session run;
    run.window.setWindowState(Qt::WindowNoState);
    run.window.resize(900, 500);
    QCoreApplication::processEvents();
    AddressPanel* p = run.window.addressPanel();
    const double dpi = run.window.logicalDpiX();
    AddressRowInput in;
    in.windowWidth = pixelsToTwips(run.window.frameGeometry().width(), dpi);
    in.goWidth = pixelsToTwips(p->goButton()->width(), dpi);
    in.goNewWidth = pixelsToTwips(p->goNewButton()->width(), dpi);
    in.labelWidth = pixelsToTwips(p->label()->width(), dpi);
    in.addressLeft = pixelsToTwips(p->addressBox()->x(), dpi);
    in.tabBarLeft = pixelsToTwips(run.window.tabBar()->x(), dpi);
    const AddressRowLayout out = computeAddressRow(in);
    EXPECT_EQ(p->addressBox()->width(), twipsToPixels(out.addressWidth, dpi));
    EXPECT_EQ(p->goButton()->x(), twipsToPixels(out.goLeft, dpi));
    EXPECT_EQ(p->goNewButton()->x(), twipsToPixels(out.goNewLeft, dpi));
    EXPECT_EQ(run.window.tabBar()->width(), twipsToPixels(out.tabBarWidth, dpi));
    EXPECT_LE(p->goNewButton()->geometry().right(), run.window.width());
}

TEST_F(MainFrame, BarsToolbarAndTypedHistorySurviveARestart) {
    QList<ToolbarLayout::Entry> customised;
    {
        Session run(QStringLiteral("http://one/"));
        MainWindow& w = run.window;
        QComboBox* box = w.addressPanel()->addressBox();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        const auto type = [box](const QString& text) {
            box->setFocus();
            box->lineEdit()->clear();
            QTest::keyClicks(box, text);
            QTest::keyClick(box, Qt::Key_Return);
        };
        type(QStringLiteral("a"));
        type(QStringLiteral("a"));
        EXPECT_EQ(w.addressPanel()->items().count(QStringLiteral("a")), 1);
        type(QStringLiteral("b"));
        type(QStringLiteral("a"));
        EXPECT_EQ(run.engine(1)->navigated().last(), QStringLiteral("a"));

        w.viewToggles()->toggle(2); // the sites toolbar, hidden at first
        w.viewToggles()->toggle(4); // the tabs bar
        w.bands()->band(2)->setNewRow(false);
        customised = BrowseToolbar::designLayout();
        customised.move(4, 0); // Stop first
        customised[1].visible = false;
        ASSERT_TRUE(w.browseToolbar()->applyLayout(customised));
        run.close();
    }
    // The list from the top: a, b, a, and the command line's address LoadNewDoc put there.
    EXPECT_EQ(stored(QStringLiteral("HistoryCount")), QStringLiteral("4"));
    EXPECT_EQ(stored(QStringLiteral("HistorySite1")), QStringLiteral("http://one/"))
        << "oldest first";
    EXPECT_EQ(stored(QStringLiteral("HistorySite2")), QStringLiteral("a"));
    EXPECT_EQ(stored(QStringLiteral("HistorySite3")), QStringLiteral("b"));
    EXPECT_EQ(stored(QStringLiteral("SitesToolbarVisible")), QStringLiteral("True"));
    EXPECT_EQ(stored(QStringLiteral("TabsBarVisible")), QStringLiteral("False"));
    EXPECT_EQ(stored(QStringLiteral("BandRow2")), QStringLiteral("False"));
    EXPECT_EQ(stored(QStringLiteral("BandWidth4")), QStringLiteral("1000"));

    Session again(QStringLiteral("a"));
    MainWindow& w = again.window;
    EXPECT_EQ(w.addressPanel()->items(),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a"),
                           QStringLiteral("http://one/")}))
        << "the same list; reopening the top address adds nothing";
    EXPECT_TRUE(w.viewToggles()->isVisible(2));
    EXPECT_FALSE(w.viewToggles()->isVisible(4));
    EXPECT_TRUE(w.menus().action(QStringLiteral("mnuViewSitesToolbar"))->isChecked());
    EXPECT_TRUE(w.menus().action(QStringLiteral("mnuCustomSitesTB"))->isChecked());
    EXPECT_FALSE(w.menus().action(QStringLiteral("mnuViewTabsBar"))->isChecked());
    EXPECT_FALSE(w.bands()->band(2)->newRow());
    EXPECT_EQ(w.browseToolbar()->currentLayout(), customised);

    for (int bar : {1, 2, 3})
        w.viewToggles()->toggle(bar);
    EXPECT_TRUE(w.bands()->isHidden()) << "all four bars hidden hide the container";
    w.menus().action(QStringLiteral("mnuCustomAddressBar"))->trigger();
    EXPECT_FALSE(w.bands()->isHidden());
    EXPECT_TRUE(w.menus().action(QStringLiteral("mnuViewAddressBar"))->isChecked());
}

TEST_F(MainFrame, EnterWithNoDocumentOpensOneAndListsTheAddressOnce) {
    Session run(QStringLiteral("http://one/"));
    run.area().closeActiveDocument();
    ASSERT_EQ(run.area().count(), 0);
    QComboBox* box = run.window.addressPanel()->addressBox();
    QApplication::setActiveWindow(&run.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&run.window));
    box->setFocus();
    box->lineEdit()->clear();
    QTest::keyClicks(box, QStringLiteral(" typed text "));
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(run.area().count(), 1);
    EXPECT_EQ(run.engine(1)->navigated(), QStringList{QStringLiteral(" typed text ")})
        << "passed as typed";
    EXPECT_EQ(run.window.addressPanel()->items().count(QStringLiteral(" typed text ")), 1);
}

TEST_F(MainFrame, DocumentCommandsAndButtonsFollowTheDocumentCount) {
    Session run(QStringLiteral("http://one/"));
    BrowseToolbar* bar = run.window.browseToolbar();
    const QStringList documentButtons = {QStringLiteral("Back"), QStringLiteral("Forward"),
                                         QStringLiteral("Refresh"), QStringLiteral("Stop")};
    for (const QString& key : documentButtons)
        EXPECT_TRUE(bar->button(key)->isEnabled()) << qPrintable(key);
    run.area().closeActiveDocument();
    for (const QString& key : documentButtons)
        EXPECT_FALSE(bar->button(key)->isEnabled()) << qPrintable(key);
    for (const char* key : {"New", "Home", "Home2", "Mail", "Search", "News"})
        EXPECT_TRUE(bar->button(QLatin1String(key))->isEnabled()) << key;
    EXPECT_FALSE(run.window.menus().action(QStringLiteral("mnuEditFind"))->isEnabled());
}

TEST_F(MainFrame, CleanOnExitEmptiesTheHistoriesFirst) {
    Settings::writeBool(QStringLiteral("CleanOnExit"), true);
    Settings::writeInt16(QStringLiteral("QSearchSearchListCount"), 5);
    SettingsStore::sync();
    Session run(QStringLiteral("http://one/"));
    ASSERT_FALSE(run.window.addressPanel()->items().isEmpty());
    run.close();
    EXPECT_EQ(run.engines.cleanHistoryCount(), 1);
    EXPECT_EQ(stored(QStringLiteral("HistoryCount")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("QSearchSearchListCount")), QStringLiteral("0"));
}
