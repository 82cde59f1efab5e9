#include "frame/mainwindow.h"

#include "blocking/contentblocking.h"
#include "frame/blockingstatus.h"
#include "frame/developertools.h"

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
#include "dialogs/associationquestion.h"
#include "dialogs/defaultbrowsercheck.h"
#include "documents/documentarea.h"
#include "documents/documentsleep.h"
#include "documents/documentwindow.h"
#include "documents/tabbar.h"
#include "downloads/downloadmanager.h"
#include "frame/commands.h"
#include "frame/featurewindows.h"
#include "frame/frametitle.h"
#include "frame/fullscreen.h"
#include "frame/keyboardhook.h"
#include "frame/mainbars.h"
#include "frame/menus.h"
#include "frame/pagequestions.h"
#include "frame/recentlyclosed.h"
#include "frame/saveddocuments.h"
#include "frame/statusbar.h"
#include "frame/trayicon.h"
#include "frame/viewtoggles.h"
#include "frame/windowplacement.h"
#include "navigator/navigatorwindow.h"
#include "notes/notespane.h"
#include "platform/engine/engine.h"
#include "platform/engine/enginesetup.h"
#include "platform/nestedloops.h"
#include "platform/trace.h"
#include "popups/blockedsites.h"
#include "ui/captions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QOpenGLWidget>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr int kTitleId = 1120;
// How soon a close that had to wait for a dialog's loop tries again.
constexpr int kRetryCloseMs = 10;

} // namespace

MainWindow::MainWindow(EngineFactory& engines, HandOverServer* handOver, QWidget* parent)
    : QMainWindow(parent)
    , m_engines(engines)
    , m_handOver(handOver)
    , m_keyboardHook(new KeyboardHook(
          [this](HookAction action, bool shift) { m_commands->runKeyAction(action, shift); }, this))
    , m_mdi(new QMdiArea(this))
    , m_tabPanel(new QWidget(this))
    , m_addressPanel(new AddressPanel(this))
    , m_documents(new DocumentArea(m_mdi, engines, m_tabPanel))
    , m_menus(std::make_unique<MainMenus>(this))
    , m_commands(new CommandSet(*m_documents, m_addressPanel, this))
    , m_placement(new WindowPlacement(this))
    , m_savedDocuments(new SavedDocuments(*m_documents, this))
    , m_tray(new TrayIcon(this))
    , m_title(new FrameTitle(this, *m_documents))
    , m_recentlyClosed(new RecentlyClosed(*m_documents, m_menus->recentlyClosedMenu,
                                          m_menus->reopenClosed, this))

    , m_blockedSites(std::make_unique<BlockedSitesFile>()) {
    buildWindow();
    createNavigator();
    answerPageRequests();
    connectMenus();
}

MainWindow::~MainWindow() {
    // Documents still open unload now, while the frame they report to still exists.
    disconnect(m_documents, nullptr, this, nullptr);
    disconnect(m_documents, nullptr, m_navigator, nullptr);
    disconnect(m_documents, nullptr, m_recentlyClosed, nullptr);
    delete m_documents;
}

TabBar* MainWindow::tabBar() const {
    return m_documents->tabBar();
}

DocumentWindow* MainWindow::activeDocument() const {
    return m_documents->activeDocument();
}

void MainWindow::buildWindow() {
    // Closing the active document activates the one that was active before it.
    m_mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->viewport()->setMouseTracking(true);
    m_mdi->viewport()->installEventFilter(this);

    // The bands run across the top of the client area, above the documents; the menu bar
    // stays the frame's own, so a maximized document puts its buttons there.
    m_bars = new MainBars(this, m_addressPanel, tabBar(), m_tabPanel, *m_menus);
    connect(m_bars->container(), &BandContainer::layoutChanged, this,
            [this] { applyResizeRule(); });
    connect(m_bars->sitesToolbar(), &SitesToolbar::linkClicked, this,
            &MainWindow::openInNewDocument);
    connect(m_bars->browseToolbar(), &BrowseToolbar::buttonClicked, m_commands,
            &CommandSet::buttonClicked);
    connect(m_bars->browseToolbar(), &BrowseToolbar::dropDownRequested, this,
            [this](const QString& key, const QPoint& pos) {
                if (key == QLatin1String("New"))
                    m_menus->newPageMenu->popup(pos);
                else
                    m_commands->showHistoryMenu(key == QLatin1String("Back"), pos);
            });
    // Below the bands, the notes pane at the left of the documents and the find bar under
    // them.
    auto* client = new QWidget(this);
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    clientLayout->addWidget(m_bars->container());
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    m_notesPane = new NotesPane(client);
    middle->addWidget(m_notesPane);
    auto* documents = new QVBoxLayout;
    documents->setSpacing(0);
    documents->addWidget(m_mdi, 1);
    m_findBar = new FindBar(*m_documents, client);
    documents->addWidget(m_findBar);
    middle->addLayout(documents, 1);
    clientLayout->addLayout(middle, 1);
    setCentralWidget(client);

    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    connect(m_statusBar, &StatusBar::killedPopupChosen, this, &MainWindow::openInNewDocument);

    m_features = new FeatureWindows(this, {*m_documents, m_engines, m_tray, m_notesPane,
                                           m_bars->sitesToolbar(), m_bars->viewToggles()});
    connect(m_features, &FeatureWindows::openInNewDocument, this, &MainWindow::openInNewDocument);
    m_addressPanel->setSuggestionSources(&m_features->history(), &FeatureWindows::favoriteLinks);
    // What is typed for a private document stays out of the typed history.
    const auto keepTyped = [this] {
        const DocumentWindow* doc = activeDocument();
        m_addressPanel->setKeepsTyped(!doc || !doc->isPrivate());
    };
    connect(m_documents, &DocumentArea::activeDocumentChanged, this, keepTyped);
    connect(m_documents, &DocumentArea::countChanged, this, keepTyped);
    connect(m_features, &FeatureWindows::openInActiveDocument, this, [this](const QString& url) {
        if (DocumentWindow* doc = activeDocument())
            doc->engine()->navigate(url);
        else
            openInNewDocument(url);
    });
    connect(m_statusBar, &StatusBar::optionsRequested, m_features, &FeatureWindows::showOptions);
    connect(&m_features->downloads(), &DownloadManager::statusTextChanged, m_statusBar,
            &StatusBar::setDownloadsText);

    m_documents->setAddressEditingQuery([this] { return m_addressPanel->isAddressBeingEdited(); });
    connect(m_tray, &TrayIcon::passwordAnswered, this, [this](bool right) {
        for (const QString& target : std::exchange(m_waitingForPassword, {})) {
            if (right)
                handOverReceived(target, {});
        }
    });
    connect(m_documents, &DocumentArea::countChanged, this, &MainWindow::updateDocumentCommands);
    connect(m_documents, &DocumentArea::statusText, m_statusBar, &StatusBar::setStatusText);
    connect(m_documents, &DocumentArea::progressPercent, m_statusBar,
            &StatusBar::setProgressPercent);
    connect(m_documents, &DocumentArea::securityChanged, m_statusBar, &StatusBar::setSecurity);
    connect(m_documents, &DocumentArea::popupWasKilled, m_statusBar, &StatusBar::popupKilled);
    connect(m_documents, &DocumentArea::addressText, m_addressPanel, &AddressPanel::setPageAddress);
    connect(m_documents, &DocumentArea::addressOpened, m_addressPanel, &AddressPanel::addTyped);
    connect(m_addressPanel, &AddressPanel::navigateRequested, this, &MainWindow::navigateTo);
    connect(m_addressPanel, &AddressPanel::pageAddressWanted, this, [this] {
        if (DocumentWindow* doc = activeDocument())
            m_addressPanel->setPageAddress(doc->engine()->url());
    });
    connect(m_addressPanel, &AddressPanel::openInNewRequested, this,
            &MainWindow::openInNewDocument);
    connect(
        m_documents, &DocumentArea::documentLoaded, this,
        [] { benchMark("first document loaded"); }, Qt::SingleShotConnection);
}

void MainWindow::createNavigator() {
    m_navigator = new NavigatorWindow(m_documents->documents(), this);
    m_navigator->setNewMenu(m_menus->newPageMenu);
    connect(m_navigator, &NavigatorWindow::newRequested, m_commands, &CommandSet::newHome1Document);
    connect(m_navigator, &NavigatorWindow::visibilityChanged, m_menus->navigator,
            &QAction::setChecked);
    // Shown or hidden by the user before the start showed it: that stands.
    connect(m_navigator, &NavigatorWindow::visibilityChanged, this,
            [this] { m_navigatorShown = true; });
    connect(m_documents, &DocumentArea::loadingAnimation, m_navigator, [this](bool on) {
        if (on)
            m_navigator->startLoadingAnimation();
        else
            m_navigator->stopLoadingAnimation();
    });
}

// What pages ask of the browser, whichever document they are in.
void MainWindow::answerPageRequests() {
    m_questions = new PageQuestions(this, m_engines, m_tray);
    m_fullScreen = new FullScreenPage(this, *m_documents, m_navigator);
    connect(m_documents, &DocumentArea::documentCreated, m_questions, &PageQuestions::watch);
    connect(m_documents, &DocumentArea::documentCreated, m_fullScreen, &FullScreenPage::watch);
    connect(m_questions, &PageQuestions::statusText, m_statusBar, &StatusBar::setStatusText);
    // Questions wait for the window behind the tray password, and for their document.
    connect(m_documents, &DocumentArea::activeDocumentChanged, m_questions,
            &PageQuestions::showHeldQuestions);
    m_features->downloads().setWaitForUser([this] { return m_questions->waitUntilSeen(); });
    m_features->setPageQuestions(m_questions);
    connect(m_questions, &PageQuestions::documentWanted, this, [this](DocumentWindow* document) {
        document->bringToFront();
        // Hidden behind the tray's password, the window comes back only through it.
        if (m_tray->isGuarding())
            return m_tray->doubleClicked();
        if (isMinimized())
            showNormal();
        raise();
        activateWindow();
    });
    connect(m_features, &FeatureWindows::cleanHistoryRequested, this, &MainWindow::cleanHistory);
    m_blocking = new ContentBlocking(this);
    m_features->setContentBlocking(m_blocking);
    new BlockingStatus(*m_documents, *m_statusBar, *m_blocking, this);
    m_blocking->start();
    m_developerTools = new DeveloperTools(*m_documents, this);
}

void MainWindow::navigateTo(const QString& text) {
    DocumentWindow* doc = activeDocument();
    if (!doc) {
        openInNewDocument(text); // puts the address into the list itself
        return;
    }
    doc->engine()->navigate(text);
    m_addressPanel->addTyped(text);
}

void MainWindow::connectMenus() {
    const MainMenus& m = *m_menus;
    DocumentArea* docs = m_documents;
    connect(m.newDocument, &QAction::triggered, m_commands, &CommandSet::newHome1Document);
    connect(m.close, &QAction::triggered, docs, &DocumentArea::closeActiveDocument);
    connect(m.exit, &QAction::triggered, this, &QWidget::close);
    connect(m.find, &QAction::triggered, m_findBar, &FindBar::openBar);
    connect(m.developerTools, &QAction::triggered, m_developerTools, &DeveloperTools::toggle);
    m_features->connectMenus(m);
    connect(m.navigator, &QAction::triggered, m_navigator, &NavigatorWindow::setVisible);
    connect(m.statusBar, &QAction::triggered, statusBar(), &QWidget::setVisible);
    connect(m.shrinkAllTabs, &QAction::triggered, docs, &DocumentArea::shrinkAllTabs);
    connect(m.shrinkAllTabsButActive, &QAction::triggered, docs,
            &DocumentArea::shrinkAllTabsButActive);
    connect(m.resetAllTabs, &QAction::triggered, docs, &DocumentArea::resetAllTabs);
    connect(m.newWindow, &QAction::triggered, docs, &DocumentArea::newEmptyDocument);
    connect(m.cascade, &QAction::triggered, docs, &DocumentArea::cascade);
    connect(m.tileHorizontally, &QAction::triggered, docs, &DocumentArea::tileHorizontally);
    connect(m.tileVertically, &QAction::triggered, docs, &DocumentArea::tileVertically);
    connect(m.arrangeIcons, &QAction::triggered, docs, &DocumentArea::arrangeIcons);
    connect(m.putOthersToSleep, &QAction::triggered, &docs->sleep(),
            &DocumentSleep::putOthersToSleep);
    connect(m.findDocument, &QAction::triggered, m_navigator, &NavigatorWindow::showPalette);
    // The key works from the Navigator too.
    m_navigator->addAction(m.findDocument);
    m_commands->connectMenus(m);

    QList<QKeySequence> menuKeys;
    for (const QAction* action : findChildren<QAction*>()) {
        if (action->shortcutContext() == Qt::WindowShortcut)
            menuKeys.append(action->shortcuts());
    }
    m_keyboardHook->setMenuKeys(menuKeys);

    QMenu* window = m.windowMenu;
    QAction* last = m.recentlyClosedMenu->menuAction();
    connect(window, &QMenu::aboutToShow, docs,
            [docs, window, last] { docs->fillWindowList(window, last); });
}

void MainWindow::load(const QString& commandLine) {
    trace("start loading...");
    m_loading = true;

    // Captions from the string table; the title becomes string 1120.
    setCaptionId(this, kTitleId);
    applyCaptions(this);
    m_title->setBaseTitle(windowTitle());
    trace("strings loaded");

    // Hand-overs from later instances reach this window; then the keyboard hook.
    installHandOver();
    m_keyboardHook->install();

    m_placement->restoreMainWindow();
    m_placement->restoreNavigator(m_navigator);
    // The Navigator shows once its owner is on the screen: a window manager keeps a tool
    // window above its owner only when the owner was there first.
    m_navigatorShownAtStart = Settings::readText(QStringLiteral("NavigatorVisible"),
                                                 QStringLiteral("True")) == QLatin1String("True");
    m_menus->navigator->setChecked(m_navigatorShownAtStart);
    if (isVisible())
        m_navigator->setVisible(m_navigatorShownAtStart);

    restoreBars();

    // The preferences into the settings record.
    AppSettings& app = appSettings();
    app.readGeneral();
    app.readQuickNotesLook();
    m_notesPane->applyLook(app);
    app.readUserLinks();
    m_bars->sitesToolbar()->setUserLinks(app.userLinks);
    app.readPopUp();
    app.readDownloads();
    app.readDocumentSleep();
    if (app.minimizeToTray)
        m_tray->add();
    trace("settings loaded");

    // The menus got their pictures when they were built.
    trace("menu images set");
    m_statusBar->setPopupsAllowed(app.popUpEnabled);
    trace("1");
    trace("2");
    trace("3");
    if (m_checksDefaultBrowser)
        checkDefaultBrowser(this, QCoreApplication::applicationFilePath());
    trace("4");

    openFirstDocuments(commandLine);
    if (m_documents->count() == 0)
        prepareForPages();
    // Only now the window becomes a native one, made for the pages it holds.
    m_placement->applyStartState();
    // A start with nothing to open (no saved documents) leaves the document commands off.
    updateDocumentCommands();
    trace("processing command line done");

    m_notesPane->loadNotes();
    app.blockedSites = m_blockedSites->load();
    trace("loading notes done");
    m_notesPane->shrinkNotes(true);
    trace("shrinking notes done");

    applyResizeRule();
    m_loading = false;
}

void MainWindow::restoreBars() {
    m_bars->restore();
    const bool statusVisible = Settings::readBool(QStringLiteral("StatusBarVisible"));
    statusBar()->setVisible(statusVisible);
    m_menus->statusBar->setChecked(statusVisible);
}

void MainWindow::openFirstDocuments(const QString& commandLine) {
    // The leading-quote rule was applied when the command line was read.
    if (!commandLine.isEmpty())
        openInNewDocument(commandLine);
    else if (appSettings().saveAllOnExit)
        m_savedDocuments->restore();
    else
        openInNewDocument(appSettings().home1);
}

void MainWindow::prepareForPages() {
    // Pages drawn as textures: a native window made for them from the start is not made
    // again when the first page opens, which would lose its maximized state and leave the
    // Navigator owned by a window that no longer exists. A window that opens with a page is
    // made for it anyway.
    if (pagesNeedOpenGLWindows())
        (new QOpenGLWidget(this))->hide();
}

void MainWindow::openInNewDocument(const QString& address) {
    m_documents->openInNewDocument(address);
}

void MainWindow::updateDocumentCommands() {
    const bool enabled = m_documents->count() > 0;
    for (QAction* action : m_menus->documentCommands())
        action->setEnabled(enabled);
    m_bars->browseToolbar()->setDocumentButtonsEnabled(enabled);
    // The last document closed: its address goes too, unless the user is typing there.
    if (!enabled && !m_addressPanel->isAddressBeingEdited())
        m_addressPanel->setPageAddress(QString());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The mouse over the frame's free area shrinks the Navigator.
    if (watched == m_mdi->viewport() && event->type() == QEvent::MouseMove)
        m_navigator->startShrink();
    return QMainWindow::eventFilter(watched, event);
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
    if (m_tray->isGuarding()) {
        m_waitingForPassword.append(target);
        QTimer::singleShot(0, m_tray, &TrayIcon::doubleClicked);
        return;
    }
    openInNewDocument(target);
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
    applyResizeRule();
}

void MainWindow::applyResizeRule() {
    m_bars->applyResizeRule(frameGeometry().width());
}

void MainWindow::setVisible(bool visible) {
    // The document area activates every document window in turn as it shows.
    const bool quiet = visible && !isVisible();
    if (quiet)
        m_documents->pauseActivation(true);
    QMainWindow::setVisible(visible);
    if (quiet)
        m_documents->pauseActivation(false);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    m_questions->showHeldQuestions();
    // The first activation may never come on a platform without one (offscreen runs).
    if (!m_shownOnce) {
        m_shownOnce = true;
        m_bars->browseToolbar()->restoreLayout();
        // Later than the show, or the tool window is not mapped.
        QTimer::singleShot(0, this, &MainWindow::showNavigatorAtStart);
    }
}

void MainWindow::showNavigatorAtStart() {
    if (m_navigatorShown || m_unloaded)
        return;
    m_navigatorShown = true;
    // The main window keeps the activation, so the Navigator shrinks to its caption rather
    // than cover the pages, as when any window takes the activation from it.
    m_navigator->setAttribute(Qt::WA_ShowWithoutActivating);
    m_navigator->setVisible(m_navigatorShownAtStart);
    m_navigator->setAttribute(Qt::WA_ShowWithoutActivating, false);
    m_navigator->startShrink();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    switch (event->type()) {
    case QEvent::ActivationChange:
        // The browse toolbar takes its stored layout each time the window becomes active.
        if (isActiveWindow() && !m_unloaded) {
            QCoreApplication::processEvents();
            m_bars->browseToolbar()->restoreLayout();
        }
        break;
    case QEvent::WindowStateChange:
        if (isMinimized() && !m_unloaded)
            m_tray->windowMinimized();
        break;
    default:
        break;
    }
}

void MainWindow::closeOnSignal() {
    // Running downloads are cancelled without the question nobody is there to answer.
    m_closingForSignal = true;
    if (m_loading) {
        m_closeRequested = true;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* question = qobject_cast<AssociationQuestion*>(window))
                question->abandon();
        }
        closeModalWindows();
        return;
    }
    // A window that never showed has no close event to wait for.
    if (m_shownOnce)
        close();
    else
        shutDown();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(shutDown());
}

bool MainWindow::shutDown() {
    if (!m_unloaded && insideNestedLoop()) {
        // A dialog is open (a page's alert, say) and its page's code waits below it: close the
        // dialogs and come back once their loops have returned.
        closeModalWindows();
        QTimer::singleShot(kRetryCloseMs, this, &QWidget::close);
        return false;
    }
    // A signal (a logout) waits for no question.
    if (!m_unloaded && !m_closingForSignal) {
        if (!pagesAgreeToClose())
            return false;
        if (!m_features->downloads().confirmClose()) {
            m_pagesAgreed = false; // the pages are asked again at the next close
            return false;
        }
    }
    if (!m_unloaded) {
        m_features->downloads().cancelAll();
        beforeClose();
        // Closing at exit is no closing of documents to reopen.
        disconnect(m_documents, nullptr, m_recentlyClosed, nullptr);
        m_documents->closeAll();
        unload();
    }
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return true;
}

bool MainWindow::pagesAgreeToClose() {
    if (m_pagesAgreed || m_askingPages)
        return m_pagesAgreed;
    m_askingPages = true;
    // Pages answer later: the close comes back once they all agreed.
    auto waiting = std::make_shared<bool>(false);
    m_documents->askEachToLeave([this, waiting](bool leave) {
        m_askingPages = false;
        m_pagesAgreed = leave;
        if (leave && *waiting)
            QTimer::singleShot(0, this, &QWidget::close);
    });
    *waiting = m_askingPages;
    return m_pagesAgreed;
}

void MainWindow::beforeClose() {
    m_savedDocuments->stopAutoSave();
    if (appSettings().saveAllOnExit)
        m_savedDocuments->save();
    if (appSettings().cleanOnExit) {
        m_addressPanel->clearHistory();
        cleanHistory();
    }
}

void MainWindow::cleanHistory() {
    m_features->cleanHistory();
    // The lists of downloads and closed documents are history too.
    m_features->downloads().clearList();
    m_recentlyClosed->clear();
}

void MainWindow::unload() {
    m_unloaded = true;
    // No more hand-overs or hooked keys.
    removeHandOver();
    m_keyboardHook->remove();
    // The engine is left at the medium text size.
    m_commands->resetFont();

    // Geometry when not minimized; the maximized state in any case.
    if (!isMinimized())
        m_placement->saveGeometry(m_navigator);
    m_placement->saveMaximized();
    // A close before the Navigator first showed keeps what was stored.
    const bool navigatorVisible =
        m_navigatorShown ? !m_navigator->isHidden() : m_navigatorShownAtStart;
    Settings::writeText(QStringLiteral("NavigatorVisible"),
                        navigatorVisible ? QStringLiteral("True") : QStringLiteral("False"));

    m_bars->save();

    Settings::writeBool(QStringLiteral("StatusBarVisible"), !statusBar()->isHidden());
    appSettings().write();
    // Before the clean-up below, which must have the last word on the stored queries.
    m_features->saveAtExit();
    if (appSettings().cleanOnExit)
        Settings::writeInt16(QStringLiteral("QSearchSearchListCount"), 0);

    // The Navigator closes for good, then the password prompt and the tray icon.
    m_navigator->allowClose();
    m_navigator->close();
    m_tray->unload();
    m_notesPane->saveNotes();
    m_blockedSites->save(appSettings().blockedSites);

    SettingsStore::sync();
    // Everything is saved: the next start opens its saved documents unasked.
    m_savedDocuments->closedCleanly();
    // Last: a new instance may start from here on.
    releaseSingleInstance();
}

} // namespace kelvane
