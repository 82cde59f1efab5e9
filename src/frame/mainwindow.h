#pragma once

#include "frame/keyrules.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <optional>

class QMdiArea;

namespace kelvane {

class AddressPanel;
class BandContainer;
class BrowseToolbar;
class CommandSet;
class DocumentArea;
class DocumentWindow;
class EngineFactory;
class FindBar;
class HandOverServer;
class KeyboardHook;
class MainMenus;
class NavigatorWindow;
class SitesToolbar;
class TabBar;
class ViewToggles;

// The main frame (frmMain): a multiple-document window around a QMdiArea. It composes the
// bars, the menus, the document area and the Navigator, runs the load sequence before it is
// first shown, and the close request and unload when it closes, in the order the browser
// relies on.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(EngineFactory& engines, HandOverServer* handOver, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load sequence. commandLine is the address or path the program was started with.
    void Form_Load(const QString& commandLine);

    // Public operations other windows call.
    void LoadNewDoc(const QString& url);
    void ModifyMenu();
    void SaveOpenDocuments();
    void RestoreOpenDocuments();
    void Home();
    void mnuFileExit_Click();
    void mnuNavigateStop_Click();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuNavigateSearch_Click();
    void mnuNewPageBlank_Click();
    void mnuViewNavigator_Click();
    void MDIForm_MouseMove();

    // A second start handed over its command line.
    void handOverReceived(const QString& text, const QString& workingDirectory);
    // What the keyboard hook decided for a key.
    void runHookAction(HookAction action, bool shift);

    bool isUnloaded() const { return m_unloaded; }
    DocumentArea& documentArea() const { return *m_documents; }
    DocumentWindow* activeDocument() const;
    MainMenus& menus() const { return *m_menus; }
    QMdiArea* mdiArea() const { return m_mdi; }
    AddressPanel* addressPanel() const { return m_addressPanel; }
    BandContainer* bands() const { return m_bands; }
    BrowseToolbar* browseToolbar() const { return m_browseToolbar; }
    SitesToolbar* sitesToolbar() const { return m_sitesToolbar; }
    ViewToggles* viewToggles() const { return m_viewToggles; }
    CommandSet& commands() const { return *m_commands; }
    FindBar* findBar() const { return m_findBar; }
    TabBar* tabBar() const;
    NavigatorWindow* navigator() const { return m_navigator; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildBands();
    void showBandPopup(const QPoint& globalPos, bool withCustomize);
    void addressNavigate(const QString& text);
    void Form_Activate();
    void connectMenus();
    void restoreGeometryFromStore();
    void restoreNavigator();
    void openFirstDocuments(const QString& commandLine);
    void applyResizeRule();
    void QueryUnload();
    void Unload();
    void writeGeometry();
    void installHandOver();
    void removeHandOver();
    int readPixels(const QString& key, std::optional<int> currentPixels = std::nullopt);
    void writePixels(const QString& key, int pixels);

    EngineFactory& m_engines;
    QPointer<HandOverServer> m_handOver;
    KeyboardHook* m_keyboardHook;
    QMdiArea* m_mdi;
    QWidget* m_tabPanel;
    AddressPanel* m_addressPanel;
    DocumentArea* m_documents;
    MainMenus* m_menus;
    BandContainer* m_bands = nullptr;
    BrowseToolbar* m_browseToolbar = nullptr;
    SitesToolbar* m_sitesToolbar = nullptr;
    ViewToggles* m_viewToggles = nullptr;
    CommandSet* m_commands = nullptr;
    FindBar* m_findBar = nullptr;
    NavigatorWindow* m_navigator = nullptr;
    bool m_unloaded = false;
    bool m_shownOnce = false;
    // Positions as read (twips, pixels): an unchanged window writes back the same twips.
    QHash<QString, std::pair<float, int>> m_readPositions;
    // The last geometry the window had in the normal state (the one a maximized window keeps).
    QRect m_normalGeometry;
};

} // namespace kelvane
