#include "navigator/navigatorwindow.h"

#include "documents/documenthost.h"
#include "documents/documentset.h"
#include "documents/documentwindow.h"
#include "fakes/fakeengine.h"
#include "support/isolation.h"
#include "ui/tabicons.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <memory>

using namespace kelvane;
using kelvane::test::FakeEngineFactory;
using kelvane::test::FakeEngine;

namespace {

// A frame for real document windows on fake engines; its loading animation is the
// Navigator's, as in the main window.
class Host : public DocumentHost {
public:
    DocumentSet& documents() override { return set; }
    EngineFactory& engines() override { return factory; }
    void updateDocumentCommands() override {}
    bool isAddressBeingEdited() const override { return false; }
    void selectTab(int) override {}
    DocumentWindow* openWindowForRequest() override { return nullptr; }
    void startLoadingAnimation() override {
        if (navigator)
            navigator->startLoadingAnimation();
    }
    void stopLoadingAnimation() override {
        if (navigator)
            navigator->stopLoadingAnimation();
    }

    DocumentSet set;
    FakeEngineFactory factory;
    NavigatorWindow* navigator = nullptr;
};

class NavigatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner = std::make_unique<QWidget>();
        navigator = new NavigatorWindow(host.set, owner.get());
        host.navigator = navigator;
    }
    void TearDown() override {
        host.navigator = nullptr;
        mdi.reset();
        owner.reset();
    }

    // Opens `count` documents in a document area, titled "Site 1", "Site 2"...
    void openDocuments(int count) {
        mdi = std::make_unique<QMdiArea>();
        for (int i = 1; i <= count; ++i) {
            auto* doc = new DocumentWindow(host);
            mdi->addSubWindow(doc);
            host.set.append(doc, QString(), QString());
            doc->WebBrowser1_TitleChange(QStringLiteral("Site %1").arg(i));
            docs.append(doc);
        }
        mdi->show();
    }
    FakeEngine* engine(int i) const {
        return static_cast<FakeEngine*>(docs.at(i)->engine());
    }
    void selectRow(int row) {
        navigator->list()->selectionModel()->select(host.set.index(row, 0),
                                                         QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
    }
    // Runs Timer1 by hand until it stops (at most `limit` ticks); the heights after each tick.
    QList<int> tickUntilStopped(int limit = 30) {
        QList<int> heights;
        for (int i = 0; i < limit && navigator->resizeTimer()->isActive(); ++i) {
            navigator->resizeTick();
            heights.append(navigator->heightTwips());
        }
        return heights;
    }

    test::IsolatedHome home;
    Host host;
    std::unique_ptr<QWidget> owner;
    NavigatorWindow* navigator = nullptr; // owned by `owner`
    std::unique_ptr<QMdiArea> mdi;
    QList<QPointer<DocumentWindow>> docs;
};

TEST_F(NavigatorTest, DesignCaptionsAndControls) {
    EXPECT_EQ(navigator->windowTitle(), QStringLiteral("Navigator"));
    EXPECT_EQ(navigator->property("Tag").toString(), QStringLiteral("0"));
    EXPECT_TRUE(navigator->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(navigator->parentWidget(), owner.get());

    QTreeView* list = navigator->list();
    EXPECT_EQ(list->model(), &host.set);
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Site"));
    EXPECT_EQ(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Status"));
    // 6068 and 2540 hundredths of a millimetre at the screen's logical DPI.
    const double dpi = navigator->logicalDpiY();
    EXPECT_NEAR(list->columnWidth(0), 6068 / 2540.0 * dpi, 1.0);
    EXPECT_NEAR(list->columnWidth(1), dpi, 1.0);

    const struct {
        const char* key;
        const char* caption;
        const char* toolTip;
    } buttons[] = {
        {"New", "New", "New site"},
        {"Close", "Close", "Close selected site"},
        {"Refresh", "Refresh", "Reload current site"},
        {"Stop", "Stop", "Stop loading site"},
    };
    QList<QAction*> actions = navigator->toolbar()->actions();
    ASSERT_EQ(actions.size(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(buttons[i].key);
        EXPECT_EQ(actions[i]->objectName(), QLatin1String(buttons[i].key));
        EXPECT_EQ(actions[i]->text(), QLatin1String(buttons[i].caption));
        EXPECT_EQ(actions[i]->toolTip(), QLatin1String(buttons[i].toolTip));
        EXPECT_FALSE(actions[i]->icon().isNull());
    }
    EXPECT_FALSE(navigator->pinButton()->icon().isNull());
    EXPECT_FALSE(navigator->resizeTimer()->isActive());
    EXPECT_FALSE(navigator->loadingTimer()->isActive());
}

TEST_F(NavigatorTest, ShrinksAndGrowsByTimer1) {
    const struct {
        const char* name;
        int start;
        bool shrink;
        bool pinned;
        QList<int> heights; // after each tick until the timer stops
    } cases[] = {
        {"grow past 5000 once", 4800, false, false, {5250, 5250}},
        {"grown already", 5000, false, false, {5000}},
        {"shrink in ten ticks",
         5000,
         true,
         false,
         {4550, 4100, 3650, 3200, 2750, 2300, 1850, 1400, 950, 500, 500}},
        {"grow back in ten ticks",
         500,
         false,
         false,
         {950, 1400, 1850, 2300, 2750, 3200, 3650, 4100, 4550, 5000, 5000}},
        {"shrunk already", 600, true, false, {600}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        navigator->setHeightTwips(c.start);
        ASSERT_EQ(navigator->heightTwips(), c.start);
        c.shrink ? navigator->startShrink() : navigator->startGrow();
        EXPECT_EQ(navigator->resizeTimer()->property("Tag").toString(),
                  QLatin1String(c.shrink ? "1" : "0"));
        EXPECT_EQ(navigator->resizeTimer()->interval(), 50);
        EXPECT_EQ(tickUntilStopped(), c.heights);
        EXPECT_FALSE(navigator->resizeTimer()->isActive());
    }
}

TEST_F(NavigatorTest, PinKeepsTheHeightAndNamesTheNextClick) {
    QToolButton* pin = navigator->pinButton();
    EXPECT_EQ(pin->toolTip(), QStringLiteral("Keep visible"));
    pin->click();
    EXPECT_TRUE(pin->isChecked());
    EXPECT_EQ(pin->toolTip(), QStringLiteral("Auto shrink"));

    for (bool shrink : {true, false}) {
        navigator->setHeightTwips(3000);
        shrink ? navigator->startShrink() : navigator->startGrow();
        for (int i = 0; i < 5; ++i)
            navigator->resizeTick();
        EXPECT_EQ(navigator->heightTwips(), 3000);
    }

    pin->click();
    EXPECT_FALSE(pin->isChecked());
    EXPECT_EQ(pin->toolTip(), QStringLiteral("Keep visible"));
    navigator->resizeTick();
    EXPECT_EQ(navigator->heightTwips(), 3450);
}

TEST_F(NavigatorTest, ShrinkKeepsTheTopEdge) {
    navigator->show();
    const int top = navigator->geometry().top();
    navigator->setHeightTwips(5000);
    navigator->startShrink();
    tickUntilStopped();
    EXPECT_EQ(navigator->geometry().top(), top);
    EXPECT_LE(navigator->heightTwips(), 600);
}

TEST_F(NavigatorTest, MouseOverTheWindowOrTheListGrows) {
    for (QWidget* target : {static_cast<QWidget*>(navigator), navigator->list()->viewport()}) {
        navigator->startShrink();
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        EXPECT_EQ(navigator->resizeTimer()->property("Tag").toString(), QStringLiteral("0"));
        EXPECT_TRUE(navigator->resizeTimer()->isActive());
    }
}

TEST_F(NavigatorTest, ActivationGrowsAndDeactivationShrinks) {
    QWidget other;
    other.show();
    navigator->show();
    navigator->activateWindow();
    if (!QTest::qWaitForWindowActive(navigator))
        GTEST_SKIP() << "this platform does not activate windows";
    EXPECT_EQ(navigator->resizeTimer()->property("Tag").toString(), QStringLiteral("0"));
    EXPECT_TRUE(navigator->resizeTimer()->isActive());

    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(navigator->resizeTimer()->property("Tag").toString(), QStringLiteral("1"));
    EXPECT_TRUE(navigator->resizeTimer()->isActive());
}

TEST_F(NavigatorTest, CloseBoxOnlyHidesUntilTheMainWindowAllows) {
    openDocuments(2);
    navigator->show();
    QSignalSpy visibility(navigator, &NavigatorWindow::visibilityChanged);

    EXPECT_FALSE(navigator->close());
    EXPECT_FALSE(navigator->isVisible());
    ASSERT_EQ(visibility.size(), 1);
    EXPECT_FALSE(visibility.last().at(0).toBool());
    // Shown again, it still lists every document.
    navigator->show();
    ASSERT_EQ(visibility.size(), 2);
    EXPECT_TRUE(visibility.last().at(0).toBool());
    ASSERT_EQ(navigator->list()->model()->rowCount(), 2);
    EXPECT_EQ(host.set.rowText(2), QStringLiteral("Site 2"));

    navigator->setProperty("Tag", QStringLiteral("1"));
    EXPECT_TRUE(navigator->close());
    EXPECT_FALSE(navigator->isVisible());
    EXPECT_FALSE(visibility.last().at(0).toBool());
}

TEST_F(NavigatorTest, LoadingDotsCountOnAndResetWhenAnyDocumentCompletes) {
    openDocuments(2);
    engine(0)->fireProgress(10, 100);
    engine(1)->fireProgress(20, 100);
    EXPECT_TRUE(navigator->loadingTimer()->isActive());
    EXPECT_EQ(navigator->loadingTimer()->interval(), 300);
    EXPECT_EQ(host.set.status(1), QStringLiteral("10%"));

    QStringList titles;
    for (int i = 0; i < 7; ++i) {
        navigator->loadingTick();
        titles.append(navigator->windowTitle());
    }
    EXPECT_EQ(titles, QStringList({"Navigator.", "Navigator..", "Navigator...", "Navigator....",
                                   "Navigator.....", "Navigator", "Navigator."}));

    // The first document to finish stops the animation though the second still loads.
    engine(0)->fireProgress(0, 0);
    EXPECT_FALSE(navigator->loadingTimer()->isActive());
    EXPECT_EQ(navigator->windowTitle(), QStringLiteral("Navigator"));
    EXPECT_TRUE(docs.at(1)->IsLoading);
    EXPECT_EQ(host.set.status(1), QStringLiteral("Completed"));

    // The count carries on where it stopped.
    engine(1)->fireProgress(50, 100);
    navigator->loadingTick();
    EXPECT_EQ(navigator->windowTitle(), QStringLiteral("Navigator.."));
}

TEST_F(NavigatorTest, RepeatedProgressDoesNotHoldBackTheAnimation) {
    openDocuments(1);
    engine(0)->fireProgress(10, 100);
    ASSERT_TRUE(navigator->loadingTimer()->isActive());
    // Reports arriving faster than the animation ticks must still let it tick.
    QTimer reports;
    QObject::connect(&reports, &QTimer::timeout, [&] { engine(0)->fireProgress(50, 100); });
    reports.start(20);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return navigator->windowTitle() != QStringLiteral("Navigator"); }, 5000));
}

TEST_F(NavigatorTest, ToolbarActsOnTheSelectedRowOnly) {
    openDocuments(3);
    QSignalSpy newRequests(navigator, &NavigatorWindow::newRequested);

    // Nothing selected: Close, Refresh and Stop do nothing.
    for (const char* key : {"Close", "Refresh", "Stop"})
        navigator->toolbarButton(QLatin1String(key))->trigger();
    EXPECT_EQ(host.set.count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(engine(i)->refreshCount(), 0);
        EXPECT_EQ(engine(i)->stopCount(), 0);
    }

    selectRow(1);
    navigator->toolbarButton(QStringLiteral("Refresh"))->trigger();
    navigator->toolbarButton(QStringLiteral("Stop"))->trigger();
    EXPECT_EQ(engine(0)->refreshCount() + engine(2)->refreshCount(), 0);
    EXPECT_EQ(engine(1)->refreshCount(), 1);
    EXPECT_EQ(engine(1)->stopCount(), 1);

    navigator->toolbarButton(QStringLiteral("Close"))->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return docs.at(1).isNull(); }));
    ASSERT_EQ(host.set.count(), 2);
    EXPECT_EQ(host.set.rowText(2), QStringLiteral("Site 3"));

    // New asks the main window to open Home 1, with or without a selection.
    navigator->toolbarButton(QStringLiteral("New"))->trigger();
    EXPECT_EQ(newRequests.size(), 1);
}

TEST_F(NavigatorTest, NewButtonDropsDownTheMainWindowsNewMenu) {
    QMenu newMenu;
    newMenu.addAction(QStringLiteral("&Blank Page"));
    navigator->setNewMenu(&newMenu);
    auto* button = qobject_cast<QToolButton*>(
        navigator->toolbar()->widgetForAction(navigator->toolbarButton(QStringLiteral("New"))));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->menu(), &newMenu);
    EXPECT_EQ(button->popupMode(), QToolButton::MenuButtonPopup);
}

TEST_F(NavigatorTest, RowClickBringsItsDocumentToTheFront) {
    openDocuments(3);
    mdi->setActiveSubWindow(mdi->subWindowList().at(2));

    // A click with no row selected changes nothing.
    navigator->rowClicked();
    EXPECT_EQ(mdi->activeSubWindow()->widget(), docs.at(2).data());

    selectRow(0);
    navigator->show();
    mdi->activateWindow();
    navigator->rowClicked();
    EXPECT_EQ(mdi->activeSubWindow()->widget(), docs.at(0).data());
    // The Navigator takes the keyboard focus back.
    EXPECT_TRUE(QTest::qWaitForWindowActive(navigator));
    EXPECT_TRUE(navigator->list()->hasFocus());
}

TEST(TabIcons, TwelveDistinctPicturesSharpAtDoubleDensity) {
    QList<QImage> images;
    for (int i = 0; i < kTabIconCount; ++i) {
        SCOPED_TRACE(i);
        const QIcon icon = tabIcon(i);
        ASSERT_FALSE(icon.isNull());
        const QPixmap normal = icon.pixmap(QSize(16, 16), 1.0);
        EXPECT_EQ(normal.size(), QSize(16, 16));
        const QPixmap dense = icon.pixmap(QSize(16, 16), 2.0);
        EXPECT_EQ(dense.size(), QSize(32, 32));
        EXPECT_EQ(dense.devicePixelRatio(), 2.0);
        const QImage image = normal.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int j = 0; j < images.size(); ++j)
            EXPECT_NE(image, images.at(j)) << "same picture as " << j;
        images.append(image);
    }
    EXPECT_TRUE(tabIcon(-1).isNull());
    EXPECT_TRUE(tabIcon(kTabIconCount).isNull());
}

} // namespace
