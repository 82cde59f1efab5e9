// Documents that keep their back and forward history across a restart, and closed documents
// that come back, with fake engines.
#include "base/sessionfile.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "fakes/testwindow.h"
#include "frame/recentlyclosed.h"

#include <QMenu>

using namespace kelvane;
using test::TestWindow;

namespace {

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
    EXPECT_EQ(engine->historyEntry(true, 2).value_or(HistoryEntry()).url,
              QStringLiteral("http://d%1/1").arg(n));
    EXPECT_EQ(engine->historyEntry(false, 1).value_or(HistoryEntry()).url,
              QStringLiteral("http://d%1/4").arg(n));
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
        for (int n = 1; n <= 3; ++n)
            expectHistoryOf(again.engine(n), n);
        EXPECT_EQ(again.set().rowText(2), "Site 2");
    }
    // An older version changed the list since: only addresses that still match take history.
    Settings::writeText("Document2", "http://older/");
    SettingsStore::sync();
    {
        TestWindow older{QString()};
        expectHistoryOf(older.engine(3), 3);
        EXPECT_EQ(older.engine(2)->navigated(), QStringList{"http://older/"});
        older.engine(2)->setUrl("http://older/");
    }
    QByteArray damaged = test::readFile(SessionFile::defaultPath());
    damaged[damaged.size() / 2] = damaged[damaged.size() / 2] ^ 0x20;
    ASSERT_TRUE(test::writeFile(SessionFile::defaultPath(), damaged));
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    TestWindow after{QString()};
    qInstallMessageHandler(previous);
    const char* addresses[] = {"http://d1/3", "http://older/", "http://d3/3"};
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(after.engine(n)->navigated(), QStringList{addresses[n - 1]}) << "as before";
    EXPECT_EQ(warnings.filter("session file").size(), 1) << warnings.join('\n').toStdString();
}

TEST_F(DocumentHistoryTest, CleaningAtExitKeepsNoHistory) {
    Settings::writeText("SaveAllOnExit", "True");
    {
        TestWindow first("http://d1/3");
        giveHistory(first.engine(1), 1);
        appSettings().cleanOnExit = true;
    }
    EXPECT_EQ(TestWindow(QString()).engine(1)->navigated(), QStringList{"http://d1/3"});
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
}

} // namespace
