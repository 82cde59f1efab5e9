#include "frame/mainwindow.h"

#include "bars/addresspanel.h"
#include "bars/bandcontainer.h"
#include "bars/browsetoolbar.h"
#include "bars/findbar.h"
#include "bars/sitestoolbar.h"
#include "base/appsettings.h"
#include "base/commandline.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "base/singleinstance.h"
#include "base/trace.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "documents/tabbar.h"
#include "frame/commands.h"
#include "frame/keyboardhook.h"
#include "frame/menus.h"
#include "frame/viewtoggles.h"
#include "navigator/navigatorwindow.h"
#include "platform/engine/engine.h"
#include "platform/twips.h"
#include "ui/captions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace kelvane {

namespace {

// Connects a menu item, found by name, to a handler.
template <typename F>
void onTriggered(const MainMenus& menus, const char* name, QObject* context, F handler) {
    if (QAction* action = menus.action(QLatin1String(name)))
        QObject::connect(action, &QAction::triggered, context, handler);
}

// The visibility keys of bands 1 to 4.
const char* const kBandVisibilityKeys[] = {"BrowseToolbarVisible", "SitesToolbarVisible",
                                           "AddressBarVisible", "TabsBarVisible"};

} // namespace

MainWindow::MainWindow(EngineFactory& engines, HandOverServer* handOver, QWidget* parent)
    : QMainWindow(parent)
    , m_engines(engines)
    , m_handOver(handOver)
    , m_keyboardHook(new KeyboardHook(
          [this](HookAction action, bool shift) { runHookAction(action, shift); }, this))
    , m_mdi(new QMdiArea(this))
    , m_tabPanel(new QWidget(this))
    , m_addressPanel(new AddressPanel(this))
    , m_documents(new DocumentArea(m_mdi, engines, m_tabPanel))
    , m_menus(new MainMenus(this))
    , m_commands(new CommandSet(*m_documents, this)) {
    setObjectName(QStringLiteral("frmMain"));
    buildWindow();
    connectMenus();
}

MainWindow::~MainWindow() {
    // Documents still open unload now, while the frame they report to still exists.
    disconnect(m_documents, nullptr, this, nullptr);
    if (m_navigator)
        disconnect(m_documents, nullptr, m_navigator, nullptr);
    delete m_documents;
}

TabBar* MainWindow::tabBar() const {
    return m_documents->tabBar();
}

DocumentWindow* MainWindow::activeDocument() const {
    return m_documents->activeDocument();
}

void MainWindow::buildWindow() {
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->viewport()->setMouseTracking(true);
    m_mdi->viewport()->installEventFilter(this);

    // The bands run across the top of the client area, above the documents; the menu bar
    // stays the frame's own, so a maximized document puts its buttons there.
    buildBands();
    auto* client = new QWidget(this);
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    clientLayout->addWidget(m_bands);
    clientLayout->addWidget(m_mdi, 1);
    m_findBar = new FindBar(*m_documents, client);
    clientLayout->addWidget(m_findBar);
    setCentralWidget(client);

    statusBar()->setObjectName(QStringLiteral("vbalStatusBar1"));
    auto* panel1 = new QLabel(statusBar());
    panel1->setObjectName(QStringLiteral("Item1"));
    statusBar()->addWidget(panel1, 1);
    statusBar()->setProperty("Tag", QStringLiteral("0"));

    m_documents->setAddressBarFocusQuery([this] { return m_addressPanel->AddressBarHasFocus(); });
    connect(m_documents, &DocumentArea::modifyMenuRequested, this, &MainWindow::ModifyMenu);
    connect(m_documents, &DocumentArea::statusText, panel1, &QLabel::setText);
    connect(m_documents, &DocumentArea::progressPercent, this,
            [this](int percent) { statusBar()->setProperty("Tag", QString::number(percent)); });
    connect(m_documents, &DocumentArea::addressText, m_addressPanel, &AddressPanel::setPageAddress);
    connect(m_documents, &DocumentArea::addressOpened, m_addressPanel, &AddressPanel::addTyped);
    connect(m_addressPanel, &AddressPanel::navigateRequested, this, &MainWindow::addressNavigate);
    connect(m_addressPanel, &AddressPanel::openInNewRequested, this, &MainWindow::LoadNewDoc);
    connect(m_documents, &DocumentArea::securityIcon, this,
            [this](int icon) { statusBar()->setProperty("SecurityIcon", icon); });
    connect(
        m_documents, &DocumentArea::documentLoaded, this,
        [] { benchMark("first document loaded"); }, Qt::SingleShotConnection);
}

void MainWindow::buildBands() {
    m_bands = new BandContainer(this);
    m_browseToolbar = new BrowseToolbar(m_bands);
    m_sitesToolbar = new SitesToolbar(m_bands);

    // The tab bar sits in its own panel (Picture1), which the resize rule sizes it within.
    m_tabPanel->setObjectName(QStringLiteral("Picture1"));
    const int tabHeight = qMax(tabBar()->sizeHint().height(), fontMetrics().height() + 12);
    m_tabPanel->setMinimumHeight(tabHeight);
    tabBar()->setGeometry(2, 0, tabBar()->width(), tabHeight);

    m_bands->addBand(QStringLiteral("Band1"), m_browseToolbar, 450, false);
    m_bands->addBand(QStringLiteral("Band2"), m_sitesToolbar, 450, true);
    m_bands->addBand(QStringLiteral("Band3"), m_addressPanel, 375, true);
    m_bands->addBand(QStringLiteral("Band4"), m_tabPanel, 375, true);
    m_viewToggles = new ViewToggles(m_bands, this);
    m_viewToggles->bindMenus(*m_menus);

    connect(m_bands, &BandContainer::contextMenuRequested, this,
            [this](const QPoint& pos) { showBandPopup(pos, false); });
    connect(m_browseToolbar, &BrowseToolbar::contextMenuRequested, this,
            [this](const QPoint& pos) { showBandPopup(pos, true); });
    connect(m_sitesToolbar, &SitesToolbar::contextMenuRequested, this,
            [this](const QPoint& pos) { showBandPopup(pos, false); });
    connect(m_sitesToolbar, &SitesToolbar::linkClicked, this, &MainWindow::LoadNewDoc);
    connect(m_browseToolbar, &BrowseToolbar::buttonClicked, m_commands, &CommandSet::buttonClicked);
    connect(m_browseToolbar, &BrowseToolbar::dropDownRequested, this,
            [this](const QString& key, const QPoint& pos) {
                if (key == QLatin1String("New"))
                    m_commands->showNewMenu(m_menus->NewPage(), pos);
                else
                    m_commands->ShowHistoryMenu(key == QLatin1String("Back"), pos);
            });
    connect(m_bands, &BandContainer::layoutChanged, this, [this] { applyResizeRule(); });
}

void MainWindow::showBandPopup(const QPoint& globalPos, bool withCustomize) {
    QMenu* popup = m_menus->Custom();
    QAction* customize = m_browseToolbar->customizeAction();
    if (withCustomize) {
        popup->addSeparator();
        popup->addAction(customize);
    }
    popup->exec(globalPos);
    if (withCustomize) {
        popup->removeAction(customize);
        const QList<QAction*> actions = popup->actions();
        if (!actions.isEmpty() && actions.last()->isSeparator())
            delete actions.last();
    }
}

void MainWindow::addressNavigate(const QString& text) {
    DocumentWindow* doc = activeDocument();
    if (appSettings().OpenDocCount <= 0 || !doc) {
        LoadNewDoc(text); // puts the address into the list itself
        return;
    }
    doc->WebBrowser1()->Navigate(text);
    m_addressPanel->addTyped(text);
}

void MainWindow::connectMenus() {
    const MainMenus& m = *m_menus;
    DocumentArea* docs = m_documents;
    onTriggered(m, "mnuFileNew", this, [this] { mnuFileNew_Click(); });
    onTriggered(m, "mnuFileClose", docs, [docs] { docs->mnuFileClose_Click(); });
    onTriggered(m, "mnuFileExit", this, [this] { mnuFileExit_Click(); });
    onTriggered(m, "mnuViewNavigator", this, [this] { mnuViewNavigator_Click(); });
    onTriggered(m, "mnuViewStatusBar", this, [this] {
        statusBar()->setVisible(m_menus->action(QStringLiteral("mnuViewStatusBar"))->isChecked());
    });
    onTriggered(m, "mnuViewTabsShrinkAll", docs, [docs] { docs->mnuViewTabsShrinkAll_Click(); });
    onTriggered(m, "mnuViewTabsShrinkAllbutActive", docs,
                [docs] { docs->mnuViewTabsShrinkAllbutActive_Click(); });
    onTriggered(m, "mnuViewTabsResetAll", docs, [docs] { docs->mnuViewTabsResetAll_Click(); });
    onTriggered(m, "mnuWindowNewWindow", docs, [docs] { docs->mnuWindowNewWindow_Click(); });
    onTriggered(m, "mnuWindowCascade", docs, [docs] { docs->mnuWindowCascade_Click(); });
    onTriggered(m, "mnuWindowTileHorizontal", docs,
                [docs] { docs->mnuWindowTileHorizontal_Click(); });
    onTriggered(m, "mnuWindowTileVertical", docs, [docs] { docs->mnuWindowTileVertical_Click(); });
    onTriggered(m, "mnuWindowArrangeIcons", docs, [docs] { docs->mnuWindowArrangeIcons_Click(); });
    m_commands->connectMenus(m);
    onTriggered(m, "mnuEditFind", m_findBar, [this] { m_findBar->openBar(); });

    QMenu* window = m.menu(QStringLiteral("mnuWindow"));
    QAction* last = m.action(QStringLiteral("mnuWindowArrangeIcons"));
    connect(window, &QMenu::aboutToShow, docs,
            [docs, window, last] { docs->fillWindowList(window, last); });
}

void MainWindow::Form_Load(const QString& commandLine) {
    // 1. The status bar's progress drawer is created here once it exists.
    trace("start loading...");

    // 3. Captions from the string table; the title becomes string 1120.
    setProperty(kCaptionIdProperty, QStringLiteral("1120"));
    applyCaptions(this);
    trace("strings loaded");

    // 5. Hand-overs from later instances reach this window; 6. the keyboard hook.
    installHandOver();
    m_keyboardHook->install();

    // 7-8. Geometry, then the Navigator.
    restoreGeometryFromStore();
    restoreNavigator();

    // 9-11. Band layout, the bands' visibility with both check marks, the container.
    m_bands->loadLayout();
    for (int bar = 1; bar <= 4; ++bar)
        m_viewToggles->setVisible(bar,
                                  Settings::readBool(QLatin1String(kBandVisibilityKeys[bar - 1])));
    m_bands->updateVisibility();
    // 12. The typed history.
    m_addressPanel->loadHistory();
    // 13. Status bar visibility.
    const bool statusVisible = Settings::readBool(QStringLiteral("StatusBarVisible"));
    statusBar()->setVisible(statusVisible);
    m_menus->action(QStringLiteral("mnuViewStatusBar"))->setChecked(statusVisible);

    // 14-17. The preferences into AppSettings.
    AppSettings& app = appSettings();
    app.readGeneral();
    // The Quick Notes pane's visibility is applied here once the pane exists.
    app.readQuickNotesLook();
    app.readUserLinks();
    m_sitesToolbar->RefreshUserLinks(app.userLinks);
    app.readPopUp();
    // 18. The tray icon is added here when MinimizeToTray is on, once it exists.
    trace("settings loaded");

    // 20. Menu pictures.
    m_menus->applyImages();
    trace("menu images set");
    // 21. Status-bar panels are set up here once they exist; the tab bar draws its own icons.
    trace("1");
    trace("2");
    trace("3");
    // 23. The default-browser check runs here once it exists.
    trace("4");

    openFirstDocuments(commandLine);
    trace("processing command line done");

    // 27. The notes file, then the blocked-sites file, are loaded here once they exist.
    trace("loading notes done");
    // 29. ShrinkNotes(true) runs here once the notes pane exists.
    trace("shrinking notes done");

    applyResizeRule();
}

int MainWindow::readPixels(const QString& key, std::optional<int> currentPixels) {
    // Keys without a default in the catalogue default to the window's current value.
    const double dpi = logicalDpiX();
    const float twips = currentPixels
                            ? Settings::readPosition(key, float(pixelsToTwips(*currentPixels, dpi)))
                            : Settings::readPosition(key);
    const int pixels = twipsToPixels(twips, dpi);
    m_readPositions.insert(key, {twips, pixels});
    return pixels;
}

void MainWindow::writePixels(const QString& key, int pixels) {
    const auto read = m_readPositions.constFind(key);
    const float twips = read != m_readPositions.cend() && read->second == pixels
                            ? read->first
                            : float(pixelsToTwips(pixels, logicalDpiX()));
    Settings::writePosition(key, twips);
}

void MainWindow::restoreGeometryFromStore() {
    const int left = readPixels(QStringLiteral("MainLeft"));
    const int top = readPixels(QStringLiteral("MainTop"));
    const int width = readPixels(QStringLiteral("MainWidth"));
    const int height = readPixels(QStringLiteral("MainHeight"));
    move(left, top);
    resize(width, height);
    m_normalGeometry = QRect(left, top, width, height);
    if (Settings::readBool(QStringLiteral("MainMaximized")))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::restoreNavigator() {
    if (!m_navigator) {
        m_navigator = new NavigatorWindow(m_documents->documents(), this);
        m_navigator->setNewMenu(m_menus->NewPage());
        connect(m_navigator, &NavigatorWindow::newRequested, this,
                [this] { LoadNewDoc(appSettings().home1); });
        connect(m_navigator, &NavigatorWindow::visibilityChanged, this, [this](bool visible) {
            m_menus->action(QStringLiteral("mnuViewNavigator"))->setChecked(visible);
        });
        connect(m_documents, &DocumentArea::loadingAnimation, m_navigator, [this](bool on) {
            if (on)
                m_navigator->startLoadingAnimation();
            else
                m_navigator->stopLoadingAnimation();
        });
    }
    const QRect g = m_navigator->frameGeometry();
    const int left = readPixels(QStringLiteral("NavigatorLeft"), g.x());
    const int top = readPixels(QStringLiteral("NavigatorTop"), g.y());
    const int width = readPixels(QStringLiteral("NavigatorWidth"), g.width());
    const int height = readPixels(QStringLiteral("NavigatorHeight"), g.height());
    m_navigator->move(left, top);
    m_navigator->resize(width, height);
    const bool visible = Settings::readText(QStringLiteral("NavigatorVisible"),
                                            QStringLiteral("True")) == QLatin1String("True");
    m_navigator->setVisible(visible);
    m_menus->action(QStringLiteral("mnuViewNavigator"))->setChecked(visible);
}

void MainWindow::openFirstDocuments(const QString& commandLine) {
    // The leading-quote rule was applied when the command line was read.
    if (!commandLine.isEmpty())
        LoadNewDoc(commandLine);
    else if (appSettings().saveAllOnExit)
        RestoreOpenDocuments();
    else
        LoadNewDoc(appSettings().home1);
}

void MainWindow::LoadNewDoc(const QString& url) {
    m_documents->LoadNewDoc(url);
}

void MainWindow::ModifyMenu() {
    const bool enabled = appSettings().OpenDocCount > 0;
    static const char* const kDocumentCommands[] = {
        "mnuFileClose",        "mnuFileSaveAs",    "mnuFileProperties",  "mnuFilePageSetup",
        "mnuFilePrintPreview", "mnuFilePrint",     "mnuEditIncFont",     "mnuEditDecFont",
        "mnuEditResetFont",    "mnuEditSelectAll", "mnuEditFind",        "mnuAddToFav",
        "mnuViewSource",       "mnuNavigateBack",  "mnuNavigateForward", "mnuNavigateStop",
        "mnuNavigateRefresh"};
    for (const char* name : kDocumentCommands) {
        if (QAction* action = m_menus->action(QLatin1String(name)))
            action->setEnabled(enabled);
    }
    m_browseToolbar->setDocumentButtonsEnabled(enabled);
}

void MainWindow::SaveOpenDocuments() {
    const DocumentSet& set = m_documents->documents();
    Settings::writeInt16(QStringLiteral("DocumentCount"), static_cast<qint16>(set.count()));
    for (int i = 1; i <= set.count(); ++i) {
        if (const DocumentWindow* doc = m_documents->document(i))
            Settings::writeText(numberedKey(QStringLiteral("Document"), i),
                                doc->WebBrowser1()->LocationURL());
    }
}

void MainWindow::RestoreOpenDocuments() {
    const qint16 count = Settings::readInt16(QStringLiteral("DocumentCount"));
    for (int i = 1; i <= count; ++i)
        LoadNewDoc(
            Settings::readText(numberedKey(QStringLiteral("Document"), i), appSettings().home1));
}

void MainWindow::mnuFileExit_Click() {
    close();
}

void MainWindow::mnuFileNew_Click() {
    LoadNewDoc(appSettings().home1);
}

// Other windows and the keyboard hook reach these commands through the frame.
void MainWindow::mnuNewPageBlank_Click() {
    m_commands->mnuNewPageBlank_Click();
}

void MainWindow::mnuNavigateStop_Click() {
    m_commands->StopLoading();
}

void MainWindow::mnuFileOpen_Click() {
    m_commands->mnuFileOpen_Click();
}

void MainWindow::mnuNavigateSearch_Click() {
    m_commands->OpenSearch();
}

void MainWindow::Home() {
    m_commands->Home();
}

void MainWindow::mnuViewNavigator_Click() {
    QAction* item = m_menus->action(QStringLiteral("mnuViewNavigator"));
    m_navigator->setVisible(item->isChecked());
}

void MainWindow::MDIForm_MouseMove() {
    if (m_navigator)
        m_navigator->startShrink();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_mdi->viewport() && event->type() == QEvent::MouseMove)
        MDIForm_MouseMove();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::runHookAction(HookAction action, bool shift) {
    switch (action) {
    case HookAction::FocusAddressBar:
        m_addressPanel->AddressBar()->setFocus(Qt::ShortcutFocusReason);
        break;
    case HookAction::Stop:
        mnuNavigateStop_Click();
        break;
    case HookAction::SwitchTab: {
        TabBar* tabs = tabBar();
        const int next = nextTabIndex(tabs->count(), tabs->currentIndex() + 1, shift);
        if (next > 0) {
            tabs->setCurrentIndex(next - 1);
            m_documents->vbalDTabControl1_TabClick(next, Qt::LeftButton);
        }
        break;
    }
    case HookAction::Home:
        Home();
        break;
    case HookAction::FileNew:
        mnuFileNew_Click();
        break;
    case HookAction::FileOpen:
        mnuFileOpen_Click();
        break;
    case HookAction::Search:
        mnuNavigateSearch_Click();
        break;
    case HookAction::None:
        break;
    }
}

void MainWindow::installHandOver() {
    if (m_handOver)
        connect(m_handOver, &HandOverServer::commandLineReceived, this,
                &MainWindow::handOverReceived, Qt::UniqueConnection);
}

void MainWindow::removeHandOver() {
    if (m_handOver) {
        m_handOver->stopListening();
        disconnect(m_handOver, nullptr, this, nullptr);
    }
}

void MainWindow::handOverReceived(const QString& text, const QString& workingDirectory) {
    const QString target = resolveAgainst(text, workingDirectory);
    LoadNewDoc(target);
    if (DocumentWindow* doc = activeDocument())
        doc->setWindowTitle(target);
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    if (appSettings().password.isEmpty()) {
        show();
        raise();
        activateWindow();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        m_normalGeometry.setSize(size());
    applyResizeRule();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        m_normalGeometry.moveTopLeft(pos());
}

void MainWindow::applyResizeRule() {
    const double dpi = logicalDpiX();
    int tabBarWidth = 0;
    m_addressPanel->applyResizeRule(pixelsToTwips(frameGeometry().width(), dpi),
                                    pixelsToTwips(tabBar()->x(), dpi), &tabBarWidth);
    tabBar()->resize(twipsToPixels(tabBarWidth, dpi), m_tabPanel->minimumHeight());
}

void MainWindow::Form_Activate() {
    // The browse toolbar takes its stored layout each time the window becomes active.
    QCoreApplication::processEvents();
    m_browseToolbar->restoreLayout();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first activation may never come on a platform without one (offscreen runs).
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_browseToolbar->restoreLayout();
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_unloaded)
        Form_Activate();
    // Minimizing into the tray (the resize rule's last step) belongs here once the tray
    // icon exists: without one to come back from, the window must never hide.
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_unloaded) {
        QueryUnload();
        m_documents->closeAll();
        Unload();
    }
    event->accept();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void MainWindow::QueryUnload() {
    if (appSettings().saveAllOnExit)
        SaveOpenDocuments();
    if (appSettings().cleanOnExit) {
        m_addressPanel->clearHistory();
        m_engines.CleanHistory();
    }
}

void MainWindow::writeGeometry() {
    // A maximized window keeps the size it had before, so restoring it is no surprise.
    const QRect g = m_normalGeometry;
    writePixels(QStringLiteral("MainLeft"), g.x());
    writePixels(QStringLiteral("MainTop"), g.y());
    writePixels(QStringLiteral("MainWidth"), g.width());
    writePixels(QStringLiteral("MainHeight"), g.height());
    const QRect n = m_navigator->frameGeometry();
    writePixels(QStringLiteral("NavigatorLeft"), n.x());
    writePixels(QStringLiteral("NavigatorTop"), n.y());
    writePixels(QStringLiteral("NavigatorWidth"), n.width());
    writePixels(QStringLiteral("NavigatorHeight"), n.height());
}

void MainWindow::Unload() {
    m_unloaded = true;
    // 1. No more hand-overs or hooked keys.
    removeHandOver();
    m_keyboardHook->remove();
    // 2. The engine is left at the medium text size.
    m_commands->mnuEditResetFont_Click();

    // 3-4. Geometry when not minimized; the maximized state in any case.
    if (!isMinimized())
        writeGeometry();
    Settings::writeBool(QStringLiteral("MainMaximized"), isMaximized());
    Settings::writeText(QStringLiteral("NavigatorVisible"),
                        m_navigator->isHidden() ? QStringLiteral("False") : QStringLiteral("True"));

    // 5-6. Band visibility, the band layout and the browse toolbar's layout.
    for (int bar = 1; bar <= 4; ++bar)
        Settings::writeBool(QLatin1String(kBandVisibilityKeys[bar - 1]),
                            m_viewToggles->isVisible(bar));
    m_bands->saveLayout();
    m_browseToolbar->saveLayout();
    // 7. The typed history.
    m_addressPanel->saveHistory();

    // 8. Status bar and the preferences.
    Settings::writeBool(QStringLiteral("StatusBarVisible"), !statusBar()->isHidden());
    appSettings().write();
    // 9.
    if (appSettings().cleanOnExit)
        Settings::writeInt16(QStringLiteral("QSearchSearchListCount"), 0);

    // 10. The Navigator closes for good; the tray and password windows follow here.
    m_navigator->setProperty("Tag", QStringLiteral("1"));
    m_navigator->close();
    // 11. The tray icon is removed here once it exists.
    // 12. The notes and blocked-sites files are saved here once they exist.

    SettingsStore::sync();
    // 13. Last: a new instance may start from here on.
    releaseSingleInstance();
}

} // namespace kelvane
