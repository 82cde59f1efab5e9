#pragma once

#include <QObject>

class QPoint;
class QWidget;

namespace kelvane {

class AddressPanel;
class BandContainer;
class BrowseToolbar;
class SitesToolbar;
class TabBar;
class ViewToggles;
struct MainMenus;

// The bars across the top of the main window: the band container with its four bands (browse
// toolbar, sites toolbar, address bar, the tab bar's panel), the View menu's bar toggles and
// the bars' pop-up menu, the resize rule of the address row and the tab bar, and the bars'
// settings.
class MainBars : public QObject {
    Q_OBJECT
public:
    MainBars(QWidget* window, AddressPanel* addressPanel, TabBar* tabBar, QWidget* tabPanel,
             const MainMenus& menus);

    BandContainer* container() const { return m_container; }
    BrowseToolbar* browseToolbar() const { return m_browseToolbar; }
    SitesToolbar* sitesToolbar() const { return m_sitesToolbar; }
    ViewToggles* viewToggles() const { return m_viewToggles; }

    // The band layout, the four bars' visibility with their check marks, the container's, and
    // the typed history, in that order.
    void restore();
    // The bars' visibility, the band layout, the browse toolbar's layout, the typed history.
    void save() const;
    // The address row and the tab bar follow the window's outer width.
    void applyResizeRule(int windowWidthPixels);

private:
    void showBarsMenu(const QPoint& globalPos, bool withCustomize);

    const MainMenus& m_menus;
    AddressPanel* m_addressPanel;
    TabBar* m_tabBar;
    QWidget* m_tabPanel;
    BandContainer* m_container;
    BrowseToolbar* m_browseToolbar;
    SitesToolbar* m_sitesToolbar;
    ViewToggles* m_viewToggles;
};

} // namespace kelvane
