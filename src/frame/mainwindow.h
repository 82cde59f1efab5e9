#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QLabel;
class QMdiArea;

namespace kelvane {

class AddressPanel;
class BlockedSitesFile;
class CommandSet;
class ContentBlocking;
class DeveloperTools;
class DocumentArea;
class DocumentWindow;
class EngineFactory;
class FeatureWindows;
class FullScreenPage;
class FrameTitle;
class FindBar;
class HandOverServer;
class KeyboardHook;
class MainBars;
class NavigatorWindow;
class NotesPane;
class RecentlyClosed;
class PageQuestions;
class StatusBar;
class TrayIcon;
class SavedDocuments;
class TabBar;
class WindowPlacement;
struct MainMenus;

// The main frame: a multiple-document window around a QMdiArea. It composes the bars, the
// menus, the document area and the Navigator, runs the load sequence before it is first shown,
// and the close request and unload when it closes, in the order the browser relies on.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // handOver: the server later starts hand their command line to; null for none.
    MainWindow(EngineFactory& engines, HandOverServer* handOver, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load sequence. commandLine is the address or path the program was started with.
    void load(const QString& commandLine);

    // Opens an address, a path or a shortcut in a new document that becomes active.
    void openInNewDocument(const QString& address);
    // Enables the commands that need a document exactly while one is open.
    void updateDocumentCommands();
    // Whether the load sequence checks that the browser is the desktop's default (off for
    // windows that are not the user's browser, such as tests and screenshot runs).
    void setChecksDefaultBrowser(bool on) { m_checksDefaultBrowser = on; }
    // A second start handed over its command line. While the window hides behind the tray
    // password, the address opens only after the password is given (asked here at once; the
    // second start is answered without waiting for it); a wrong password or Cancel drops it.
    void handOverReceived(const QString& text, const QString& workingDirectory);

    // SIGTERM, SIGINT or SIGHUP: the ordinary close, at any moment. During the load sequence
    // (a start-up question may be waiting) the questions close unanswered, the sequence runs
    // to its end, and isCloseRequested() then tells the caller to close instead of showing.
    void closeOnSignal();
    bool isCloseRequested() const { return m_closeRequested; }
    bool isUnloaded() const { return m_unloaded; }
    DocumentArea& documentArea() const { return *m_documents; }
    DocumentWindow* activeDocument() const;
    const MainMenus& menus() const { return *m_menus; }
    QMdiArea* mdiArea() const { return m_mdi; }
    AddressPanel* addressPanel() const { return m_addressPanel; }
    MainBars& bars() const { return *m_bars; }
    FeatureWindows& featureWindows() const { return *m_features; }
    CommandSet& commands() const { return *m_commands; }
    FindBar* findBar() const { return m_findBar; }
    TabBar* tabBar() const;
    NavigatorWindow* navigator() const { return m_navigator; }
    StatusBar* statusBarPanels() const { return m_statusBar; }
    NotesPane* notesPane() const { return m_notesPane; }
    TrayIcon* trayIcon() const { return m_tray; }
    RecentlyClosed* recentlyClosed() const { return m_recentlyClosed; }
    PageQuestions* pageQuestions() const { return m_questions; }
    FullScreenPage* fullScreen() const { return m_fullScreen; }
    ContentBlocking* contentBlocking() const { return m_blocking; }
    DeveloperTools* developerTools() const { return m_developerTools; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void setVisible(bool visible) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void createNavigator();
    void answerPageRequests();
    void connectMenus();
    void navigateTo(const QString& text);
    void restoreBars();
    void openFirstDocuments(const QString& commandLine);
    void prepareForPages();
    void showNavigatorAtStart();
    void applyResizeRule();
    // The close sequence; false when it must first wait for a dialog's loop to return.
    bool shutDown();
    // Whether every page agreed to go (a page with typed text asks the user); false while
    // they are being asked, and the close is then tried again once they agreed.
    bool pagesAgreeToClose();
    void beforeClose();
    // The engine's history, the download list and Recently Closed emptied.
    void cleanHistory();
    void unload();
    void installHandOver();
    void removeHandOver();

    EngineFactory& m_engines;
    QPointer<HandOverServer> m_handOver;
    KeyboardHook* m_keyboardHook;
    QMdiArea* m_mdi;
    QWidget* m_tabPanel;
    AddressPanel* m_addressPanel;
    DocumentArea* m_documents;
    std::unique_ptr<MainMenus> m_menus;
    CommandSet* m_commands;
    WindowPlacement* m_placement;
    SavedDocuments* m_savedDocuments;
    TrayIcon* m_tray;
    FrameTitle* m_title;
    RecentlyClosed* m_recentlyClosed;
    ContentBlocking* m_blocking = nullptr;
    DeveloperTools* m_developerTools = nullptr;
    std::unique_ptr<BlockedSitesFile> m_blockedSites;
    StatusBar* m_statusBar = nullptr;
    NotesPane* m_notesPane = nullptr;
    MainBars* m_bars = nullptr;
    FeatureWindows* m_features = nullptr;
    FindBar* m_findBar = nullptr;
    NavigatorWindow* m_navigator = nullptr;
    PageQuestions* m_questions = nullptr;
    FullScreenPage* m_fullScreen = nullptr;
    // Handed-over addresses waiting for the tray password.
    QStringList m_waitingForPassword;
    bool m_unloaded = false;
    bool m_loading = false;
    bool m_closeRequested = false;
    bool m_shownOnce = false;
    bool m_navigatorShownAtStart = false;
    bool m_navigatorShown = false;
    bool m_checksDefaultBrowser = false;
    bool m_closingForSignal = false;
    bool m_askingPages = false;
    bool m_pagesAgreed = false;
};

} // namespace kelvane
