#include "frame/menus.h"

#include "ui/menuimages.h"
#include "ui/menupictures.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace kelvane {

namespace {

enum Flag : unsigned {
    None = 0,
    Submenu = 1,   // the row opens a menu of the rows indented below it
    Checkable = 2, // carries a check mark (checked at first)
    Hidden = 4,
    HookKey = 8, // the shortcut is shown, but the keyboard hook serves it
};

struct Item {
    int depth; // 0: a top-level menu (or popup), 1: in it, 2: in a submenu
    const char* name;
    const char* caption; // a string identifier, "-" for a separator, "" for none
    const char* shortcut;
    unsigned flags;
};

// clang-format off
const Item kItems[] = {
    {0, "mnuFile", "1000", "", Submenu},
    {1, "mnuFileNew", "1001", "Ctrl+N", HookKey},
    {1, "mnuFileOpen", "1002", "Ctrl+O", HookKey},
    {1, "mnuFileClose", "1003", "", None},
    {1, "mnuFileBar0", "-", "", None},
    {1, "mnuFileSaveAs", "1005", "", None},
    {1, "mnuFileBar1", "-", "", None},
    {1, "mnuFileProperties", "1007", "", None},
    {1, "mnuFileBar2", "-", "", None},
    {1, "mnuFilePageSetup", "1008", "", None},
    {1, "mnuFilePrintPreview", "1067", "", None},
    {1, "mnuFilePrint", "1010", "Ctrl+P", None},
    {1, "mnuFileBar3", "-", "", None},
    {1, "mnuFileMRU1", "", "", Hidden},
    {1, "mnuFileMRU2", "", "", Hidden},
    {1, "mnuFileMRU3", "", "", Hidden},
    {1, "mnuFileBar5", "-", "", Hidden},
    {1, "mnuFileExit", "1012", "", None},
    {0, "mnuEdit", "1013", "", Submenu},
    {1, "mnuEditCut", "1015", "", None},
    {1, "mnuEditCopy", "1016", "", None},
    {1, "mnuEditPaste", "1017", "", None},
    {1, "mnuEditBar0", "-", "", None},
    {1, "mnuEditIncFont", "1068", "Ctrl+I", None},
    {1, "mnuEditDecFont", "1069", "Ctrl+E", None},
    {1, "mnuEditResetFont", "1070", "", None},
    {1, "mnuEditBar1", "-", "", None},
    {1, "mnuEditSelectAll", "1071", "", None},
    {1, "mnuEditBar2", "-", "", None},
    {1, "mnuEditFind", "1072", "Ctrl+F", None},
    {0, "mnuView", "1019", "", Submenu},
    {1, "mnuViewBrowseToolbar", "1073", "", Checkable},
    {1, "mnuViewSitesToolbar", "1074", "", Checkable},
    {1, "mnuViewAddressBar", "1075", "", Checkable},
    {1, "mnuViewTabsBar", "1076", "", Checkable},
    {1, "mnuViewStatusBar", "1021", "", Checkable},
    {1, "mnuViewNavigator", "1077", "", Checkable},
    {1, "mnuViewBar0", "-", "", None},
    {1, "mnuViewFav", "1078", "", None},
    {1, "mnuAddToFav", "1079", "", None},
    {1, "mnuViewOrgFav", "1080", "", None},
    {1, "mnuViewBar1", "-", "", None},
    {1, "mnuViewTabs", "1081", "", Submenu},
    {2, "mnuViewTabsShrinkAll", "1082", "", None},
    {2, "mnuViewTabsShrinkAllbutActive", "1083", "", None},
    {2, "mnuViewTabsResetAll", "1084", "", None},
    {1, "mnuViewBar4", "-", "", None},
    {1, "mnuQSource", "1085", "F9", None},
    {1, "mnuViewBar2", "-", "", None},
    {1, "mnuViewSource", "1086", "", None},
    {1, "mnuViewBar3", "-", "", None},
    {1, "mnuViewInternetOptions", "1128", "", None},
    {1, "mnuViewOptions", "1023", "", None},
    {0, "mnuNavigate1", "1087", "", Submenu},
    {1, "mnuNavigateBack", "1088", "F3", None},
    {1, "mnuNavigateForward", "1089", "F4", None},
    {1, "mnuNavigateStop", "1090", "", None},
    {1, "mnuNavigateRefresh", "1091", "F5", None},
    {1, "mnuFileBa", "-", "", None},
    {1, "mnuNavigateHome1", "1092", "F1", None},
    {1, "mnuNavigateHome2", "1093", "F2", None},
    {1, "mnuNavigatorBar1", "-", "", None},
    {1, "mnuNavigateMail", "1094", "Ctrl+M", None},
    {1, "mnuNavigateSearch", "1095", "Ctrl+S", HookKey},
    {1, "mnuNavigateNews", "1096", "Ctrl+W", None},
    {0, "mnuWindow", "1025", "", Submenu},
    {1, "mnuWindowNewWindow", "1026", "", None},
    {1, "mnuWindowBar0", "-", "", None},
    {1, "mnuWindowCascade", "1027", "", None},
    {1, "mnuWindowTileHorizontal", "1028", "", None},
    {1, "mnuWindowTileVertical", "1029", "", None},
    {1, "mnuWindowArrangeIcons", "1030", "", None},
    {0, "mnuHelp", "1031", "", Submenu},
    {1, "mnuHelpOnTheWeb", "1097", "", None},
    {1, "mnuHelpContents", "1098", "", None},
    {1, "mnuHelpBar0", "-", "", None},
    {1, "mnuHelpAbout", "1034", "", None},
    {0, "mnuNewPage", "", "", Submenu | Hidden},
    {1, "mnuNewHome1", "1092", "", None},
    {1, "mnuNewHome2", "1093", "", None},
    {1, "mnuNewBar1", "-", "", None},
    {1, "mnuNewPageBlank", "1099", "", None},
    {1, "mnuNewCurrent", "1100", "", None},
    {1, "mnuNewBar0", "-", "", None},
    {1, "mnuNewEmail", "1094", "", None},
    {1, "mnuNewSearch", "1095", "", None},
    {1, "mnuNewNews", "1096", "", None},
    {0, "mnuCustom", "", "", Submenu | Hidden},
    {1, "mnuCustomBrowseTB", "1073", "", Checkable},
    {1, "mnuCustomSitesTB", "1074", "", Checkable},
    {1, "mnuCustomAddressBar", "1075", "", Checkable},
    {1, "mnuCustomTabsBar", "1076", "", Checkable},
};
// clang-format on

} // namespace

MainMenus::MainMenus(QMainWindow* window)
    : QObject(window) {
    QMenu* parents[3] = {nullptr, nullptr, nullptr};
    for (const Item& item : kItems) {
        const QString name = QLatin1String(item.name);
        const QString caption = QLatin1String(item.caption);
        m_order.append(name);
        QAction* action = nullptr;
        if (item.flags & Submenu) {
            auto* menu = new QMenu(caption, window);
            menu->setObjectName(name);
            if (item.depth == 0 && !(item.flags & Hidden))
                window->menuBar()->addMenu(menu);
            else if (item.depth > 0)
                parents[item.depth - 1]->addMenu(menu);
            parents[item.depth] = menu;
            m_menus.insert(name, menu);
            action = menu->menuAction();
        } else {
            QMenu* parent = parents[item.depth - 1];
            action =
                caption == QLatin1String("-") ? parent->addSeparator() : parent->addAction(caption);
            if (item.flags & Checkable) {
                action->setCheckable(true);
                action->setChecked(true);
            }
        }
        action->setObjectName(name);
        action->setVisible(!(item.flags & Hidden) || (item.flags & Submenu));
        const QKeySequence keys(QLatin1String(item.shortcut));
        if (!keys.isEmpty()) {
            action->setShortcut(keys);
            // Keys the hook serves are shown in the menu but only act while it is open.
            action->setShortcutContext((item.flags & HookKey) ? Qt::WidgetShortcut
                                                              : Qt::WindowShortcut);
        }
        m_actions.insert(name, action);
    }
}

QAction* MainMenus::action(const QString& name) const {
    return m_actions.value(name);
}

QMenu* MainMenus::menu(const QString& name) const {
    return m_menus.value(name);
}

void MainMenus::applyImages() const {
    for (const MenuImageAssignment& assignment : menuImageAssignments()) {
        if (QAction* item = action(assignment.item)) {
            item->setIcon(menuPicture(assignment.key));
            // Shown whatever the desktop's default for menu icons is: the pictures are part of
            // the menus' look.
            item->setIconVisibleInMenu(true);
        }
    }
}

} // namespace kelvane
