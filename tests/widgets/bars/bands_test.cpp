#include "bars/bandcontainer.h"
#include "bars/browsetoolbar.h"
#include "bars/sitestoolbar.h"
#include "bars/toolbarcustomizedialog.h"
#include "base/appsettings.h"
#include "base/settingsstore.h"
#include "frame/menus.h"
#include "frame/viewtoggles.h"
#include "support/isolation.h"
#include "ui/captions.h"
#include "ui/toolbaricons.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QMainWindow>
#include <QPainter>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>
#include <memory>

using namespace kelvane;

namespace {

const QString kApp = QStringLiteral("Kelvane");

void storeSetting(const QString& key, const QString& value) {
    writeSetting(kApp, QStringLiteral("Settings"), key, value);
}

QString storedSetting(const QString& key) {
    return readSetting(kApp, QStringLiteral("Settings"), key, QStringLiteral("<none>"));
}

// A placeholder for the address and tabs bands: a plain panel that takes no clicks.
QWidget* panel(const char* name, const QColor& colour) {
    auto* widget = new QWidget;
    widget->setObjectName(QLatin1String(name));
    widget->setAutoFillBackground(true);
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    return widget;
}

// Presses and releases the left button on the arrow part of a drop-down button, or on the
// middle of its main part.
QRect arrowRect(QToolButton* tool) {
    QStyleOptionToolButton option;
    option.initFrom(tool);
    option.subControls = QStyle::SC_ToolButton | QStyle::SC_ToolButtonMenu;
    option.features = QStyleOptionToolButton::MenuButtonPopup;
    return tool->style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButtonMenu,
                                         tool);
}

// A point of a toolbar's free area, right of its last button.
QPoint freePoint(QToolBar* bar) {
    int right = 0;
    for (QAction* action : bar->actions()) {
        if (QWidget* widget = bar->widgetForAction(action); widget && widget->isVisible())
            right = std::max(right, widget->geometry().right());
    }
    return QPoint((right + bar->width()) / 2, bar->height() / 2);
}

// Runs `action` on the modal dialog that the next call opens.
void onNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

// The main window's four bands in a shown frame 800 pixels wide.
class BandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<QWidget>();
        frame->resize(800, 300);
        auto* layout = new QVBoxLayout(frame.get());
        layout->setContentsMargins(0, 0, 0, 0);
        container = new BandContainer(frame.get());
        layout->addWidget(container);
        layout->addStretch(1);
        browse = new BrowseToolbar;
        sites = new SitesToolbar;
        address = panel("Picture2", QColor(0xf6, 0xf5, 0xf4));
        tabs = panel("Picture1", QColor(0xde, 0xdd, 0xda));
        container->addBand(QStringLiteral("Band1"), browse, 450, false);
        container->addBand(QStringLiteral("Band2"), sites, 450, true);
        container->addBand(QStringLiteral("Band3"), address, 375, true);
        container->addBand(QStringLiteral("Band4"), tabs, 375, true);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    QPoint gripCentre(int band) const { return container->gripRect(band).center(); }

    // A drag of a band's grip with the left button held, in steps, as a hand would.
    void dragGrip(int band, QPoint to) {
        const QPoint from = gripCentre(band);
        QTest::mousePress(container, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 4; ++step) {
            const QPoint at = from + (to - from) * step / 4;
            QMouseEvent move(QEvent::MouseMove, at, container->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(container, &move);
        }
        QTest::mouseRelease(container, Qt::LeftButton, Qt::NoModifier, to);
    }

    test::IsolatedHome home; // a fresh store for every test
    std::unique_ptr<QWidget> frame;
    BandContainer* container = nullptr;
    BrowseToolbar* browse = nullptr;
    SitesToolbar* sites = nullptr;
    QWidget* address = nullptr;
    QWidget* tabs = nullptr;
};

using Rows = QList<QList<int>>;

TEST_F(BandsTest, BandsByIndexAndKey) {
    ASSERT_EQ(container->bandCount(), 4);
    const QWidget* children[] = {browse, sites, address, tabs};
    const int heights[] = {450, 450, 375, 375};
    for (int i = 1; i <= 4; ++i) {
        Band* band = container->band(i);
        ASSERT_NE(band, nullptr);
        EXPECT_EQ(container->band(QStringLiteral("Band%1").arg(i)), band);
        EXPECT_EQ(band->child(), children[i - 1]);
        EXPECT_EQ(band->minHeight(), heights[i - 1]);
        EXPECT_EQ(band->child()->parentWidget(), container);
    }
    EXPECT_EQ(container->band(0), nullptr);
    EXPECT_EQ(container->band(5), nullptr);
    EXPECT_EQ(container->band(QStringLiteral("Band5")), nullptr);
}

TEST_F(BandsTest, FirstStartLayout) {
    container->loadLayout();
    EXPECT_EQ(container->rows(), (Rows{{1}, {2}, {3}, {4}}));
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(container->band(i)->width(), 1000.0f);
        // Alone in its row, each band takes the whole row.
        EXPECT_EQ(container->bandRect(i).width(), 800);
    }
    // Rows stack without overlapping, at least as high as the bands ask.
    for (int i = 2; i <= 4; ++i)
        EXPECT_GT(container->bandRect(i).top(), container->bandRect(i - 1).bottom());
    EXPECT_GE(container->bandRect(3).height(), 25); // 375 twips
    QApplication::processEvents();
    EXPECT_EQ(container->height(), container->bandRect(4).bottom() + 1);
}

TEST_F(BandsTest, LayoutRoundTripThroughTheStore) {
    storeSetting(QStringLiteral("BandRow2"), QStringLiteral("False"));
    storeSetting(QStringLiteral("BandWidth1"), QStringLiteral("4500"));
    storeSetting(QStringLiteral("BandRow4"), QStringLiteral("False"));
    storeSetting(QStringLiteral("BandWidth3"), QStringLiteral("6000"));
    container->loadLayout();
    EXPECT_EQ(container->rows(), (Rows{{1, 2}, {3, 4}}));
    EXPECT_EQ(container->bandRect(1).width(), 300); // 4500 twips at 15 twips a pixel
    EXPECT_EQ(container->bandRect(2).left(), 300);
    EXPECT_EQ(container->bandRect(2).width(), 500); // the rest of the row
    EXPECT_EQ(container->bandRect(2).top(), container->bandRect(1).top());
    EXPECT_EQ(container->bandRect(3).width(), 400);

    container->band(3)->setWidth(1234.5f);
    container->saveLayout();
    EXPECT_EQ(storedSetting(QStringLiteral("BandRow1")), QStringLiteral("False"));
    EXPECT_EQ(storedSetting(QStringLiteral("BandRow2")), QStringLiteral("False"));
    EXPECT_EQ(storedSetting(QStringLiteral("BandRow3")), QStringLiteral("True"));
    EXPECT_EQ(storedSetting(QStringLiteral("BandWidth3")), QStringLiteral("1234.5"));

    BandContainer again;
    for (int i = 1; i <= 4; ++i)
        again.addBand(QStringLiteral("Band%1").arg(i), new QWidget, 375, i != 1);
    again.loadLayout();
    EXPECT_EQ(again.rows(), (Rows{{1, 2}, {3, 4}}));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(again.band(i)->width(), container->band(i)->width()) << i;
}

TEST_F(BandsTest, HiddenBandsTakeNoRoomAndTheContainerFollowsThem) {
    container->loadLayout();
    container->band(2)->setVisible(false);
    EXPECT_EQ(container->rows(), (Rows{{1}, {3}, {4}}));
    EXPECT_TRUE(sites->isHidden());
    EXPECT_TRUE(container->bandRect(2).isEmpty());

    for (int i = 1; i <= 4; ++i)
        container->band(i)->setVisible(false);
    container->updateVisibility();
    EXPECT_TRUE(container->isHidden());
    for (int i = 1; i <= 4; ++i) {
        container->band(i)->setVisible(true);
        container->updateVisibility();
        EXPECT_FALSE(container->isHidden()) << "band " << i;
        container->band(i)->setVisible(false);
        container->updateVisibility();
        EXPECT_TRUE(container->isHidden());
    }
}

TEST_F(BandsTest, DraggingAGripSidewaysSharesTheRowAnew) {
    storeSetting(QStringLiteral("BandRow2"), QStringLiteral("False"));
    storeSetting(QStringLiteral("BandWidth1"), QStringLiteral("3000"));
    container->loadLayout();
    ASSERT_EQ(container->bandRect(1).width(), 200);
    QSignalSpy changed(container, &BandContainer::layoutChanged);

    dragGrip(2, gripCentre(2) + QPoint(60, 0));
    EXPECT_EQ(container->bandRect(1).width(), 260);
    EXPECT_EQ(container->band(1)->width(), 3900.0f);
    EXPECT_EQ(container->bandRect(2).left(), 260);
    EXPECT_EQ(container->rows(), (Rows{{1, 2}, {3}, {4}})) << "a sideways drag keeps the rows";
    EXPECT_GE(changed.count(), 1);

    // Band 1 cannot be squeezed away: the grip stops at its minimum.
    dragGrip(2, QPoint(-500, gripCentre(2).y()));
    EXPECT_GT(container->bandRect(1).width(), 0);
    EXPECT_LT(container->bandRect(1).width(), 60);
    EXPECT_EQ(container->bandRect(2).left(), container->bandRect(1).right() + 1);
}

TEST_F(BandsTest, DraggingAGripUpOrDownMovesTheBandToAnotherRow) {
    container->loadLayout();
    // Band 2 up: it joins band 1's row.
    dragGrip(2, QPoint(gripCentre(2).x() + 300, container->bandRect(1).center().y()));
    EXPECT_EQ(container->rows(), (Rows{{1, 2}, {3}, {4}}));
    EXPECT_FALSE(container->band(2)->newRow());
    EXPECT_GT(container->bandRect(2).left(), 0);

    // Band 3, alone in its row, down: it joins band 4's row.
    dragGrip(3, QPoint(gripCentre(3).x(), container->bandRect(4).center().y()));
    EXPECT_EQ(container->rows(), (Rows{{1, 2}, {3, 4}}));

    // Band 2 down again: a row of its own.
    dragGrip(2, QPoint(gripCentre(2).x(), container->bandRect(2).bottom() + 8));
    EXPECT_EQ(container->rows(), (Rows{{1}, {2}, {3, 4}}));

    // Band 1 cannot leave the top, and the first band of a shared row cannot go below it.
    dragGrip(1, QPoint(gripCentre(1).x(), -20));
    dragGrip(3, QPoint(gripCentre(3).x(), container->bandRect(3).bottom() + 40));
    EXPECT_EQ(container->rows(), (Rows{{1}, {2}, {3, 4}}));

    container->saveLayout();
    EXPECT_EQ(storedSetting(QStringLiteral("BandRow2")), QStringLiteral("True"));
    EXPECT_EQ(storedSetting(QStringLiteral("BandRow4")), QStringLiteral("False"));
}

TEST_F(BandsTest, RightReleaseAsksForTheBandPopupOnce) {
    QSignalSpy fromContainer(container, &BandContainer::contextMenuRequested);
    QSignalSpy fromBrowse(browse, &BrowseToolbar::contextMenuRequested);
    QSignalSpy fromSites(sites, &SitesToolbar::contextMenuRequested);
    sites->setUserLinks({UserLink{true, QStringLiteral("Site"), QStringLiteral("http://a/")}});

    auto rightClick = [](QWidget* widget, QPoint at) {
        QTest::mousePress(widget, Qt::RightButton, Qt::NoModifier, at);
        QTest::mouseRelease(widget, Qt::RightButton, Qt::NoModifier, at);
    };
    rightClick(container, gripCentre(3));
    rightClick(address, QPoint(20, 5));
    EXPECT_EQ(fromContainer.count(), 2);
    EXPECT_EQ(fromContainer.at(0).at(0).toPoint(), container->mapToGlobal(gripCentre(3)));

    rightClick(browse->widgetForAction(browse->button(QStringLiteral("Home"))), QPoint(5, 5));
    ASSERT_LT(freePoint(browse).x(), browse->width() - 2) << "the toolbar has a free area";
    rightClick(browse, freePoint(browse));
    rightClick(sites->widgetForAction(sites->button(1)), QPoint(5, 5));
    EXPECT_EQ(fromBrowse.count(), 2);
    EXPECT_EQ(fromSites.count(), 1);
    EXPECT_EQ(fromContainer.count(), 2) << "the toolbars keep their own right clicks";

    QTest::mouseClick(container, Qt::LeftButton, Qt::NoModifier, gripCentre(3));
    QTest::mouseClick(container, Qt::MiddleButton, Qt::NoModifier, gripCentre(3));
    EXPECT_EQ(fromContainer.count(), 2) << "other buttons do nothing";
}

TEST_F(BandsTest, BrowseToolbarButtonsAndCaptions) {
    const QStringList keys = {"New",   "Back",      "Forward", "Refresh", "Stop", "Home",
                              "Home2", "Separator", "Mail",    "Search",  "News"};
    EXPECT_EQ(BrowseToolbar::keys(), keys);
    applyCaptions(frame.get());

    struct Case {
        const char* key;
        QString caption;
        QString toolTip;
    };
    const Case cases[] = {
        {"New", "New", "New site"},
        {"Back", "Back", "Navigate to previous site"},
        {"Forward", "Forward", "Navigate to next site"},
        {"Refresh", "Refresh", "Reload current site"},
        {"Stop", "Stop", "Stop loading site"},
        {"Home", "Home", "Go to primary home page"},
        {"Home2", "Home", "Go to secondary home page"},
        {"Mail", "Mail", "Load Mail site"},
        {"Search", "Search", "Load Search engine"},
        {"News", "News", "Load News page"},
    };
    for (const Case& c : cases) {
        QAction* action = browse->button(QLatin1String(c.key));
        ASSERT_NE(action, nullptr) << c.key;
        EXPECT_EQ(action, browse->button(int(keys.indexOf(QLatin1String(c.key))) + 1));
        EXPECT_EQ(action->text(), c.caption) << c.key;
        EXPECT_EQ(action->toolTip(), c.toolTip) << c.key;
        EXPECT_FALSE(action->icon().isNull()) << c.key;
    }
    EXPECT_TRUE(browse->button(8)->isSeparator());
    EXPECT_EQ(browse->button(8)->objectName(), QStringLiteral("Separator"));
    EXPECT_EQ(browse->button(0), nullptr);
    EXPECT_EQ(browse->button(12), nullptr);
    EXPECT_EQ(browse->button(QStringLiteral("Link")), nullptr);
}

TEST_F(BandsTest, BrowseToolbarDispatchesByKeyButNeverTheSeparator) {
    QSignalSpy clicked(browse, &BrowseToolbar::buttonClicked);
    QStringList seen;
    for (QAction* action : browse->actions()) {
        if (QWidget* button = browse->widgetForAction(action))
            QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
        action->trigger();
    }
    for (const QList<QVariant>& args : clicked)
        seen.append(args.at(0).toString());
    QStringList expected;
    for (const QString& key : BrowseToolbar::keys()) {
        if (key != QLatin1String("Separator"))
            expected << key << key; // a click and a trigger each
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(BandsTest, DocumentButtonsFollowTheDocumentCount) {
    for (const bool enabled : {false, true}) {
        browse->setDocumentButtonsEnabled(enabled);
        for (const QString& key : BrowseToolbar::keys()) {
            const bool documentButton =
                QStringList{"Back", "Forward", "Refresh", "Stop"}.contains(key);
            EXPECT_EQ(browse->button(key)->isEnabled(), documentButton ? enabled : true)
                << qPrintable(key);
        }
    }
    QSignalSpy clicked(browse, &BrowseToolbar::buttonClicked);
    browse->setDocumentButtonsEnabled(false);
    QTest::mouseClick(browse->widgetForAction(browse->button(QStringLiteral("Back"))),
                      Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(BandsTest, DropDownArrowsOfNewBackAndForward) {
    QSignalSpy dropDown(browse, &BrowseToolbar::dropDownRequested);
    QSignalSpy clicked(browse, &BrowseToolbar::buttonClicked);
    for (const char* key : {"New", "Back", "Forward"}) {
        auto* tool =
            qobject_cast<QToolButton*>(browse->widgetForAction(browse->button(QLatin1String(key))));
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->popupMode(), QToolButton::MenuButtonPopup);
        const QRect arrow = arrowRect(tool);
        ASSERT_TRUE(arrow.isValid()) << key;
        QTest::mouseClick(tool, Qt::LeftButton, Qt::NoModifier, arrow.center());
        ASSERT_EQ(dropDown.count(), 1) << key;
        EXPECT_EQ(dropDown.at(0).at(0).toString(), QLatin1String(key));
        EXPECT_EQ(dropDown.at(0).at(1).toPoint(), tool->mapToGlobal(QPoint(0, tool->height())));
        EXPECT_EQ(clicked.count(), 0) << "the arrow is not a click of the button";
        dropDown.clear();

        QTest::mouseClick(tool, Qt::LeftButton, Qt::NoModifier, QPoint(4, tool->height() / 2));
        EXPECT_EQ(dropDown.count(), 0);
        ASSERT_EQ(clicked.count(), 1);
        EXPECT_EQ(clicked.takeFirst().at(0).toString(), QLatin1String(key));
    }
    auto* refresh = qobject_cast<QToolButton*>(
        browse->widgetForAction(browse->button(QStringLiteral("Refresh"))));
    EXPECT_NE(refresh->popupMode(), QToolButton::MenuButtonPopup);
}

TEST_F(BandsTest, CustomisedLayoutSurvivesSaveAndRestore) {
    using ToolbarLayout::Entry;
    QList<Entry> layout = BrowseToolbar::designLayout();
    layout.move(10, 0);        // News first
    layout[5].visible = false; // Stop (now sixth) hidden
    ASSERT_EQ(layout[5].key, QStringLiteral("Stop"));
    ASSERT_TRUE(browse->applyLayout(layout));
    EXPECT_FALSE(browse->button(QStringLiteral("Stop"))->isVisible());
    EXPECT_EQ(browse->actions().first(), browse->button(QStringLiteral("News")));
    browse->saveLayout();

    // The drop-down buttons keep their arrows after the toolbar made new buttons.
    auto* back =
        qobject_cast<QToolButton*>(browse->widgetForAction(browse->button(QStringLiteral("Back"))));
    EXPECT_EQ(back->popupMode(), QToolButton::MenuButtonPopup);

    BrowseToolbar fresh;
    fresh.hide();
    fresh.restoreLayout();
    EXPECT_EQ(fresh.currentLayout(), layout);
    EXPECT_TRUE(fresh.isHidden()) << "the restore keeps the toolbar's visibility";
    EXPECT_EQ(fresh.button(QStringLiteral("Stop")), fresh.button(5)) << "indexes are the design's";
}

TEST_F(BandsTest, MissingOrUnreadableLayoutLeavesTheDesign) {
    const QString section = QStringLiteral("ViewSettings");
    const QString key = QStringLiteral("MainToolbar");
    const QStringList texts = {QString(), QStringLiteral("rubbish"),
                               QStringLiteral("1 New Back Forward"),
                               QStringLiteral("1 New New Back Forward Refresh Stop Home Home2 "
                                              "Separator Mail Search")};
    for (const QString& text : texts) {
        if (!text.isNull())
            writeSetting(kApp, section, key, text);
        BrowseToolbar fresh;
        fresh.restoreLayout();
        EXPECT_EQ(fresh.currentLayout(), BrowseToolbar::designLayout()) << qPrintable(text);
    }
    QList<ToolbarLayout::Entry> incomplete = BrowseToolbar::designLayout();
    incomplete.removeLast();
    EXPECT_FALSE(browse->applyLayout(incomplete));
    EXPECT_EQ(browse->currentLayout(), BrowseToolbar::designLayout());
}

TEST_F(BandsTest, CustomizeDialogFromADoubleClickIsStoredAtOnce) {
    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<ToolbarCustomizeDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        QListWidget* list = dialog->list();
        ASSERT_EQ(list->count(), 11);
        list->item(1)->setCheckState(Qt::Unchecked); // Back
        list->setCurrentRow(10);                     // News
        dialog->moveUp();
        dialog->accept();
    });
    // The free area right of the last button.
    QTest::mouseDClick(browse, Qt::LeftButton, Qt::NoModifier, freePoint(browse));
    EXPECT_FALSE(browse->button(QStringLiteral("Back"))->isVisible());
    const QList<ToolbarLayout::Entry> shown = browse->currentLayout();
    EXPECT_EQ(shown[9].key, QStringLiteral("News"));
    EXPECT_EQ(shown[10].key, QStringLiteral("Search"));

    // The next activation's restore brings back what the user chose, not the old layout.
    browse->restoreLayout();
    EXPECT_EQ(browse->currentLayout(), shown);

    // Reset, but cancelled: nothing changes. Reset and accepted: the design again.
    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<ToolbarCustomizeDialog*>(modal);
        dialog->reset();
        dialog->reject();
    });
    browse->customizeAction()->trigger();
    EXPECT_EQ(browse->currentLayout(), shown);
    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<ToolbarCustomizeDialog*>(modal);
        dialog->reset();
        dialog->accept();
    });
    browse->customize();
    EXPECT_EQ(browse->currentLayout(), BrowseToolbar::designLayout());
}

TEST_F(BandsTest, userLinks) {
    std::array<UserLink, kUserLinkCount> links;
    links[0] = {true, QStringLiteral("Example"), QStringLiteral("https://example.org/")};
    links[1] = {false, QStringLiteral("Hidden"), QStringLiteral("https://hidden.example/")};
    links[2] = {true, QString(), QStringLiteral("https://nameless.example/")};
    links[9] = {true, QStringLiteral("AT&T"), QStringLiteral("https://att.example/")};
    sites->setUserLinks(links);

    for (int i = 1; i <= kUserLinkCount; ++i) {
        QAction* button = sites->button(i);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(sites->button(QStringLiteral("Custom%1").arg(i)), button);
        EXPECT_EQ(button->isVisible(), links[i - 1].enabled) << i;
        EXPECT_EQ(button->toolTip(), links[i - 1].siteName) << i;
        EXPECT_FALSE(button->icon().isNull());
    }
    EXPECT_EQ(sites->button(1)->text(), QStringLiteral("Example"));
    auto* att = qobject_cast<QToolButton*>(sites->widgetForAction(sites->button(10)));
    EXPECT_EQ(att->text(), QStringLiteral("AT&&T")) << "a button shows '&&' as one '&'";

    QApplication::processEvents(); // the toolbar lays out the buttons it shows now
    QSignalSpy opened(sites, &SitesToolbar::linkClicked);
    // The nameless link shows an empty button that still opens.
    QWidget* nameless = sites->widgetForAction(sites->button(3));
    ASSERT_NE(nameless, nullptr);
    EXPECT_TRUE(nameless->isVisible());
    EXPECT_TRUE(qobject_cast<QToolButton*>(nameless)->text().isEmpty());
    QTest::mouseClick(nameless, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.takeFirst().at(0).toString(), QStringLiteral("https://nameless.example/"));

    // A disabled link never opens, however it is clicked; nor do keys of no link.
    sites->button(2)->trigger();
    for (const char* key : {"Custom2", "Custom0", "Custom11", "Custom01", "Custom", "New", ""})
        sites->buttonClick(QLatin1String(key));
    EXPECT_EQ(opened.count(), 0);
    sites->buttonClick(QStringLiteral("Custom10"));
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.takeFirst().at(0).toString(), QStringLiteral("https://att.example/"));

    // Links change after the Options dialog: the old addresses are gone.
    sites->setUserLinks({});
    sites->buttonClick(QStringLiteral("Custom1"));
    EXPECT_EQ(opened.count(), 0);
    EXPECT_FALSE(sites->button(1)->isVisible());
}

TEST_F(BandsTest, ViewTogglesKeepMarksBandsAndContainerTogether) {
    QMainWindow window;
    MainMenus menus(&window);
    ViewToggles toggles(container);
    toggles.bindMenus(menus);
    const char* const views[] = {"mnuViewBrowseToolbar", "mnuViewSitesToolbar", "mnuViewAddressBar",
                                 "mnuViewTabsBar"};
    const char* const twins[] = {"mnuCustomBrowseTB", "mnuCustomSitesTB", "mnuCustomAddressBar",
                                 "mnuCustomTabsBar"};
    auto view = [&](int bar) { return menus.action(QLatin1String(views[bar - 1])); };
    auto twin = [&](int bar) { return menus.action(QLatin1String(twins[bar - 1])); };
    auto expectInStep = [&](int bar, bool visible, const char* when) {
        EXPECT_EQ(view(bar)->isChecked(), visible) << when << " bar " << bar;
        EXPECT_EQ(twin(bar)->isChecked(), visible) << when << " bar " << bar;
        EXPECT_EQ(container->band(bar)->visible(), visible) << when << " bar " << bar;
    };

    // The load sequence: sites toolbar off, the others on.
    for (int bar = 1; bar <= 4; ++bar)
        toggles.setVisible(bar, bar != 2);
    container->updateVisibility();
    for (int bar = 1; bar <= 4; ++bar)
        expectInStep(bar, bar != 2, "loaded");

    // Either item toggles, in any mix, and both marks follow.
    struct Step {
        int bar;
        bool fromPopup;
        bool visibleAfter;
    };
    const Step steps[] = {{2, false, true}, {2, true, false}, {1, true, false},
                          {1, false, true}, {3, true, false}, {3, true, true}};
    for (const Step& s : steps) {
        (s.fromPopup ? twin(s.bar) : view(s.bar))->trigger();
        expectInStep(s.bar, s.visibleAfter, s.fromPopup ? "popup" : "view");
    }

    // Hiding all four hides the container; any one brings it back.
    for (int bar = 1; bar <= 4; ++bar) {
        if (container->band(bar)->visible())
            (bar % 2 ? twin(bar) : view(bar))->trigger();
    }
    EXPECT_TRUE(container->isHidden());
    for (int bar = 1; bar <= 4; ++bar) {
        toggles.toggle(bar);
        expectInStep(bar, true, "shown alone");
        EXPECT_FALSE(container->isHidden()) << bar;
        twin(bar)->trigger();
        expectInStep(bar, false, "hidden again");
        EXPECT_TRUE(container->isHidden()) << bar;
    }
}

TEST(ToolbarIcons, EveryKeyHasAPictureAtEverySize) {
    qInfo("icon theme: \"%s\"", qPrintable(QIcon::themeName()));
    const QStringList keys = toolbarIconKeys();
    EXPECT_EQ(keys, (QStringList{"New", "Mail", "Search", "Back", "Forward", "Refresh", "Stop",
                                 "News", "Home", "Link", "Custom", "Home2"}));
    for (const QString& key : keys) {
        for (const QIcon& icon : {toolbarIcon(key), builtInToolbarIcon(key)}) {
            ASSERT_FALSE(icon.isNull()) << qPrintable(key);
            for (const int size : {16, 24, 32}) {
                const QImage image = icon.pixmap(size, size).toImage();
                EXPECT_TRUE(image.width() <= size && image.width() >= size * 2 / 3)
                    << qPrintable(key);
                int opaque = 0;
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x)
                        opaque += qAlpha(image.pixel(x, y)) > 128;
                }
                // Something is drawn, and not a filled square.
                const int area = image.width() * image.height();
                EXPECT_GT(opaque, area / 12) << qPrintable(key) << " " << size;
                EXPECT_LT(opaque, area) << qPrintable(key) << " " << size;
            }
        }
    }
    EXPECT_TRUE(toolbarIcon(QStringLiteral("Nothing")).isNull());
}

// Pictures to look at: the four bands as the main window shows them, and every toolbar
// picture at 16, 24 and 32 pixels.
TEST_F(BandsTest, Screenshot) {
    applyCaptions(frame.get());
    std::array<UserLink, kUserLinkCount> links;
    links[0] = {true, QStringLiteral("Example"), QStringLiteral("https://example.org/")};
    links[1] = {true, QStringLiteral("News of the day"), QStringLiteral("https://news.example/")};
    links[2] = {true, QString(), QStringLiteral("https://nameless.example/")};
    sites->setUserLinks(links);
    container->loadLayout();
    container->band(4)->setNewRow(false);
    container->band(3)->setWidth(8000);
    browse->setDocumentButtonsEnabled(false);
    QApplication::processEvents();
    const QImage bands = container->grab().toImage();
    EXPECT_FALSE(bands.isNull());
    bands.save(QStringLiteral("/tmp/kelvane-bands.png"));

    const QStringList keys = toolbarIconKeys();
    QImage sheet(keys.size() * 40 + 8, 3 * 40 + 8, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < keys.size(); ++i) {
        int y = 4;
        for (const int size : {16, 24, 32}) {
            painter.drawPixmap(4 + i * 40, y, toolbarIcon(keys[i]).pixmap(size, size));
            y += 40;
        }
    }
    painter.end();
    sheet.save(QStringLiteral("/tmp/kelvane-toolbar-icons.png"));
}

} // namespace
