#include "frame/featurewindows.h"

#include "blocking/blockingpage.h"
#include "blocking/contentblocking.h"

#include "bars/sitestoolbar.h"
#include "bars/suggestionrules.h"
#include "base/appsettings.h"
#include "base/browsinghistory.h"
#include "dialogs/aboutbox.h"
#include "dialogs/optionsdialog.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "downloads/downloadmanager.h"
#include "downloads/downloadswindow.h"
#include "favorites/addfavoritedialog.h"
#include "favorites/favoritesscan.h"
#include "favorites/favoritesstore.h"
#include "favorites/favoritestransfer.h"
#include "favorites/favoriteswindow.h"
#include "favorites/organizefavoritesdialog.h"
#include "frame/menus.h"
#include "frame/pagequestions.h"
#include "frame/trayicon.h"
#include "frame/viewtoggles.h"
#include "history/historywindow.h"
#include "history/visitrecorder.h"
#include "notes/notespane.h"
#include "platform/engine/engine.h"
#include "platform/engine/engineservices.h"
#include "quicksearch/quicksearch.h"

#include <QAction>
#include <QMenu>

namespace kelvane {

FeatureWindows::FeatureWindows(QWidget* window, const Parts& parts)
    : QObject(window)
    , m_window(window)
    , m_parts(parts)
    , m_quickSearch(new QuickSearch(window))
    , m_favoritesTransfer(new FavoritesTransfer(window))
    , m_downloads(new DownloadManager(parts.engines.services(), window))
    , m_history(new BrowsingHistory(BrowsingHistory::defaultPath(), this)) {
    auto* recorder = new VisitRecorder(*m_history, this);
    connect(&parts.documents, &DocumentArea::documentCreated, recorder, &VisitRecorder::watch);
    connect(m_quickSearch, &QuickSearch::openInNewDocument, this,
            &FeatureWindows::openInNewDocument);
}

void FeatureWindows::connectMenus(const MainMenus& m) {
    connect(m.quickSearch, &QAction::triggered, m_quickSearch, &QuickSearch::open);
    connect(m.favorites, &QAction::triggered, this, &FeatureWindows::showFavorites);
    connect(m.downloads, &QAction::triggered, this, &FeatureWindows::showDownloads);
    connect(m.history, &QAction::triggered, this, &FeatureWindows::showHistory);
    connect(m.addToFavorites, &QAction::triggered, this, &FeatureWindows::addToFavorites);
    connect(m.organizeFavorites, &QAction::triggered, this,
            [this] { organizeFavorites(m_window); });
    QMenu* importMenu = m.importFavoritesMenu;
    connect(importMenu, &QMenu::aboutToShow, m_favoritesTransfer,
            [this, importMenu] { m_favoritesTransfer->fillImportMenu(importMenu); });
    connect(m.exportFavorites, &QAction::triggered, m_favoritesTransfer,
            &FavoritesTransfer::exportFavorites);
    connect(m.options, &QAction::triggered, this, &FeatureWindows::showOptions);
    connect(m.about, &QAction::triggered, this, [this] { AboutBox(m_window).exec(); });
}

void FeatureWindows::saveAtExit() {
    m_quickSearch->saveAtExit();
}

void FeatureWindows::showFavorites() {
    // One Favorites window at a time: a second request brings the open one forward.
    if (FavoritesWindow* open = FavoritesWindow::openWindow()) {
        open->raise();
        open->activateWindow();
        return;
    }
    FavoritesWindow window(QString(), m_window);
    connect(&window, &FavoritesWindow::openInNewDocumentRequested, this,
            &FeatureWindows::openInNewDocument);
    window.exec();
}

void FeatureWindows::showDownloads() {
    if (!m_downloadsWindow) {
        m_downloadsWindow = new DownloadsWindow(*m_downloads, m_window);
        m_downloadsWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_downloadsWindow->show();
    m_downloadsWindow->raise();
    m_downloadsWindow->activateWindow();
}

void FeatureWindows::showHistory() {
    if (!m_historyWindow) {
        m_historyWindow = new HistoryWindow(*m_history, m_window);
        m_historyWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_historyWindow, &HistoryWindow::openRequested, this,
                [this](const QString& url, bool inNewDocument) {
                    if (inNewDocument)
                        Q_EMIT openInNewDocument(url);
                    else
                        Q_EMIT openInActiveDocument(url);
                });
    }
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}

QList<FavoriteLink> FeatureWindows::favoriteLinks() {
    FavoritesScan scan(favoritesFolder(), QString());
    scan.run();
    QList<FavoriteLink> links;
    for (const FavoriteEntry& entry : scan.entries())
        links.append({entry.name, entry.url});
    return links;
}

void FeatureWindows::cleanHistory() {
    m_parts.engines.cleanHistory();
    m_history->clear();
}

void FeatureWindows::addToFavorites() {
    const DocumentWindow* doc = m_parts.documents.activeDocument();
    addFavorite(doc ? doc->engine()->title() : QString(), doc ? doc->engine()->url() : QString(),
                m_window);
}

void FeatureWindows::showOptions() {
    OptionsContext context;
    if (const DocumentWindow* doc = m_parts.documents.activeDocument())
        context.page = ActivePage{doc->engine()->url(), doc->engine()->title()};
    context.sitesToolbarVisible = m_parts.bars->isVisible(2);
    context.trayAvailable = m_parts.tray->isAvailable();
    context.cleanHistory = [this] { Q_EMIT cleanHistoryRequested(); };
    context.rememberedAnswers = m_questions ? &m_questions->rememberedAnswers() : nullptr;
    const QList<RememberedAnswer> answersBefore =
        m_questions ? m_questions->rememberedAnswers().entries() : QList<RememberedAnswer>();
    if (ContentBlocking* blocking = m_blocking) {
        auto* page = new BlockingPage(blocking->settings(), blocking->lists());
        context.morePages.append({tr("Content Blocking"), page,
                                  [blocking, page] { blocking->setSettings(page->settings()); }});
    }
    AppSettings& app = appSettings();
    const bool trayWasOn = app.minimizeToTray;
    OptionsDialog(std::move(context), m_window).exec();
    if (m_questions)
        m_questions->answersRemoved(answersBefore);

    // After OK and Cancel alike.
    if (app.minimizeToTray != trayWasOn) {
        if (app.minimizeToTray)
            m_parts.tray->add();
        else
            m_parts.tray->remove();
    }
    m_parts.notes->applyLook(app);
    m_parts.userLinks->setUserLinks(app.userLinks);
}

} // namespace kelvane
