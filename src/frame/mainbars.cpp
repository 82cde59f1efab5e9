#include "frame/mainbars.h"

#include "bars/addresspanel.h"
#include "bars/bandcontainer.h"
#include "bars/browsetoolbar.h"
#include "bars/sitestoolbar.h"
#include "base/settingscatalogue.h"
#include "documents/tabbar.h"
#include "frame/menus.h"
#include "frame/viewtoggles.h"
#include "platform/twips.h"

#include <QAction>
#include <QMenu>

namespace kelvane {

namespace {

// The visibility keys of bands 1 to 4.
const char* const kBandVisibilityKeys[] = {"BrowseToolbarVisible", "SitesToolbarVisible",
                                           "AddressBarVisible", "TabsBarVisible"};

} // namespace

MainBars::MainBars(QWidget* window, AddressPanel* addressPanel, TabBar* tabBar, QWidget* tabPanel,
                   const MainMenus& menus)
    : QObject(window)
    , m_menus(menus)
    , m_addressPanel(addressPanel)
    , m_tabBar(tabBar)
    , m_tabPanel(tabPanel)
    , m_container(new BandContainer(window))
    , m_browseToolbar(new BrowseToolbar(m_container))
    , m_sitesToolbar(new SitesToolbar(m_container)) {
    // The tab bar sits in its own panel, within which the resize rule sizes it.
    const int tabHeight = qMax(tabBar->sizeHint().height(), window->fontMetrics().height() + 12);
    tabPanel->setMinimumHeight(tabHeight);
    tabBar->setGeometry(2, 0, tabBar->width(), tabHeight);

    m_container->addBand(QStringLiteral("Band1"), m_browseToolbar, 450, false);
    m_container->addBand(QStringLiteral("Band2"), m_sitesToolbar, 450, true);
    m_container->addBand(QStringLiteral("Band3"), addressPanel, 375, true);
    m_container->addBand(QStringLiteral("Band4"), tabPanel, 375, true);
    m_viewToggles = new ViewToggles(m_container, this);
    m_viewToggles->bindMenus(menus);

    connect(m_container, &BandContainer::contextMenuRequested, this,
            [this](const QPoint& pos) { showBarsMenu(pos, false); });
    connect(m_browseToolbar, &BrowseToolbar::contextMenuRequested, this,
            [this](const QPoint& pos) { showBarsMenu(pos, true); });
    connect(m_sitesToolbar, &SitesToolbar::contextMenuRequested, this,
            [this](const QPoint& pos) { showBarsMenu(pos, false); });
}

void MainBars::showBarsMenu(const QPoint& globalPos, bool withCustomize) {
    QMenu* popup = m_menus.barsMenu;
    QAction* customize = m_browseToolbar->customizeAction();
    QAction* separator = nullptr;
    if (withCustomize) {
        separator = popup->addSeparator();
        popup->addAction(customize);
    }
    popup->exec(globalPos);
    if (withCustomize) {
        popup->removeAction(customize);
        delete separator;
    }
}

void MainBars::restore() {
    m_container->loadLayout();
    for (int bar = 1; bar <= 4; ++bar)
        m_viewToggles->setVisible(bar,
                                  Settings::readBool(QLatin1String(kBandVisibilityKeys[bar - 1])));
    m_container->updateVisibility();
    m_addressPanel->loadHistory();
}

void MainBars::save() const {
    for (int bar = 1; bar <= 4; ++bar)
        Settings::writeBool(QLatin1String(kBandVisibilityKeys[bar - 1]),
                            m_viewToggles->isVisible(bar));
    m_container->saveLayout();
    m_browseToolbar->saveLayout();
    m_addressPanel->saveHistory();
}

void MainBars::applyResizeRule(int windowWidthPixels) {
    const double dpi = m_container->logicalDpiX();
    int tabBarWidth = 0;
    m_addressPanel->applyResizeRule(pixelsToTwips(windowWidthPixels, dpi),
                                    pixelsToTwips(m_tabBar->x(), dpi), &tabBarWidth);
    m_tabBar->resize(twipsToPixels(tabBarWidth, dpi), m_tabPanel->minimumHeight());
}

} // namespace kelvane
