#include "frame/menus.h"

#include "ui/pictures.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace kelvane {

namespace {

// The menus' own texts beside the string table's, marked for translation where they are
// written; an identifier has no translation and stays as it is for the captions.
QString menuText(const char* captionId) {
    return QCoreApplication::translate("kelvane::MainMenus", captionId);
}

// Builds one menu; captions are string identifiers or texts of the menus' own.
class MenuBuilder {
public:
    explicit MenuBuilder(QMenu* menu)
        : m_menu(menu) {}
    // The pictures are looked up when the menu first opens: nobody sees them before, and the
    // look-up would hold up the start.
    ~MenuBuilder() {
        if (m_pictures.isEmpty())
            return;
        QObject::connect(
            m_menu, &QMenu::aboutToShow, m_menu,
            [pictures = m_pictures] {
                for (const auto& [action, which] : pictures)
                    action->setIcon(kelvane::picture(which));
            },
            Qt::SingleShotConnection);
    }

    QAction* item(const char* captionId, const char* shortcut = "") {
        QAction* action = m_menu->addAction(menuText(captionId));
        // "F3; Alt+Left": the menu shows the first, every one works.
        if (*shortcut)
            action->setShortcuts(QKeySequence::listFromString(QLatin1String(shortcut)));
        return action;
    }
    // An item with a picture, shown whatever the desktop's default for menu icons is: the
    // pictures are part of the menus' look.
    QAction* item(const char* captionId, Picture picture, const char* shortcut = "") {
        QAction* action = item(captionId, shortcut);
        m_pictures.append({action, picture});
        action->setIconVisibleInMenu(true);
        return action;
    }
    // The keyboard hook serves these keys; the menu only shows them (and acts on them while
    // it is open).
    QAction* hookItem(const char* captionId, Picture picture, const char* shortcut) {
        QAction* action = item(captionId, picture, shortcut);
        action->setShortcutContext(Qt::WidgetShortcut);
        return action;
    }
    QAction* check(const char* captionId) {
        QAction* action = item(captionId);
        action->setCheckable(true);
        action->setChecked(true);
        return action;
    }
    QMenu* submenu(const char* captionId) { return m_menu->addMenu(menuText(captionId)); }
    void separator() { m_menu->addSeparator(); }

private:
    QMenu* m_menu;
    QList<std::pair<QAction*, Picture>> m_pictures;
};

QMenu* topMenu(QMainWindow* window, const char* captionId) {
    return window->menuBar()->addMenu(QLatin1String(captionId));
}

} // namespace

MainMenus::MainMenus(QMainWindow* window) {
    MenuBuilder file(topMenu(window, "1000"));
    newDocument = file.hookItem("1001", Picture::MenuNew, "Ctrl+N");
    newPrivateDocument =
        file.hookItem(QT_TRANSLATE_NOOP("kelvane::MainMenus", "New Private Docu&ment"),
                      Picture::MenuNew, "Ctrl+Shift+N");
    open = file.hookItem("1002", Picture::MenuOpen, "Ctrl+O");
    close = file.item("1003", "Ctrl+F4");
    file.separator();
    saveAs = file.item("1005", Picture::MenuSave);
    file.separator();
    properties = file.item("1007");
    file.separator();
    pageSetup = file.item("1008");
    printPreview = file.item("1067");
    print = file.item("1010", Picture::MenuPrint, "Ctrl+P");
    file.separator();
    exit = file.item("1012");

    MenuBuilder edit(topMenu(window, "1013"));
    cut = edit.item("1015", Picture::MenuCut);
    copy = edit.item("1016", Picture::MenuCopy);
    paste = edit.item("1017", Picture::MenuPaste);
    edit.separator();
    increaseFont = edit.item("1068", Picture::MenuFontUp, "Ctrl+I; Ctrl++; Ctrl+=");
    decreaseFont = edit.item("1069", Picture::MenuFontDown, "Ctrl+E; Ctrl+-");
    resetFont = edit.item("1070", "Ctrl+0");
    edit.separator();
    selectAll = edit.item("1071");
    edit.separator();
    find = edit.item("1072", Picture::MenuFind, "Ctrl+F");

    MenuBuilder view(topMenu(window, "1019"));
    browseToolbar = view.check("1073");
    sitesToolbar = view.check("1074");
    addressBar = view.check("1075");
    tabsBar = view.check("1076");
    statusBar = view.check("1021");
    navigator = view.check("1077");
    view.separator();
    favorites = view.item("1078", Picture::MenuFavorites);
    addToFavorites = view.item("1079");
    organizeFavorites = view.item("1080");
    importFavoritesMenu =
        view.submenu(QT_TRANSLATE_NOOP("kelvane::MainMenus", "I&mport Favorites"));
    exportFavorites = view.item(QT_TRANSLATE_NOOP("kelvane::MainMenus", "&Export Favorites..."));
    view.separator();
    downloads = view.item("5029", "Ctrl+J");
    history = view.item(QT_TRANSLATE_NOOP("kelvane::MainMenus", "&History"), "Ctrl+H");
    view.separator();
    MenuBuilder tabs(view.submenu("1081"));
    shrinkAllTabs = tabs.item("1082");
    shrinkAllTabsButActive = tabs.item("1083");
    resetAllTabs = tabs.item("1084");
    view.separator();
    quickSearch = view.item("1085", Picture::MenuFind, "F9");
    view.separator();
    source = view.item("1086", Picture::MenuSource);
    developerTools = view.item(QT_TRANSLATE_NOOP("kelvane::MainMenus", "De&veloper Tools"), "F12");
    view.separator();
    internetOptions = view.item("1128", Picture::MenuOptions);
    options = view.item("1023", Picture::MenuOptions);

    MenuBuilder navigate(topMenu(window, "1087"));
    back = navigate.item("1088", Picture::MenuBack, "F3; Alt+Left");
    forward = navigate.item("1089", Picture::MenuForward, "F4; Alt+Right");
    stop = navigate.item("1090", Picture::MenuStop);
    refresh = navigate.item("1091", "F5");
    navigate.separator();
    home1 = navigate.item("1092", Picture::MenuHome1, "F1");
    home2 = navigate.item("1093", Picture::MenuHome2, "F2");
    navigate.separator();
    mail = navigate.item("1094", Picture::MenuMail, "Ctrl+M");
    search = navigate.hookItem("1095", Picture::MenuSearch, "Ctrl+S");
    news = navigate.item("1096", Picture::MenuNews, "Ctrl+W");

    windowMenu = topMenu(window, "1025");
    MenuBuilder windows(windowMenu);
    newWindow = windows.item("1026", Picture::MenuNew);
    windows.separator();
    cascade = windows.item("1027");
    tileHorizontally = windows.item("1028");
    tileVertically = windows.item("1029");
    arrangeIcons = windows.item("1030");
    putOthersToSleep =
        windows.item(QT_TRANSLATE_NOOP("kelvane::MainMenus", "Put Other Documents to &Sleep"));
    windows.separator();
    findDocument =
        windows.item(QT_TRANSLATE_NOOP("kelvane::MainMenus", "Go to &Document..."), "Ctrl+K");
    recentlyClosedMenu =
        windows.submenu(QT_TRANSLATE_NOOP("kelvane::MainMenus", "&Recently Closed"));
    reopenClosed = recentlyClosedMenu->addAction(
        QCoreApplication::translate("kelvane::MainMenus", "&Reopen Closed Document"));
    reopenClosed->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+T")));
    reopenClosed->setEnabled(false);

    MenuBuilder help(topMenu(window, "1031"));
    helpOnTheWeb = help.item("1097");
    helpContents = help.item("1098");
    help.separator();
    about = help.item("1034");

    newPageMenu = new QMenu(window);
    MenuBuilder newPage(newPageMenu);
    newHome1 = newPage.item("1092");
    newHome2 = newPage.item("1093");
    newPage.separator();
    newBlank = newPage.item("1099");
    newCurrentPage = newPage.item("1100");
    newPage.separator();
    newMail = newPage.item("1094");
    newSearch = newPage.item("1095");
    newNews = newPage.item("1096");

    barsMenu = new QMenu(window);
    MenuBuilder bars(barsMenu);
    for (const char* captionId : {"1073", "1074", "1075", "1076"})
        barsMenuItems.append(bars.check(captionId));
}

QList<QAction*> MainMenus::documentCommands() const {
    return {close,        saveAs,       properties, pageSetup, printPreview, print,
            increaseFont, decreaseFont, resetFont,  selectAll, find,         addToFavorites,
            source,       back,         forward,    stop,      refresh};
}

} // namespace kelvane
