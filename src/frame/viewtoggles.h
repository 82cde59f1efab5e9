#pragma once

#include <QObject>
#include <QPointer>

#include <array>

class QAction;

namespace kelvane {

class BandContainer;
struct MainMenus;

// The view toggles of the four bars: bar b (1 browse toolbar, 2 sites toolbar, 3 address bar,
// 4 tabs bar) has a View menu item, its twin in the bars' pop-up, and band b of the container. The
// marks of both items always equal the band's visibility.
class ViewToggles : public QObject {
    Q_OBJECT
public:
    explicit ViewToggles(BandContainer* container, QObject* parent = nullptr);

    // Binds bar b's items; triggering either runs the View item's handler.
    void bind(int bar, QAction* viewItem, QAction* popupTwin);
    // Binds the View menu's four bar items and their twins in the bars' pop-up.
    void bindMenus(const MainMenus& menus);

    // The View item's handler: its mark is inverted, the twin gets the same mark, the band
    // shows or hides with it, and the container shows exactly while any band is visible.
    void toggle(int bar);

    // The load sequence's step for one bar: the band's visibility and both marks. The
    // container's own visibility is the next step (BandContainer::updateVisibility).
    void setVisible(int bar, bool visible);
    bool isVisible(int bar) const;

Q_SIGNALS:
    void toggled(int bar, bool visible);

private:
    struct Bar {
        QPointer<QAction> view;
        QPointer<QAction> twin;
    };
    void apply(int bar, bool visible);

    BandContainer* m_container;
    std::array<Bar, 4> m_bars;
};

} // namespace kelvane
