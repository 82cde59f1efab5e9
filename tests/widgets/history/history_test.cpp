#include "base/browsinghistory.h"
#include "base/rememberedanswers.h"
#include "base/sessionfile.h"
#include "dialogs/permissionquestion.h"
#include "fakes/testwindow.h"
#include "frame/featurewindows.h"
#include "frame/pagequestions.h"
#include "history/historymodel.h"
#include "history/historywindow.h"
#include "ui/pictures.h"

#include <QCheckBox>
#include <QMenu>
#include <QTreeView>

namespace kelvane::test {
namespace {

struct HistoryTest : WindowTest {
    BrowsingHistory& history() { return frame.window.featureWindows().history(); }
    QStringList recorded() {
        QStringList urls;
        for (const Visit& visit : history().visits())
            urls.append(visit.url + " " + visit.title);
        return urls;
    }
    void load(FakeEngine* engine, const QString& url, const QString& title) {
        engine->setUrl(url);
        engine->fireTitle(title);
        engine->fireProgress(0, 0);
    }
    QStringList shown(HistoryWindow* window) {
        QStringList rows;
        HistoryModel* model = window->model();
        for (int g = 0; g < model->rowCount(); ++g) {
            const QModelIndex group = model->index(g, 0);
            rows.append(group.data().toString());
            for (int v = 0; v < model->rowCount(group); ++v)
                rows.append("  " + model->index(v, 1, group).data().toString());
        }
        return rows;
    }
};

TEST_F(HistoryTest, LoadsAreRecordedOnceWithTheirTitles) {
    FakeEngine* engine = frame.engine(1);
    load(engine, "http://one.test/", "One");
    load(engine, "http://one.test/", "One"); // a reload
    load(engine, "about:blank", "");
    load(engine, "http://two.test/", "");
    engine->fireTitle("Two, titled late");
    load(engine, "http://one.test/", "One again");
    EXPECT_EQ(recorded(),
              (QStringList{"http://one.test/ One again", "http://two.test/ Two, titled late",
                           "http://one.test/ One"}));
    frame.window.featureWindows().cleanHistory();
    EXPECT_TRUE(recorded().isEmpty());
    EXPECT_EQ(frame.engines.cleanHistoryCount(), 1);
}

TEST_F(HistoryTest, TheWindowGroupsSearchesOpensAndDeletes) {
    const auto at = [](QDate date) { return QDateTime(date, QTime(12, 0)).toMSecsSinceEpoch(); };
    history().recordVisit("http://old.test/a", "Old Alpha", at(QDate(2024, 5, 10)));
    history().recordVisit("http://old.test/b", "Old Beta", at(QDate(2024, 5, 11)));
    history().recordVisit("http://site.test/1", "Site One", at(QDate::currentDate().addDays(-1)));
    history().recordVisit("http://new.test/", "New Alpha", QDateTime::currentMSecsSinceEpoch());
    frame.window.menus().history->trigger();
    auto* window = frame.window.findChild<HistoryWindow*>();
    ASSERT_TRUE(window && QTest::qWaitForWindowExposed(window));
    const QStringList all = shown(window);
    ASSERT_EQ(all.size(), 7) << all.join('|');
    EXPECT_EQ(all[0], "Today");
    EXPECT_EQ(all[1], "  http://new.test/");
    EXPECT_EQ(all.mid(5), (QStringList{"  http://old.test/b", "  http://old.test/a"}))
        << "newest first";
    const auto drawn = [](const QIcon& icon) { return icon.pixmap(16, 16).toImage(); };
    EXPECT_FALSE(builtInPicture(Picture::MenuHistory).isNull());
    EXPECT_EQ(drawn(window->windowIcon()), drawn(picture(Picture::MenuHistory)));
    EXPECT_NE(drawn(window->windowIcon()), drawn(picture(Picture::MenuFavorites)));

    QTest::keyClicks(window->searchBox(), "ALPHA old");
    ASSERT_TRUE(waitUntil([&] { return window->model()->visitCount() == 1; }));
    EXPECT_EQ(shown(window).last(), "  http://old.test/a");
    QTest::keyClick(window->searchBox(), Qt::Key_Return);
    EXPECT_EQ(frame.engine(1)->navigated().last(), "http://old.test/a");
    QTest::keyClick(window->searchBox(), Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(frame.area().count(), 2) << "Ctrl+Enter: a new document";
    EXPECT_EQ(frame.set().address(2), "http://old.test/a");

    window->searchBox()->clear();
    ASSERT_TRUE(waitUntil([&] { return window->model()->visitCount() == 4; }));
    QTreeView* view = window->view();
    const QModelIndex today = window->model()->index(0, 0);
    const QRect first = view->visualRect(window->model()->index(0, 0, today));
    QTest::mouseClick(view->viewport(), Qt::MiddleButton, {}, first.center());
    EXPECT_EQ(frame.area().count(), 3) << "the middle button: a new document";
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(static_cast<FakeEngine*>(frame.area().activeDocument()->engine())->navigated().last(),
              "http://new.test/");

    view->setCurrentIndex(window->model()->index(0, 0, today));
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(window->model()->visitCount(), 3);
    EXPECT_FALSE(recorded().join('|').contains("new.test"));

    // The right-click menu removes every visit to the site of the row.
    const QModelIndex older = window->model()->index(window->model()->rowCount() - 1, 0);
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* action : menu ? menu->actions() : QList<QAction*>())
            if (action->text() == "Delete All Visits to This Site")
                action->trigger(), menu->close();
    });
    view->scrollTo(window->model()->index(0, 0, older));
    Q_EMIT view->customContextMenuRequested(
        view->visualRect(window->model()->index(0, 0, older)).center());
    EXPECT_EQ(recorded(), QStringList{"http://site.test/1 Site One"});
    EXPECT_EQ(shown(window), (QStringList{"Yesterday", "  http://site.test/1"}));
}

// A month the user opened stays open when new visits come; chosen, it goes whole, also before
// the window has read it all.
TEST_F(HistoryTest, AChosenMonthStaysOpenAndGoesWhole) {
    for (int i = 0; i < 2 * HistoryWindow::kFirstVisits; ++i)
        history().recordVisit(QString("http://m.test/%1").arg(i), "M", 1'700'000'000'000 + i);
    frame.window.menus().history->trigger();
    auto* window = frame.window.findChild<HistoryWindow*>();
    ASSERT_TRUE(window);
    const auto month = [&] { return window->model()->index(window->model()->rowCount() - 1, 0); };
    window->view()->expand(month());
    history().recordVisit("http://kept.test/", "Kept", QDateTime::currentMSecsSinceEpoch());
    history().flush();
    EXPECT_TRUE(window->view()->isExpanded(month()));
    const QModelIndex today = window->model()->index(0, 0);
    window->view()->setCurrentIndex(today);
    window->view()->collapse(today);
    history().recordVisit("http://kept.test/", "Kept", QDateTime::currentMSecsSinceEpoch());
    history().flush();
    EXPECT_FALSE(window->view()->isExpanded(window->model()->index(0, 0)));
    ASSERT_TRUE(window->isLoading());
    window->view()->setCurrentIndex(month());
    QTest::keyClick(window->view(), Qt::Key_Delete);
    EXPECT_EQ(recorded(), (QStringList{"http://kept.test/ Kept", "http://kept.test/ Kept"}));
}

TEST_F(HistoryTest, PrivateDocumentsAreMarkedAndKeptOutOfEveryList) {
    appSettings().saveAllOnExit = true;
    frame.window.menus().newPrivateDocument->trigger();
    ASSERT_EQ(frame.area().count(), 2);
    DocumentWindow* secret = frame.doc(2);
    ASSERT_TRUE(secret->isPrivate());
    EXPECT_EQ(frame.window.focusWidget(), frame.window.addressPanel()->addressBox()) << "ready";
    QTest::keyClicks(frame.window.addressPanel()->addressBox(), "secret.test/typed");
    QTest::keyClick(frame.window.addressPanel()->addressBox(), Qt::Key_Return);
    EXPECT_EQ(frame.engine(2)->navigated().last(), "secret.test/typed");
    load(frame.engine(2), "http://secret.test/", "Secret");
    for (const QString& text : {frame.set().rowText(2), frame.set().tabCaption(2),
                                frame.set().tabToolTip(2), secret->windowTitle()})
        EXPECT_TRUE(text.startsWith("[Private]")) << text;
    EXPECT_FALSE(frame.doc(1)->windowTitle().startsWith("[Private]"));

    // A link it opens in a new window opens privately too.
    frame.engine(2)->fireNewWindow("http://secret.test/link");
    ASSERT_EQ(frame.area().count(), 3);
    EXPECT_TRUE(frame.doc(3)->isPrivate());

    // Its answers hold for the question only.
    frame.engine(2)->firePermission("http://secret.test", SitePermission::Location);
    PermissionQuestion* question = frame.window.pageQuestions()->openQuestions().value(0);
    ASSERT_TRUE(question);
    question->rememberBox()->setChecked(true);
    question->allowButton()->click();
    EXPECT_TRUE(frame.engine(2)->calls().join('|').contains("allow"));
    EXPECT_TRUE(frame.window.pageQuestions()->rememberedAnswers().entries().isEmpty());

    frame.doc(3)->closeDocument();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame.window.menus().reopenClosed->isEnabled()) << "not in Recently Closed";
    // The session file and the saved documents, written at the close.
    frame.window.close();
    const QString session = QString::fromUtf8(test::readFile(SessionFile::defaultPath()));
    EXPECT_FALSE(session.isEmpty());
    const QStringList lists = {recorded().join('|'), frame.window.addressPanel()->items().join('|'),
                               session, IsolatedHome::stored("Document2")};
    for (const QString& kept : lists)
        EXPECT_FALSE(kept.contains("secret")) << kept;
    EXPECT_EQ(IsolatedHome::stored("DocumentCount"), "1");
}

} // namespace
} // namespace kelvane::test
