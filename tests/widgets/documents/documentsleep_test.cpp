// Lazy restore of saved documents, sleeping documents and their marks, over fake engines.
#include "base/sessionfile.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "documents/documentsleep.h"
#include "fakes/testwindow.h"
#include "frame/recentlyclosed.h"

#include <QHeaderView>
#include <QTreeView>

using namespace kelvane;
using test::TestWindow;

namespace {

constexpr qint64 kMinute = 60 * 1000;

// A fake engine's history state for url with one entry back.
QByteArray historyOf(const QString& url) {
    test::FakeEngine engine;
    engine.setUrl(url);
    engine.fireTitle("Title of " + url);
    engine.setHistory({{"Before", url + "before"}}, {});
    return engine.historyState();
}

struct DocumentSleepTest : ::testing::Test {
    void store(int count) {
        Settings::writeText("SaveAllOnExit", "True");
        Settings::writeText("DocumentCount", QString::number(count));
        QList<SavedPage> pages;
        for (int i = 1; i <= count; ++i) {
            const QString url = QStringLiteral("http://site%1/").arg(i);
            Settings::writeText(QStringLiteral("Document%1").arg(i), url);
            pages.append({url, "Title of " + url, historyOf(url)});
        }
        SettingsStore::sync();
        SessionFile::write(SessionFile::defaultPath(), pages);
    }
    // The documents whose engine was asked for anything.
    static QList<int> touched(TestWindow& run) {
        QList<int> docs;
        for (int i = 1; i <= run.area().count(); ++i) {
            if (!run.engine(i)->calls().isEmpty())
                docs << i;
        }
        return docs;
    }

    test::IsolatedHome home;
    qint64 now = 1;
};

TEST_F(DocumentSleepTest, RestoreLoadsTheDocumentsInSightAndTheOthersWhenShown) {
    store(3);
    {
        TestWindow run{QString()};
        EXPECT_EQ(touched(run), QList<int>{3}) << "only the active one loads";
        EXPECT_EQ(run.engine(3)->calls(), QStringList{"restoreHistory http://site3/"});
        EXPECT_EQ(run.set().tabCaption(1), "Title of http://site1/");
        EXPECT_EQ(run.set().address(2), "http://site2/");
        EXPECT_TRUE(run.set().isSleeping(1) && run.set().isSleeping(2) && !run.set().isSleeping(3));
        EXPECT_EQ(run.window.tabBar()->tabTextColor(0),
                  run.window.tabBar()->palette().color(QPalette::Disabled, QPalette::WindowText));
        EXPECT_EQ(run.set().headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(),
                  "2 of 3 documents asleep");

        run.area().tabClicked(1, Qt::LeftButton);
        QCoreApplication::processEvents(); // it wakes once the activation is over
        EXPECT_EQ(run.engine(1)->calls(), QStringList{"restoreHistory http://site1/"});
        EXPECT_EQ(run.engine(1)->historyEntry(true, 1)->url, "http://site1/before");
        EXPECT_FALSE(run.set().isSleeping(1));
    }
    // Saved asleep exactly as it came.
    const auto pages = SessionFile::read(SessionFile::defaultPath());
    ASSERT_TRUE(pages && pages->size() == 3);
    EXPECT_EQ(pages->at(1),
              (SavedPage{"http://site2/", "Title of http://site2/", historyOf("http://site2/")}));

    TestWindow run{QString()};
    run.doc(1)->closeDocument();
    run.window.menus().reopenClosed->trigger();
    EXPECT_EQ(run.engine(3)->calls(), QStringList{"restoreHistory http://site1/"})
        << "closed asleep, reopened with its history";
    run.area().tileVertically();
    EXPECT_EQ(touched(run), (QList<int>{1, 2, 3})) << "tiled, all are in sight";
}

TEST_F(DocumentSleepTest, UnseenDocumentsSleepAsTheirStateAllows) {
    // clang-format off
    const struct { PageActivity activity; bool loading; QString after5, after30; } cases[] = {
        {{}, false, "lifecycle Frozen", "lifecycle Frozen,lifecycle Discarded"},
        {{.typedText = true}, false, "lifecycle Frozen", "lifecycle Frozen"},
        {{.audible = true}, false, "", ""},     {{.capturing = true}, false, "", ""},
        {{.fullScreen = true}, false, "", ""},  {{.devTools = true}, false, "", ""},
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
        if (c.loading)
            hidden->fireProgress(10, 100);
        sleep.look();
        now += 5 * kMinute;
        sleep.look();
        EXPECT_EQ(hidden->calls().filter("lifecycle").join(','), c.after5);
        now += 25 * kMinute;
        sleep.look();
        EXPECT_EQ(hidden->calls().filter("lifecycle").join(','), c.after30);
        EXPECT_TRUE(run.active()->calls().filter("lifecycle").isEmpty()) << "the active one";
        EXPECT_EQ(run.set().sleepingCount(), c.after5.isEmpty() ? 0 : 1);

        run.doc(1)->bringToFront();
        QCoreApplication::processEvents();
        EXPECT_EQ(hidden->lifecycle(), PageLifecycle::Active) << "woken by activation";
        appSettings().documentSleep = "Never";
        now += 999 * kMinute;
        sleep.look();
        EXPECT_EQ(run.engine(2)->lifecycle(), PageLifecycle::Active);
    }
}

TEST_F(DocumentSleepTest, PutOtherDocumentsToSleepAndTheMemoryRule) {
    TestWindow run;
    for (const char* url : {"http://two/", "http://three/", "http://four/"})
        run.open(url);
    DocumentSleep& sleep = run.area().sleep();
    double share = 0.5;
    sleep.setMemoryReader([&share] { return std::optional(share); });
    sleep.setClock([this] { return now; });
    for (int i : {2, 1, 3}) { // seen in this order
        run.doc(i)->bringToFront();
        sleep.look();
        ++now;
    }
    run.doc(4)->bringToFront();
    EXPECT_FALSE(sleep.relieveMemory()) << "enough memory";
    share = 0.09;
    for (int i : {2, 1, 3}) {
        EXPECT_TRUE(sleep.relieveMemory());
        EXPECT_EQ(run.engine(i)->lifecycle(), PageLifecycle::Discarded) << i;
        EXPECT_EQ(run.set().sleepingCount(), i == 2 ? 1 : i == 1 ? 2 : 3);
    }
    EXPECT_FALSE(sleep.relieveMemory()) << "the active one stays";

    run.area().tileHorizontally();
    EXPECT_EQ(run.set().sleepingCount(), 0) << "tiled, all are in sight and awake";
    run.doc(4)->parentWidget()->showMaximized();
    run.window.menus().putOthersToSleep->trigger();
    EXPECT_EQ(run.set().sleepingCount(), 3);
    EXPECT_EQ(run.engine(4)->lifecycle(), PageLifecycle::Active);
}

} // namespace
