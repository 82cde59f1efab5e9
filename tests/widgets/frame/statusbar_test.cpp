#include "base/appsettings.h"
#include "frame/statusbar.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

class StatusBarTest : public ::testing::Test {
protected:
    StatusBarTest() {
        window.setStatusBar(bar);
        window.resize(900, 300);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget* panel(int index) const {
        return bar->findChild<QWidget*>(QString("Item%1").arg(index));
    }
    QLabel* label(int index) const { return qobject_cast<QLabel*>(panel(index)); }

    QMainWindow window;
    StatusBar* bar = new StatusBar;
};

TEST_F(StatusBarTest, SixPanelsInOrderTheFirstTakingTheRoomAndAClock) {
    for (int i = 2; i <= 6; ++i)
        EXPECT_GT(panel(i)->x(), panel(i - 1)->x()) << i;
    const int textWidth = panel(1)->width(), clockWidth = panel(2)->width();
    bar->setStatusText(QString(500, u'x')); // a long text never widens the window
    window.resize(1100, 300);
    QApplication::processEvents();
    EXPECT_EQ(panel(1)->width(), textWidth + 200);
    EXPECT_EQ(panel(2)->width(), clockWidth);
    EXPECT_EQ(window.width(), 1100);

    // The clock: short date, four blanks, time with seconds, every second.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(StatusBar::clockText(QDateTime(QDate(2026, 5, 12), QTime(14, 3, 27))),
              "12.05.26    14:03:27");
    QLocale::setDefault(QLocale::system());
    EXPECT_EQ(label(2)->toolTip(), label(2)->text());
    EXPECT_TRUE(bar->clockTimer()->isActive());
}

TEST_F(StatusBarTest, DoubleClicksOnPicturesAndTheKillFlashThatSettlesOnTheSixthTick) {
    QSignalSpy options(bar, &StatusBar::optionsRequested);
    appSettings().popUpEnabled = true;
    bar->setPopupsAllowed(true);
    for (int i = 1; i <= 5; ++i)
        QTest::mouseDClick(panel(i), Qt::LeftButton);
    EXPECT_EQ(options.count(), 1);
    // The popup picture's double click switches the blocker, in the settings and the picture.
    EXPECT_FALSE(appSettings().popUpEnabled);
    EXPECT_EQ(bar->popupPicture(), PopupPicture::Blocked);
    QList<QImage> padlocks; // our pictures are compiled in: never none
    for (const auto security : {PageSecurity::Secure, PageSecurity::NotSecure}) {
        bar->setSecurity(security);
        padlocks << label(5)->pixmap().toImage();
    }
    EXPECT_FALSE(padlocks[0].isNull() || padlocks[1].isNull() || padlocks[0] == padlocks[1]);
    EXPECT_EQ(label(5)->toolTip(), "Not secure");
    bar->setSecurity(PageSecurity::Plain);
    EXPECT_TRUE(label(5)->pixmap().isNull());

    using P = PopupPicture;
    // The blocker is on at the kill; in the second run the user switches it off at once.
    for (const bool allowed : {false, true}) {
        bar->setPopupsAllowed(allowed);
        int ticks = 0;
        QList<P> shown;
        do {
            ticks = bar->advancePopupFlash(ticks);
            shown << bar->popupPicture();
        } while (ticks != 0 && shown.size() < 10);
        EXPECT_EQ(shown, (QList<P>{P::Killed, P::Blocked, P::Killed, P::Blocked, P::Killed,
                                   allowed ? P::Allowed : P::Blocked}))
            << "allowed " << allowed;
    }
}

TEST_F(StatusBarTest, KilledPopupsAreCountedAndListedNewestFirst) {
    for (int i = 1; i <= 12; ++i)
        bar->recordKilledPopup(QString("http://pop.example/%1").arg(i), "http://page.example/",
                               i == 12);
    EXPECT_TRUE(label(4)->toolTip().endsWith(": 12"));
    QContextMenuEvent click(QContextMenuEvent::Mouse, {5, 5}, panel(4)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(panel(4), &click);
    EXPECT_TRUE(bar->killedPopupsMenu()->isVisible());
    const QList<QAction*> actions = bar->killedPopupsMenu()->actions();
    ASSERT_EQ(actions.size(), 10);
    EXPECT_TRUE(actions[0]->text().contains("pop.example/12") &&
                actions[0]->text().contains("page.example"));
    EXPECT_TRUE(actions[0]->text().contains("blocked site") &&
                !actions[1]->text().contains("blocked site"));
    EXPECT_TRUE(actions[9]->text().contains("pop.example/3"));

    QSignalSpy chosen(bar, &StatusBar::killedPopupChosen);
    actions[1]->trigger();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toString(), "http://pop.example/11");
}

TEST_F(StatusBarTest, ProgressPanelDrawsNothingAtZeroAndTheBarOtherwise) {
    const auto grab = [this] { return panel(6)->grab().toImage(); };
    const QImage idle = grab();
    bar->setProgressPercent(50);
    EXPECT_TRUE(bar->progressBar().text() == "Loading" && bar->progressBar().showPercentage());
    // The filled half is recoloured in blue, the other half keeps the slate gradient.
    const QImage half = grab();
    EXPECT_GT(qBlue(half.pixel(40, 10)) - qRed(half.pixel(40, 10)), 80);
    EXPECT_LT(qBlue(half.pixel(130, 10)) - qRed(half.pixel(130, 10)), 80);
    bar->setProgressPercent(100);
    EXPECT_TRUE(bar->progressBar().text() == "Complete" && !bar->progressBar().showPercentage());
    bar->setProgressPercent(0);
    EXPECT_EQ(grab(), idle);
}

} // namespace
