#include "frame/viewtoggles.h"

#include "bars/bandcontainer.h"
#include "frame/menus.h"

#include <QAction>

namespace kelvane {

namespace {

bool validBar(int bar) {
    return bar >= 1 && bar <= 4;
}

} // namespace

ViewToggles::ViewToggles(BandContainer* container, QObject* parent)
    : QObject(parent)
    , m_container(container) {}

void ViewToggles::bind(int bar, QAction* viewItem, QAction* popupTwin) {
    if (!validBar(bar))
        return;
    Bar& b = m_bars[bar - 1];
    if (b.view)
        disconnect(b.view, nullptr, this, nullptr);
    if (b.twin)
        disconnect(b.twin, nullptr, this, nullptr);
    b.view = viewItem;
    b.twin = popupTwin;
    // A checkable item flips its own mark before it triggers: the View item's new mark is
    // already there, the twin's click runs the View item's handler.
    if (viewItem) {
        connect(viewItem, &QAction::triggered, this, [this, bar, viewItem](bool checked) {
            apply(bar, viewItem->isCheckable() ? checked : !isVisible(bar));
        });
    }
    if (popupTwin)
        connect(popupTwin, &QAction::triggered, this, [this, bar] { toggle(bar); });
}

void ViewToggles::bindMenus(const MainMenus& menus) {
    QAction* const viewItems[] = {menus.browseToolbar, menus.sitesToolbar, menus.addressBar,
                                  menus.tabsBar};
    for (int bar = 1; bar <= 4; ++bar)
        bind(bar, viewItems[bar - 1], menus.barsMenuItems.value(bar - 1));
}

void ViewToggles::toggle(int bar) {
    if (!validBar(bar))
        return;
    const Bar& b = m_bars[bar - 1];
    const bool marked = b.view && b.view->isCheckable() ? b.view->isChecked() : isVisible(bar);
    apply(bar, !marked);
}

void ViewToggles::setVisible(int bar, bool visible) {
    if (!validBar(bar))
        return;
    const Bar& b = m_bars[bar - 1];
    if (b.view)
        b.view->setChecked(visible);
    if (b.twin)
        b.twin->setChecked(visible);
    if (Band* band = m_container ? m_container->band(bar) : nullptr)
        band->setVisible(visible);
}

bool ViewToggles::isVisible(int bar) const {
    const Band* band = m_container && validBar(bar) ? m_container->band(bar) : nullptr;
    return band && band->visible();
}

void ViewToggles::apply(int bar, bool visible) {
    setVisible(bar, visible);
    if (m_container)
        m_container->updateVisibility();
    Q_EMIT toggled(bar, visible);
}

} // namespace kelvane
