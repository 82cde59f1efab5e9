#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;

namespace kelvane {

// The main window's menus: the menu bar (File, Edit, View, Navigate, Window, Help) and the two
// pop-ups that never appear in it, the New button's menu and the bars' menu. Captions hold
// string identifiers until the window applies the string table. The frame connects the items.
struct MainMenus {
    explicit MainMenus(QMainWindow* window);

    // File
    QAction* newDocument;
    QAction* newPrivateDocument;
    QAction* open;
    QAction* close;
    QAction* saveAs;
    QAction* properties;
    QAction* pageSetup;
    QAction* printPreview;
    QAction* print;
    QAction* exit;
    // Edit
    QAction* cut;
    QAction* copy;
    QAction* paste;
    QAction* increaseFont;
    QAction* decreaseFont;
    QAction* resetFont;
    QAction* selectAll;
    QAction* find;
    // View; the first six are check marks, bars 1 to 4 first.
    QAction* browseToolbar;
    QAction* sitesToolbar;
    QAction* addressBar;
    QAction* tabsBar;
    QAction* statusBar;
    QAction* navigator;
    QAction* favorites;
    QAction* addToFavorites;
    QAction* organizeFavorites;
    QMenu* importFavoritesMenu; // the sources are listed when it opens
    QAction* exportFavorites;
    QAction* downloads;
    QAction* history;
    QAction* shrinkAllTabs;
    QAction* shrinkAllTabsButActive;
    QAction* resetAllTabs;
    QAction* quickSearch;
    QAction* source;
    QAction* developerTools;
    QAction* internetOptions;
    QAction* options;
    // Navigate
    QAction* back;
    QAction* forward;
    QAction* stop;
    QAction* refresh;
    QAction* home1;
    QAction* home2;
    QAction* mail;
    QAction* search;
    QAction* news;
    // Window; the list of open documents follows the Recently Closed submenu.
    QMenu* windowMenu;
    QAction* newWindow;
    QAction* cascade;
    QAction* tileHorizontally;
    QAction* tileVertically;
    QAction* arrangeIcons;
    QAction* putOthersToSleep; // discards every document that may sleep
    QAction* findDocument;     // the Navigator's filter box
    QMenu* recentlyClosedMenu;
    QAction* reopenClosed; // the most recently closed document
    // Help
    QAction* helpOnTheWeb;
    QAction* helpContents;
    QAction* about;

    // The New button's pop-up: each opens a new document.
    QMenu* newPageMenu;
    QAction* newHome1;
    QAction* newHome2;
    QAction* newBlank;
    QAction* newCurrentPage;
    QAction* newMail;
    QAction* newSearch;
    QAction* newNews;

    // The bars' pop-up: check marks of bars 1 to 4.
    QMenu* barsMenu;
    QList<QAction*> barsMenuItems;

    // The commands that act on an open document: enabled exactly while one is open.
    QList<QAction*> documentCommands() const;
};

} // namespace kelvane
