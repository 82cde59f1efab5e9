#include "platform/engine/webengine.h"

#include "platform/engine/internetoptions.h"
#include "platform/engine/pagemenu.h"
#include "platform/engine/pageoutput.h"
#include "platform/engine/pageproperties.h"
#include "platform/engine/requestfilter.h"
#include "platform/engine/webengineprofile.h"
#include "platform/engine/webpage.h"
#include "platform/trace.h"

#include <QDataStream>
#include <QDir>
#include <QStackedWidget>
#include <QWebEngineFindTextResult>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <cmath>

namespace kelvane {

int WebEngine::zoomLevelForFactor(double factor) {
    int best = kZoomLevelMedium;
    for (int level = kZoomLevelMin; level <= kZoomLevelMax; ++level) {
        if (std::abs(kZoomFactors[level] - factor) < std::abs(kZoomFactors[best] - factor))
            best = level;
    }
    return best;
}

WebEngine::WebEngine(QWidget* parent, bool offTheRecord)
    : Engine(parent)
    , m_offTheRecord(offTheRecord) {
    m_container = new QStackedWidget(parent);
    // The page's interceptor hands every request to the filter (connectRequests).
    m_filter = new RequestFilter(this);
    // Queued: the filter counts from inside the engine's call.
    connect(m_filter, &RequestFilter::blockedCountChanged, this, &Engine::blockedRequestsChanged,
            Qt::QueuedConnection);
    prepareClosing();
}

QWebEnginePage* WebEngine::ensurePage() {
    if (m_page)
        return m_page;
    m_view = new QWebEngineView(m_container);
    auto* page = new WebPage(m_offTheRecord ? WebEngineProfile::privateProfile()
                                            : WebEngineProfile::profile(),
                             this, m_view);
    m_view->setPage(page);
    m_page = page;
    WebEngineProfile::registerPage(page);
    if (m_zoomLevel != kZoomLevelMedium)
        m_view->setZoomFactor(kZoomFactors[m_zoomLevel]);
    m_container->addWidget(m_view);
    m_container->setCurrentWidget(m_view);
    m_container->setFocusProxy(m_view);
    m_output = std::make_unique<PageOutput>(m_view);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        createPageMenu(m_view, [this] {
            Q_EMIT developerToolsRequested();
        })->popup(m_view->mapToGlobal(pos));
    });

    // Should the view go first (with its parent), its page raises nothing while it dies.
    connect(m_view, &QObject::destroyed, this, [this] {
        if (m_page)
            m_page->disconnect(this);
    });

    connect(page, &QWebEnginePage::loadStarted, this, &WebEngine::onLoadStarted);
    connect(page, &QWebEnginePage::contentsSizeChanged, this,
            [] { benchMarkOnce("first layout"); });
    connect(page, &QWebEnginePage::loadProgress, this,
            [this](int progress) { Q_EMIT progressChanged(progress, 100); });
    connect(page, &QWebEnginePage::loadFinished, this, &WebEngine::onLoadFinished);
    connect(page, &QWebEnginePage::titleChanged, this, [this] { Q_EMIT titleChanged(title()); });
    connect(page, &QWebEnginePage::linkHovered, this, &Engine::statusTextChanged);
    connect(page, &QWebEnginePage::urlChanged, this, &WebEngine::raiseSecurityChanged);
    connectRequests(page);
    connectLifecycle(page);
    connectClosing(page);
    connect(page, &QWebEnginePage::findTextFinished, this,
            [this](const QWebEngineFindTextResult& result) {
                Q_EMIT findResult(result.activeMatch(), result.numberOfMatches());
            });
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                onRenderProcessTerminated(status);
            });
    return page;
}

WebEngine::~WebEngine() {
    if (m_page)
        m_page->disconnect(this);
    // The view owns the page; the page must go before the profile, which outlives us.
    delete m_container.data();
}

QWidget* WebEngine::widget() {
    return m_container;
}

QWebEnginePage* WebEngine::page() const {
    return m_page;
}

bool WebEngine::isShowingCrashPage() const {
    return m_container && m_crashPanel && m_container->currentWidget() == m_crashPanel;
}

void WebEngine::navigate(const QString& text) {
    const QString trimmed = text.trimmed();
    // A relative path names a file of the current folder only when that file exists.
    const QUrl url = trimmed.isEmpty() ? QUrl(QStringLiteral("about:blank"))
                                       : QUrl::fromUserInput(trimmed, QDir::currentPath());
    // The engine drops a typed address of another program's scheme; the browser offers it to
    // that program instead.
    if (url.isValid() && !isEngineScheme(url.scheme())) {
        Q_EMIT externalSchemeRequested(url.toString());
        return;
    }
    if (url.isValid()) {
        benchMarkOnce("navigation started");
        ensurePage()->load(url);
    }
}

void WebEngine::goBack() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Back);
}

void WebEngine::goForward() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Forward);
}

void WebEngine::stop() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Stop);
}

void WebEngine::reload(bool bypassCache) {
    if (isShowingCrashPage())
        reloadCrashedPage();
    else if (m_page)
        m_page->triggerAction(bypassCache ? QWebEnginePage::ReloadAndBypassCache
                                          : QWebEnginePage::Reload);
}

bool WebEngine::isOffTheRecord() const {
    return m_offTheRecord;
}

QString WebEngine::url() const {
    if (isShowingCrashPage())
        return m_crashedUrl.toString();
    return m_page ? m_page->url().toString() : QString();
}

QString WebEngine::title() const {
    if (m_inspected)
        return tr("Developer Tools - %1").arg(m_inspected->title());
    if (isShowingCrashPage() && !m_panelTitle.isEmpty())
        return m_panelTitle;
    return m_page ? m_page->title() : QString();
}

void WebEngine::setSilent(bool silent) {
    m_silent = silent;
}

void WebEngine::find(const QString& text, bool backward) {
    if (m_page)
        m_page->findText(text,
                         backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

void WebEngine::onLoadStarted() {
    benchMarkOnce("load started");
    m_loading = true;
    m_certificateError = false;
    m_loadFailed = false;
    m_capturing = false;
    if (isShowingCrashPage()) {
        m_container->setCurrentWidget(m_view);
        if (!std::exchange(m_panelTitle, QString()).isEmpty())
            Q_EMIT titleChanged(title());
    }
    Q_EMIT progressChanged(0, 100);
}

void WebEngine::onLoadFinished(bool ok) {
    const QUrl signInCancelled = std::exchange(m_signInCancelled, QUrl());
    if (!signInCancelled.isEmpty() && m_page && m_page->url().isEmpty())
        showSignInCancelled(signInCancelled);
    m_loading = false;
    m_loadFailed = !ok;
    Q_EMIT progressChanged(0, 0);
    raiseSecurityChanged();
}

int WebEngine::blockedRequests() const {
    return m_filter->blockedCount();
}

void WebEngine::showDeveloperToolsIn(Engine* tools) {
    if (!m_page)
        return;
    auto* target = qobject_cast<WebEngine*>(tools);
    if (!target) {
        m_page->setDevToolsPage(nullptr);
        return;
    }
    target->m_inspected = this;
    m_page->setDevToolsPage(target->ensurePage());
    const auto retitle = [target] { Q_EMIT target->titleChanged(target->title()); };
    connect(m_page, &QWebEnginePage::titleChanged, target, retitle);
    retitle();
}

void WebEngine::leaveFullScreen() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::ExitFullScreen);
}

void WebEngine::raiseSecurityChanged() {
    Q_EMIT securityChanged(security());
}

int WebEngine::zoomLevel() const {
    return m_view ? zoomLevelForFactor(m_view->zoomFactor()) : m_zoomLevel;
}

void WebEngine::setZoomLevel(int level) {
    // Stepping and clamping are the caller's; a level out of range is a failed call.
    if (level < kZoomLevelMin || level > kZoomLevelMax)
        return;
    m_zoomLevel = level;
    if (m_view)
        m_view->setZoomFactor(kZoomFactors[level]);
}

void WebEngine::selectAll() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::SelectAll);
}

void WebEngine::saveAs(const QString& path) {
    if (m_page)
        m_output->saveAs(title(), path);
}

void WebEngine::print(QPrinter* printer) {
    if (m_page && !isShowingCrashPage())
        m_output->print(printer);
}

void WebEngine::printPreview() {
    if (m_page && !isShowingCrashPage())
        m_output->printPreview();
}

void WebEngine::pageSetup() {
    if (m_page)
        m_output->pageSetup();
}

void WebEngine::showProperties() {
    if (!m_page)
        return;
    const QPointer<PageProperties> dialog =
        new PageProperties(title(), QUrl(url()), security(), m_view);
    dialog->exec();
    delete dialog.data();
}

// --- history and the engine's own windows ------------------------------------------------

int WebEngine::backCount() const {
    const QWebEngineHistory* history = m_page ? m_page->history() : nullptr;
    return history && history->count() > 0 ? qMax(0, history->currentItemIndex()) : 0;
}

int WebEngine::forwardCount() const {
    const QWebEngineHistory* history = m_page ? m_page->history() : nullptr;
    if (!history || history->count() == 0)
        return 0;
    return qMax(0, history->count() - history->currentItemIndex() - 1);
}

std::optional<HistoryEntry> WebEngine::historyEntry(bool back, int index) const {
    const QWebEngineHistory* history = m_page ? m_page->history() : nullptr;
    if (!history || index < 1 || index > (back ? backCount() : forwardCount()))
        return std::nullopt;
    const QWebEngineHistoryItem item =
        history->itemAt(history->currentItemIndex() + (back ? -index : index));
    if (!item.isValid())
        return std::nullopt;
    const QString address = item.url().toString();
    return HistoryEntry{item.title().isEmpty() ? address : item.title(), address};
}

QByteArray WebEngine::historyState() const {
    QByteArray state;
    if (!m_page || m_page->history()->count() == 0)
        return state;
    QDataStream out(&state, QIODevice::WriteOnly);
    out << *m_page->history();
    return state;
}

bool WebEngine::restoreHistory(const QByteArray& state) {
    if (state.isEmpty())
        return false;
    QDataStream in(state);
    QWebEngineHistory* history = ensurePage()->history();
    in >> *history;
    // The engine drops a list it cannot read and keeps an empty one.
    return in.status() == QDataStream::Ok && history->count() > 0;
}

void WebEngine::showInternetOptions(QWidget* parent) {
    const QPointer<InternetOptions> dialog = new InternetOptions(parent);
    dialog->exec();
    delete dialog.data();
}

void WebEngine::viewSource() {
    // The engine's own action asks for a new window on "view-source:" + address, so the
    // source arrives through newWindowRequested like any other new window.
    if (m_page && !m_page->url().isEmpty())
        m_page->triggerAction(QWebEnginePage::ViewSource);
}

} // namespace kelvane
