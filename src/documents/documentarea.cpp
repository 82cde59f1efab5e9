#include "documents/documentarea.h"

#include "base/shortcutfile.h"
#include "documents/arrangement.h"
#include "documents/documentsleep.h"
#include "documents/documentwindow.h"
#include "documents/sleeprules.h"
#include "documents/tabbar.h"
#include "documents/tabrules.h"
#include "platform/engine/engine.h"
#include "ui/pictures.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>

namespace kelvane {

namespace {

// A shortcut file opens the address it holds.
QString addressToOpen(const QString& address) {
    const QString shortcut = shortcutPathOf(address);
    return shortcut.isEmpty() ? address : readShortcutUrl(shortcut);
}

} // namespace

DocumentArea::DocumentArea(QMdiArea* mdiArea, EngineFactory& engines, QWidget* tabBarParent)
    : QObject(mdiArea)
    , m_mdi(mdiArea)
    , m_engines(engines)
    , m_tabBar(new TabBar(m_set, tabBarParent))
    , m_sleep(new DocumentSleep(*this, this)) {
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &DocumentArea::subWindowActivated);
    connect(m_tabBar, &TabBar::tabClicked, this, &DocumentArea::tabClicked);
    connect(m_tabBar, &TabBar::tabDoubleClicked, this, &DocumentArea::tabDoubleClicked);
    connect(m_tabBar, &TabBar::addressDropped, this, &DocumentArea::openInNewDocument);
}

DocumentArea::~DocumentArea() {
    // Documents unload while the set they belong to still exists.
    for (QObject* object : m_set.documents()) {
        if (auto* doc = qobject_cast<DocumentWindow*>(object))
            doc->unload();
    }
}

DocumentWindow* DocumentArea::activeDocument() const {
    // A closing document is gone for the commands, though its window lives a moment longer.
    return m_active && !m_active->isClosing() ? m_active.data() : nullptr;
}

DocumentWindow* DocumentArea::document(int docIndex) const {
    return qobject_cast<DocumentWindow*>(m_set.document(docIndex));
}

DocumentWindow* DocumentArea::createDocument(bool isPrivate) {
    auto* doc = new DocumentWindow(*this, isPrivate);
    connect(doc, &DocumentWindow::statusText, this, &DocumentArea::statusText);
    connect(doc, &DocumentWindow::progressPercent, this, &DocumentArea::progressPercent);
    connect(doc, &DocumentWindow::addressText, this, &DocumentArea::addressText);
    connect(doc, &DocumentWindow::securityChanged, this, &DocumentArea::securityChanged);
    connect(doc, &DocumentWindow::blockedRequests, this, &DocumentArea::blockedRequests);
    connect(doc, &DocumentWindow::loadFinished, this, [this, doc] { Q_EMIT documentLoaded(doc); });
    connect(doc, &DocumentWindow::closing, this, [this, doc] { Q_EMIT documentClosing(doc); });
    Q_EMIT documentCreated(doc);
    return doc;
}

QMdiSubWindow* DocumentArea::addWindow(DocumentWindow* document) {
    QMdiSubWindow* window = m_mdi->addSubWindow(document);
    // The window menu of a document keeps its items but not their keys: Ctrl+W is the News
    // command's, and a key with two owners does nothing.
    if (QMenu* menu = window->systemMenu()) {
        for (QAction* action : menu->actions())
            action->setShortcut(QKeySequence());
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(tabPicture(kTabIconLoaded));
    return window;
}

bool DocumentArea::opensMaximized() const {
    // A new document takes the look of the current one: maximized unless the user arranged
    // the windows.
    const QMdiSubWindow* current = m_mdi->currentSubWindow();
    return !current || current->isMaximized();
}

void DocumentArea::showDocument(DocumentWindow* document) {
    showDocument(document, opensMaximized());
}

void DocumentArea::showDocument(DocumentWindow* document, bool maximized) {
    QMdiSubWindow* window = addWindow(document);
    if (maximized) {
        window->setWindowState(Qt::WindowMaximized);
    } else {
        // Its own size would be a title bar: it takes the next place of a cascade instead.
        const int count = int(m_mdi->subWindowList().size());
        const QList<QRect> places = cascadeLayout(m_mdi->viewport()->rect(), count, cascadeStep());
        if (!places.isEmpty()) // none while the area has no size
            window->setGeometry(places.last());
    }
    window->show();
    m_mdi->setActiveSubWindow(window);
}

void DocumentArea::subWindowActivated(QMdiSubWindow* window) {
    // A null window means the frame itself lost activation: the document stays the one the
    // commands act on.
    if (!window || m_activationPauses > 0)
        return;
    auto* doc = qobject_cast<DocumentWindow*>(window->widget());
    if (!doc || doc == m_active || doc->isClosing())
        return;
    if (m_active)
        m_active->deactivate();
    m_active = doc;
    doc->activate();
    Q_EMIT activeDocumentChanged();
}

void DocumentArea::openInNewDocument(const QString& address) {
    openDocument(addressToOpen(address), {}, false);
}

void DocumentArea::openPrivateDocument(const QString& address) {
    openDocument(addressToOpen(address), {}, true);
}

void DocumentArea::openWithHistory(const QString& address, const QByteArray& history) {
    if (history.isEmpty())
        openInNewDocument(address);
    else
        openDocument(address, history, false);
}

void DocumentArea::openDocument(const QString& url, const QByteArray& history, bool isPrivate) {
    DocumentWindow* doc = createDocument(isPrivate);
    const int index = m_set.append(doc, doc->markedTitle(url), doc->markedTitle(url));
    m_set.setAddress(index, url);
    Q_EMIT countChanged();
    showDocument(doc);
    doc->setWindowTitle(doc->markedTitle(url));
    Engine* engine = doc->engine();
    if (history.isEmpty() || !engine->restoreHistory(history))
        engine->navigate(url);
    doc->setWindowTitle(doc->markedTitle(engine->url()));
    setTabShrunk(index, false);
    if (!isPrivate)
        Q_EMIT addressOpened(url);
}

void DocumentArea::openAsleep(const QList<SavedPage>& pages) {
    const bool maximized = opensMaximized();
    // One activation for them all: each would update the frame's bars on its way.
    pauseActivation(true);
    for (const SavedPage& page : pages) {
        DocumentWindow* doc = createDocument(false);
        const int index = m_set.append(doc, page.url, page.url);
        doc->restoreAsleep(page);
        // Behind a maximized window the others stand unmaximized, as the area leaves them once
        // another is active: maximizing each would lay out the frame's menu bar again.
        if (maximized && &page != &pages.last())
            addWindow(doc)->show();
        else
            showDocument(doc, maximized);
        setTabShrunk(index, false);
        Q_EMIT addressOpened(page.url);
    }
    Q_EMIT countChanged();
    pauseActivation(false);
}

void DocumentArea::pauseActivation(bool paused) {
    m_activationPauses += paused ? 1 : -1;
    if (m_activationPauses == 0)
        subWindowActivated(m_mdi->activeSubWindow());
}

QList<DocumentWindow*> DocumentArea::visibleDocuments() const {
    QList<QMdiSubWindow*> windows;
    QList<QRect> places;
    for (QMdiSubWindow* w : m_mdi->subWindowList(QMdiArea::StackingOrder)) {
        if (!w->isMinimized() && !w->isHidden()) {
            windows.append(w);
            // A maximized window covers the whole area, whatever its size before the area
            // is first shown.
            constexpr int kAll = 1 << 20;
            places.append(w->isMaximized() ? QRect(-kAll, -kAll, 2 * kAll, 2 * kAll)
                                           : w->geometry());
        }
    }
    QList<DocumentWindow*> visible;
    for (const int i : restoreLoadOrder(places)) {
        if (auto* doc = qobject_cast<DocumentWindow*>(windows.at(i)->widget()))
            visible.append(doc);
    }
    return visible;
}

void DocumentArea::wakeVisible() {
    for (DocumentWindow* doc : visibleDocuments())
        doc->wake();
}

DocumentWindow* DocumentArea::openWindowForRequest(bool isPrivate) {
    DocumentWindow* doc = createDocument(isPrivate);
    m_set.append(doc, doc->markedTitle(QString()), doc->markedTitle(QString()));
    Q_EMIT countChanged();
    showDocument(doc);
    return doc;
}

void DocumentArea::switchTab(bool backwards) {
    const int next = nextTabIndex(m_tabBar->count(), m_tabBar->currentIndex() + 1, backwards);
    if (next > 0) {
        m_tabBar->setCurrentIndex(next - 1);
        tabClicked(next, Qt::LeftButton);
    }
}

void DocumentArea::tabClicked(int tabIndex, Qt::MouseButton button) {
    DocumentWindow* doc = document(tabIndex);
    if (!doc || m_tabBar->isSelecting())
        return;
    if (button == Qt::LeftButton)
        doc->bringToFront();
    else
        doc->closeDocument();
}

void DocumentArea::setTabShrunk(int docIndex, bool shrunk) {
    m_set.setShrunk(docIndex, shrunk);
    if (DocumentWindow* doc = document(docIndex))
        m_set.setTabTitle(docIndex, doc->markedTitle(doc->pageTitle()));
}

void DocumentArea::tabDoubleClicked(int tabIndex) {
    if (document(tabIndex))
        setTabShrunk(tabIndex, !m_set.isShrunk(tabIndex));
}

void DocumentArea::resetAllTabs() {
    for (int i = 1; i <= m_set.count(); ++i)
        setTabShrunk(i, false);
}

void DocumentArea::shrinkAllTabs() {
    for (int i = 1; i <= m_set.count(); ++i)
        setTabShrunk(i, true);
}

void DocumentArea::shrinkAllTabsButActive() {
    for (int i = 1; i <= m_set.count(); ++i) {
        if (i != m_tabBar->currentIndex() + 1) // the selected tab stays exactly as it is
            setTabShrunk(i, true);
    }
}

void DocumentArea::newEmptyDocument() {
    openInNewDocument(QString());
}

int DocumentArea::cascadeStep() const {
    return m_mdi->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4;
}

void DocumentArea::cascade() {
    arrange(
        [this](const QRect& area, int count) { return cascadeLayout(area, count, cascadeStep()); });
}

void DocumentArea::tileHorizontally() {
    arrange([](const QRect& area, int count) { return tileLayout(area, count, true); });
}

void DocumentArea::tileVertically() {
    arrange([](const QRect& area, int count) { return tileLayout(area, count, false); });
}

void DocumentArea::arrange(const std::function<QList<QRect>(const QRect&, int)>& layout) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized())
            windows.append(w);
    }
    // The active window ends on top, as the last of the arrangement.
    QMdiSubWindow* active = m_mdi->activeSubWindow();
    if (windows.removeOne(active))
        windows.append(active);
    const QList<QRect> places = layout(m_mdi->viewport()->rect(), int(windows.size()));
    for (int i = 0; i < windows.size() && i < places.size(); ++i) {
        QMdiSubWindow* w = windows.at(i);
        if (w->isMaximized())
            w->showNormal();
        w->setGeometry(places.at(i));
        w->raise();
    }
    wakeVisible();
}

void DocumentArea::arrangeIcons() {
    // Minimized documents line up along the bottom edge, left to right.
    const QRect area = m_mdi->viewport()->rect();
    int x = 0;
    int y = area.bottom();
    for (QMdiSubWindow* w : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized())
            continue;
        if (x > 0 && x + w->width() > area.width()) {
            x = 0;
            y -= w->height();
        }
        w->move(x, y - w->height() + 1);
        x += w->width();
    }
}

void DocumentArea::closeActiveDocument() {
    if (DocumentWindow* doc = activeDocument())
        doc->closeDocument();
}

void DocumentArea::fillWindowList(QMenu* menu, QAction* after) {
    const QList<QAction*> actions = menu->actions();
    const int from = actions.indexOf(after);
    for (int i = from + 1; i < actions.size(); ++i)
        delete actions.at(i);
    if (m_set.count() > 0)
        menu->addSeparator();
    for (int i = 1; i <= m_set.count(); ++i) {
        DocumentWindow* doc = document(i);
        if (!doc)
            continue;
        const QString title = doc->windowTitle().isEmpty() ? m_set.rowText(i) : doc->windowTitle();
        const QString number =
            i < 10 ? QStringLiteral("&%1 ").arg(i) : QStringLiteral("%1 ").arg(i);
        QAction* action = menu->addAction(
            number + QString(title).replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setCheckable(true);
        action->setChecked(doc == m_active);
        connect(action, &QAction::triggered, doc, &DocumentWindow::bringToFront);
    }
}

void DocumentArea::closeAll() {
    for (QObject* object : m_set.documents()) {
        if (auto* doc = qobject_cast<DocumentWindow*>(object))
            doc->closeNow();
    }
}

void DocumentArea::askEachToLeave(std::function<void(bool)> answered) {
    QList<QPointer<DocumentWindow>> documents;
    for (QObject* object : m_set.documents())
        documents.append(qobject_cast<DocumentWindow*>(object));
    askToLeave(documents, std::move(answered));
}

void DocumentArea::askToLeave(QList<QPointer<DocumentWindow>> documents,
                              std::function<void(bool)> answered) {
    documents.removeAll(nullptr);
    if (documents.isEmpty()) {
        answered(true);
        return;
    }
    const QPointer<DocumentWindow> next = documents.takeFirst();
    next->askToLeave([this, documents, answered](bool mayLeave) {
        if (mayLeave)
            askToLeave(documents, answered);
        else
            answered(false);
    });
}

void DocumentArea::documentCountChanged() {
    Q_EMIT countChanged();
}

bool DocumentArea::isAddressBeingEdited() const {
    return m_addressFocus && m_addressFocus();
}

void DocumentArea::selectTab(int docIndex) {
    m_tabBar->selectTab(docIndex);
}

void DocumentArea::popupKilled(const QString& address, const QString& requestingPage,
                               bool blockedSite) {
    Q_EMIT popupWasKilled(address, requestingPage, blockedSite);
}

void DocumentArea::startLoadingAnimation() {
    Q_EMIT loadingAnimation(true);
}

void DocumentArea::stopLoadingAnimation() {
    Q_EMIT loadingAnimation(false);
}

} // namespace kelvane
