#pragma once

#include "bars/suggestionrules.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace kelvane {

class ContentBlocking;
class BrowsingHistory;
class DocumentArea;
class DownloadManager;
class DownloadsWindow;
class EngineFactory;
class FavoritesTransfer;
class HistoryWindow;
class NotesPane;
class QuickSearch;
class PageQuestions;
class SitesToolbar;
class TrayIcon;
class ViewToggles;
struct MainMenus;

// The windows the View and Help menus open beside the pages: Favorites with Add to Favorites
// and Organize Favorites, Downloads, History (with the browsing history it shows), Quick Search,
// Options and About. Options changes the settings in place; afterwards the tray icon, the notes'
// look and the user links follow them.
class FeatureWindows : public QObject {
    Q_OBJECT
public:
    struct Parts {
        DocumentArea& documents;
        EngineFactory& engines;
        TrayIcon* tray;
        NotesPane* notes;
        SitesToolbar* userLinks;
        ViewToggles* bars;
    };

    FeatureWindows(QWidget* window, const Parts& parts);

    // Connects the menu items that open these windows.
    void connectMenus(const MainMenus& menus);

    void showFavorites();
    // One Downloads window, brought forward when it is already open.
    void showDownloads();
    DownloadManager& downloads() const { return *m_downloads; }
    // One History window, brought forward when it is already open.
    void showHistory();
    BrowsingHistory& history() const { return *m_history; }
    // The favorites as the address bar's suggestions take them.
    static QList<FavoriteLink> favoriteLinks();
    // The engine's history and the History window's, for Clean Now and at exit.
    void cleanHistory();
    void addToFavorites();
    void showOptions();
    // The remembered answers to site questions, listed and edited in Options.
    // Whose remembered answers the Options dialog edits.
    void setPageQuestions(PageQuestions* questions) { m_questions = questions; }
    // Content blocking, with a page of its own in Options.
    void setContentBlocking(ContentBlocking* blocking) { m_blocking = blocking; }
    QuickSearch* quickSearch() const { return m_quickSearch; }
    FavoritesTransfer* favoritesTransfer() const { return m_favoritesTransfer; }
    // At the close: Quick Search keeps its queries even when its window is only hidden.
    void saveAtExit();

Q_SIGNALS:
    // A favorite, a search result: open it in a new document.
    void openInNewDocument(const QString& address);
    // A visit of the History window: open it in the active document.
    void openInActiveDocument(const QString& address);
    // Options' "Clean Now".
    void cleanHistoryRequested();

private:
    QWidget* m_window;
    Parts m_parts;
    QuickSearch* m_quickSearch;
    FavoritesTransfer* m_favoritesTransfer;
    PageQuestions* m_questions = nullptr;
    ContentBlocking* m_blocking = nullptr;
    DownloadManager* m_downloads;
    QPointer<DownloadsWindow> m_downloadsWindow;
    BrowsingHistory* m_history;
    QPointer<HistoryWindow> m_historyWindow;
};

} // namespace kelvane
