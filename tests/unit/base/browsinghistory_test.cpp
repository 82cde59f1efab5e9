#include "base/browsinghistory.h"
#include "support/isolation.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

QStringList urlsOf(const std::vector<Visit>& visits) {
    QStringList urls;
    for (const Visit& visit : visits)
        urls.append(visit.url);
    return urls;
}

TEST(BrowsingHistory, VisitsAreKeptPrivatelyAcrossRunsAndAddUpPerAddress) {
    test::IsolatedHome home;
    const QString path = BrowsingHistory::defaultPath();
    EXPECT_TRUE(path.startsWith(home.dataHome()));
    {
        BrowsingHistory history(path);
        ASSERT_TRUE(history.isOnDisk());
        history.recordVisit("http://a.test/x", "", 1000);
        history.setTitle("http://a.test/x", "Alpha Page");
        history.recordVisit("http://b.test/", "Beta", 2000);
        history.recordVisit("http://a.test/x", "", 3000); // no title this time: the last stays
        history.recordVisit("http://a.test/100%_\\", "Wild", 4000);
        history.recordVisit("http://c.test/", "Über Straße", 5000);
    } // written at the end without waiting
    EXPECT_EQ(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
    BrowsingHistory history(path);
    std::vector<Visit> visits = history.visits();
    EXPECT_EQ(urlsOf(visits),
              (QStringList{"http://c.test/", "http://a.test/100%_\\", "http://a.test/x",
                           "http://b.test/", "http://a.test/x"}));
    EXPECT_EQ(visits.back().title, "Alpha Page");

    history.recordVisit("http://d.test/", "Delta", 5500); // not written yet when pages are read
    QList<VisitedPage> pages = history.pagesMatching({"ALPHA", "a.test"});
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].title, "Alpha Page");
    EXPECT_EQ(pages[0].visitCount, 2);
    EXPECT_EQ(pages[0].lastVisit, 3000);
    EXPECT_EQ(history.pagesMatching({"%_\\"}).size(), 1) << "wildcards taken literally";
    EXPECT_EQ(history.pagesMatching({}).size(), 5);
    EXPECT_EQ(history.pagesMatching({"STRAẞE"}).size(), 1) << "any letter's case";
    EXPECT_EQ(history.pagesMatching({"üBER"}).size(), 1);
    history.recordVisit("http://a.test/x", "Alpha ÜBER", 6000); // found after it is written
    EXPECT_EQ(history.pagesMatching({"über", "a.test"}).value(0).visitCount, 3);
    EXPECT_EQ(history.pagesMatching({"über", "c.test", "straße"}).size(), 1);
    history.recordVisit("http://a.test/x", "", 7000);

    history.removeVisits({visits[2].id, visits[4].id});
    pages = history.pagesMatching({"a.test/x"});
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].visitCount, 2);
    EXPECT_EQ(pages[0].lastVisit, 7000) << "the page row follows the visits left";
    EXPECT_EQ(pages[0].title, "Alpha ÜBER");
    EXPECT_EQ(history.pagesMatching({"a.test"}).size(), 2) << "a shorter word: every page again";
    history.removeSite("http://a.test/other");
    EXPECT_EQ(urlsOf(history.visits()),
              (QStringList{"http://d.test/", "http://c.test/", "http://b.test/"}));
    EXPECT_TRUE(history.pagesMatching({"a.test"}).isEmpty());
    history.clear();
    EXPECT_TRUE(history.visits().empty());
    EXPECT_TRUE(history.pagesMatching({}).isEmpty());
}

TEST(BrowsingHistory, AnUnusableDatabaseIsSetAsideAndANewOneStarted) {
    const std::tuple<const char*, QByteArray, bool> cases[] = {
        {"not a database", "this is no database\n", false},
        {"damaged", QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\x5a'), false},
        {"locked by another program", {}, true},
    };
    for (const auto& [name, content, locked] : cases) {
        test::IsolatedHome home;
        const QString path = BrowsingHistory::defaultPath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSqlDatabase locker;
        if (locked) {
            locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
            locker.setDatabaseName(path);
            ASSERT_TRUE(locker.open());
            QSqlQuery lock(locker);
            ASSERT_TRUE(lock.exec("PRAGMA locking_mode=EXCLUSIVE"));
            ASSERT_TRUE(lock.exec("CREATE TABLE other (x)"));
            ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
            ASSERT_TRUE(lock.exec("INSERT INTO other VALUES (1)"));
        } else {
            ASSERT_TRUE(test::writeFile(path, content));
        }
        testing::internal::CaptureStderr();
        {
            BrowsingHistory history(path);
            EXPECT_TRUE(history.isOnDisk()) << name;
            history.recordVisit("http://new.test/", "New", 1);
            EXPECT_EQ(history.visits().size(), 1u) << name;
        }
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("set aside"), std::string::npos) << name << ": " << said;
        const QStringList aside =
            QDir(QFileInfo(path).absolutePath()).entryList({"history.sqlite.unusable-*"});
        ASSERT_FALSE(aside.isEmpty()) << name;
        if (!locked) {
            QFile kept(QFileInfo(path).absolutePath() + "/" + aside.first());
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), content) << name << ": nothing of it lost";
        }
        EXPECT_EQ(BrowsingHistory(path).visits().size(), 1u) << name << ": the new one stays";
        if (locked) {
            locker.close();
            locker = QSqlDatabase();
            QSqlDatabase::removeDatabase("locker");
        }
    }
    // A folder that can never exist: the history stays in memory and still works.
    testing::internal::CaptureStderr();
    BrowsingHistory history("/dev/null/history.sqlite");
    EXPECT_FALSE(history.isOnDisk());
    EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
    history.recordVisit("http://memory.test/", "", 1);
    EXPECT_EQ(history.visits().size(), 1u);
}

} // namespace
