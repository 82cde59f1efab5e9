// Lazy restore of saved documents, sleeping documents and their marks, over fake engines.
#include "base/sessionfile.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "documents/documentsleep.h"
#include "fakes/testwindow.h"

using namespace kelvane;
using test::TestWindow;

namespace {

// Site n's page, its history in the fake engine's form with one entry back.
SavedPage pageOf(int site) {
    test::FakeEngine engine;
    engine.setUrl(QStringLiteral("http://site%1/").arg(site));
    engine.setHistory({{"Before", "http://before/"}}, {});
    return {engine.url(), QStringLiteral("Site %1").arg(site), engine.historyState()};
}

struct DocumentSleepTest : ::testing::Test {
    test::IsolatedHome home;
    qint64 now = 1;
};

TEST_F(DocumentSleepTest, RestoreLoadsTheDocumentInSightAndTheOthersWhenShown) {
    Settings::writeText("SaveAllOnExit", "True");
    Settings::writeText("DocumentCount", "3");
    for (int i = 1; i <= 3; ++i)
        Settings::writeText(QStringLiteral("Document%1").arg(i), pageOf(i).url);
    SessionFile::write(SessionFile::defaultPath(), {pageOf(1), pageOf(2), pageOf(3)});
    {
        TestWindow run{QString()};
        EXPECT_TRUE(run.engine(1)->calls().isEmpty() && run.engine(2)->calls().isEmpty());
        EXPECT_EQ(run.engine(3)->calls(), QStringList{"restoreHistory http://site3/"});
        EXPECT_EQ(run.set().tabCaption(1), "Site 1");
        EXPECT_EQ(run.window.tabBar()->tabTextColor(1),
                  run.window.tabBar()->palette().color(QPalette::Disabled, QPalette::WindowText));
        const QPalette before = QApplication::palette(); // the desktop's scheme changes
        QPalette changed = before;
        changed.setColor(QPalette::Disabled, QPalette::WindowText, Qt::darkRed);
        QApplication::setPalette(changed);
        QCoreApplication::processEvents();
        EXPECT_EQ(run.window.tabBar()->tabTextColor(1), QColor(Qt::darkRed));
        QApplication::setPalette(before);
        EXPECT_EQ(run.set().headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(),
                  "2 of 3 documents asleep");
        run.area().tabClicked(1, Qt::LeftButton);
        QCoreApplication::processEvents(); // it wakes once the activation is over
        EXPECT_EQ(run.engine(1)->historyEntry(true, 1)->url, "http://before/");
        EXPECT_EQ(run.set().sleepingCount(), 1);
    }
    EXPECT_EQ(SessionFile::read(SessionFile::defaultPath())->value(1), pageOf(2)) << "as it came";
    TestWindow run{QString()};
    run.doc(2)->closeDocument();
    run.window.menus().reopenClosed->trigger();
    EXPECT_EQ(run.engine(3)->calls(), QStringList{"restoreHistory http://site2/"});
}

TEST_F(DocumentSleepTest, UnseenDocumentsSleepAsTheirStateAllows) {
    // clang-format off
    const struct { PageActivity activity; bool loading; QString after5, after30; } cases[] = {
        {{}, false, "lifecycle Frozen", "lifecycle Frozen,lifecycle Discarded"},
        {{.typedText = true}, false, "lifecycle Frozen", "lifecycle Frozen"},
        {{.audible = true}, false, "", ""}, {{.capturing = true}, false, "", ""},
        {{.fullScreen = true}, false, "", ""}, {{.devTools = true}, false, "", ""},
        {{}, true, "", ""}};
    // clang-format on
    for (const auto& c : cases) {
        TestWindow run;
        appSettings().documentSleep = "5,30";
        run.open("http://two/");
        DocumentSleep& sleep = run.area().sleep();
        sleep.setClock([this] { return now; });
        test::FakeEngine* hidden = run.engine(1);
        hidden->setActivity(c.activity);
        hidden->setUrl("http://two/");
        hidden->setHistory({{"Before", "http://before/"}}, {});
        if (c.loading)
            hidden->fireProgress(10, 100);
        for (const auto& [minutes, expected] : {std::pair(5, c.after5), std::pair(25, c.after30)}) {
            sleep.look();
            now += minutes * 60'000;
            sleep.look();
            EXPECT_EQ(hidden->calls().filter("lifecycle").join(','), expected);
        }
        EXPECT_TRUE(run.active()->calls().filter("lifecycle").isEmpty()) << "the active one";
        run.doc(1)->bringToFront();
        QCoreApplication::processEvents();
        EXPECT_EQ(hidden->lifecycle(), PageLifecycle::Active) << "woken by activation";
        EXPECT_EQ(hidden->url() + hidden->historyEntry(true, 1).value_or(HistoryEntry()).url,
                  "http://two/http://before/");
        appSettings().documentSleep = "Never";
        now += 999 * 60'000;
        sleep.look();
        EXPECT_EQ(run.set().sleepingCount(), 0);
    }
}

TEST_F(DocumentSleepTest, PutOtherDocumentsToSleepAndTheMemoryRule) {
    TestWindow run;
    for (const char* url : {"http://two/", "http://three/", "http://four/"})
        run.open(url);
    DocumentSleep& sleep = run.area().sleep();
    double share = 0.5;
    sleep.setMemoryReader([&share] { return std::optional(share); });
    sleep.setClock([this] { return now++; });
    for (int i : {2, 1, 3, 4}) { // seen in this order
        run.doc(i)->bringToFront();
        sleep.look();
    }
    EXPECT_FALSE(sleep.relieveMemory()) << "enough memory";
    share = 0.09;
    for (int i : {2, 1, 3}) {
        EXPECT_TRUE(sleep.relieveMemory());
        EXPECT_EQ(run.engine(i)->calls().filter(QRegularExpression("lifecycle|release")).join(','),
                  "lifecycle Discarded,releasePage")
            << i;
    }
    EXPECT_FALSE(sleep.relieveMemory()) << "the active one stays";

    run.area().tileHorizontally();
    EXPECT_EQ(run.set().sleepingCount(), 0) << "tiled, all are in sight and awake";
    run.doc(4)->parentWidget()->showMaximized();
    run.window.menus().putOthersToSleep->trigger();
    EXPECT_EQ(run.set().sleepingCount(), 3);
}

} // namespace
