#pragma once

#include <QHash>
#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

namespace kelvane {

// The main window's menu tree: the menu bar (File, Edit, View, Navigate, Window, Help) and
// the two popups that never appear in it (mnuNewPage of the New button, mnuCustom of the bars).
// Captions hold string identifiers until the window applies the string table.
class MainMenus : public QObject {
    Q_OBJECT
public:
    explicit MainMenus(QMainWindow* window);

    // An item (or a menu's own action) by its name, e.g. "mnuFileNew"; null when unknown.
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    QMenu* NewPage() const { return menu(QStringLiteral("mnuNewPage")); }
    QMenu* Custom() const { return menu(QStringLiteral("mnuCustom")); }

    // Gives the 24 menu items their pictures, in the start-up's order; every other item keeps
    // none.
    void applyImages() const;

    // Item names in menu order, separators included.
    const QStringList& names() const { return m_order; }

private:
    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
    QStringList m_order;
};

} // namespace kelvane
