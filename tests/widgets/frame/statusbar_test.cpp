#include "frame/statusbar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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
        return bar->findChild<QWidget*>(QStringLiteral("Item%1").arg(index));
    }
    QLabel* label(int index) const { return qobject_cast<QLabel*>(panel(index)); }
    QImage grabProgress() const { return panel(6)->grab().toImage(); }

    QMainWindow window;
    StatusBar* bar = new StatusBar;
};

TEST_F(StatusBarTest, SixPanelsInOrderWithTheirWidthsAndTheFirstFillsTheRest) {
    const int minimum[] = {145, 145, 16, 16, 16, 172};
    int left = -1;
    for (int i = 1; i <= 6; ++i) {
        ASSERT_NE(panel(i), nullptr) << i;
        EXPECT_GT(panel(i)->x(), left) << i;
        left = panel(i)->x();
        EXPECT_GE(panel(i)->width(), minimum[i - 1]) << i;
    }
    const int textWidth = panel(1)->width();
    const int clockWidth = panel(2)->width();
    window.resize(1100, 300);
    QApplication::processEvents();
    EXPECT_EQ(panel(1)->width(), textWidth + 200);
    EXPECT_EQ(panel(2)->width(), clockWidth);

    bar->setStatusText(QString(500, u'x')); // a long text never widens the window
    QApplication::processEvents();
    EXPECT_EQ(window.width(), 1100);
}

TEST_F(StatusBarTest, ClockShowsShortDateFourBlanksAndTimeWithSeconds) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(StatusBar::clockText(QDateTime(QDate(2026, 5, 12), QTime(14, 3, 27))),
              QStringLiteral("12.05.26    14:03:27"));
    QLocale::setDefault(QLocale::system());
    bar->updateClock();
    EXPECT_TRUE(label(2)->text().contains(QStringLiteral("    ")));
    EXPECT_EQ(label(2)->toolTip(), label(2)->text());
    EXPECT_TRUE(bar->clockTimer()->isActive());
}

TEST_F(StatusBarTest, DoubleClicksOnPicturesRequestOptionsAndToggle) {
    QSignalSpy options(bar, &StatusBar::optionsRequested);
    QSignalSpy toggle(bar, &StatusBar::popupToggleRequested);
    for (int i = 1; i <= 5; ++i)
        QTest::mouseDClick(panel(i), Qt::LeftButton);
    EXPECT_EQ(options.count(), 1);
    EXPECT_EQ(toggle.count(), 1);
    EXPECT_FALSE(label(3)->pixmap().isNull()); // our pictures are compiled in

    bar->setSecure(true);
    EXPECT_FALSE(label(5)->pixmap().isNull());
    bar->setSecure(false);
    EXPECT_TRUE(label(5)->pixmap().isNull());
}

TEST_F(StatusBarTest, KillFlashAlternatesAndSettlesOnTheSixthTick) {
    using P = PopupPicture;
    // The blocker is on at the kill; in the second run the user switches it off at once.
    for (const bool allowed : {false, true}) {
        bar->setPopupsAllowed(false);
        EXPECT_EQ(bar->popupPicture(), P::Blocked);
        bar->setPopupsAllowed(allowed);
        int ticks = 0;
        QList<P> shown;
        do {
            ticks = bar->advancePopupFlash(ticks);
            shown << bar->popupPicture();
        } while (ticks != 0 && shown.size() < 10);
        const QList<P> expected = {P::Killed,  P::Blocked, P::Killed,
                                   P::Blocked, P::Killed,  allowed ? P::Allowed : P::Blocked};
        EXPECT_EQ(shown, expected) << "allowed " << allowed;
    }
}

TEST_F(StatusBarTest, KilledPopupsAreCountedAndListedNewestFirst) {
    EXPECT_TRUE(label(4)->toolTip().endsWith(QStringLiteral(": 0")));
    QContextMenuEvent empty(QContextMenuEvent::Mouse, {5, 5}, panel(4)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(panel(4), &empty);
    ASSERT_EQ(bar->killedPopupsMenu()->actions().size(), 1);
    EXPECT_FALSE(bar->killedPopupsMenu()->actions()[0]->isEnabled());
    bar->killedPopupsMenu()->hide();

    for (int i = 1; i <= 12; ++i)
        bar->recordKilledPopup(QStringLiteral("http://pop.example/%1").arg(i),
                               QStringLiteral("http://page.example/"));
    EXPECT_TRUE(label(4)->toolTip().endsWith(QStringLiteral(": 12")));

    QContextMenuEvent click(QContextMenuEvent::Mouse, {5, 5}, panel(4)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(panel(4), &click);
    QMenu* menu = bar->killedPopupsMenu();
    EXPECT_TRUE(menu->isVisible());
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 10);
    EXPECT_TRUE(actions[0]->text().contains(QStringLiteral("pop.example/12")));
    EXPECT_TRUE(actions[0]->text().contains(QStringLiteral("page.example")));
    EXPECT_TRUE(actions[9]->text().contains(QStringLiteral("pop.example/3")));

    QSignalSpy chosen(bar, &StatusBar::killedPopupChosen);
    actions[1]->trigger();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toString(), QStringLiteral("http://pop.example/11"));
}

TEST_F(StatusBarTest, ProgressPanelDrawsNothingAtZeroAndTheBarOtherwise) {
    const QImage idle = grabProgress();
    bar->setProgressPercent(50);
    EXPECT_EQ(bar->progressBar().text(), QStringLiteral("Loading"));
    EXPECT_TRUE(bar->progressBar().showPercentage());
    const QImage half = grabProgress();
    // The filled half is recoloured in blue, the other half keeps the slate gradient.
    const QRgb filled = half.pixel(40, 10);
    const QRgb open = half.pixel(130, 10);
    EXPECT_GT(qBlue(filled) - qRed(filled), 80);
    EXPECT_LT(qBlue(open) - qRed(open), 80);
    half.save(QDir::temp().filePath(QStringLiteral("kelvane-statusbar-50.png")));

    bar->setProgressPercent(100);
    EXPECT_EQ(bar->progressBar().text(), QStringLiteral("Complete"));
    EXPECT_FALSE(bar->progressBar().showPercentage());
    window.grab().save(QDir::temp().filePath(QStringLiteral("kelvane-statusbar-100.png")));

    bar->setProgressPercent(0);
    EXPECT_EQ(grabProgress(), idle);
}

} // namespace
