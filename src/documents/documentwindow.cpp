#include "documents/documentwindow.h"

#include "base/appsettings.h"
#include "documents/documenthost.h"
#include "documents/documentset.h"
#include "documents/tabrules.h"
#include "platform/engine/engine.h"
#include "platform/nestedloops.h"
#include "platform/sound.h"
#include "popups/popuprules.h"
#include "ui/captions.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace kelvane {

namespace {

constexpr int kFlashIntervalMs = 700;
// The flash ends after this many ticks, or as soon as the document becomes active.
constexpr int kFlashTicks = 8;
// How soon a close that had to wait for a dialog's loop tries again.
constexpr int kRetryCloseMs = 10;
// How long after a kill a window sent to a blocked site closes, and its page stays silent.
constexpr int kKillWindowDelayMs = 100;
constexpr int kSilenceMs = 100;

} // namespace

DocumentWindow::DocumentWindow(DocumentHost& host, bool isPrivate, QWidget* parent)
    : QWidget(parent)
    , m_host(host)
    , m_flashTimer(new QTimer(this))
    , m_silence(new QTimer(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    applyCaptions(this);
    m_engine =
        isPrivate ? host.engines().createPrivateEngine(this) : host.engines().createEngine(this);
    m_engine->widget()->setParent(this);
    m_engine->widget()->show();
    m_flashTimer->setInterval(kFlashIntervalMs);
    m_silence->setSingleShot(true);
    m_silence->setInterval(kSilenceMs);
    connect(m_silence, &QTimer::timeout, this, [this] { m_engine->setSilent(false); });

    connect(m_engine, &Engine::statusTextChanged, this, &DocumentWindow::onStatusTextChanged);
    connect(m_engine, &Engine::progressChanged, this, &DocumentWindow::onProgressChanged);
    connect(m_engine, &Engine::titleChanged, this, &DocumentWindow::onTitleChanged);
    connect(m_engine, &Engine::navigationRequested, this, &DocumentWindow::onNavigationRequested);
    connect(m_engine, &Engine::newWindowRequested, this, &DocumentWindow::onNewWindowRequested);
    // Queued: the engine may not be deleted inside its own signal.
    connect(m_engine, &Engine::closeRequested, this, &DocumentWindow::closeNow,
            Qt::QueuedConnection);
    connect(m_engine, &Engine::closeAnswered, this, &DocumentWindow::onCloseAnswered);
    // A page's new window whose address went to a download or another program shows nothing
    // and would stay blank.
    connect(m_engine, &Engine::downloadStarted, this, &DocumentWindow::closeIfBlank);
    connect(m_engine, &Engine::externalSchemeRequested, this, &DocumentWindow::closeIfBlank);
    connect(m_engine, &Engine::securityChanged, this, &DocumentWindow::onSecurityChanged);
    connect(m_engine, &Engine::blockedRequestsChanged, this, [this](int count) {
        if (m_active)
            Q_EMIT blockedRequests(count);
    });
    connect(m_flashTimer, &QTimer::timeout, this, &DocumentWindow::flashTab);
    connect(m_engine, &Engine::lifecycleChanged, this, &DocumentWindow::updateSleepMark);
}

DocumentWindow::~DocumentWindow() {
    // A window deleted without closing (the frame going away) still leaves the set.
    unload();
}

bool DocumentWindow::isPrivate() const {
    return m_engine->isOffTheRecord();
}

QString DocumentWindow::markedTitle(const QString& title) const {
    return isPrivate() ? tr("[Private] %1").arg(title) : title;
}

int DocumentWindow::docIndex() const {
    return m_host.documents().docIndexOf(this);
}

void DocumentWindow::fitEngine() {
    m_engine->widget()->setGeometry(rect());
}

void DocumentWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitEngine();
}

void DocumentWindow::activate() {
    m_active = true;
    const int index = docIndex();
    m_host.documents().setActive(index, true);
    m_host.selectTab(index);
    // The active document is never asleep. It wakes once the events of the moment are done:
    // a restore, or the area's first showing, activates every document in turn.
    QTimer::singleShot(0, this, [this] {
        if (m_active)
            wake();
    });
    Q_EMIT addressText(pageUrl());
    Q_EMIT statusText(QString());
    Q_EMIT progressPercent(m_loadPercent);
    Q_EMIT securityChanged(m_security);
    Q_EMIT blockedRequests(m_engine->blockedRequests());
}

void DocumentWindow::deactivate() {
    m_active = false;
    m_host.documents().setActive(docIndex(), false);
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    // Whatever closes the window (its frame's close button too) asks the page first.
    if (!m_mayClose && !m_unloaded) {
        event->ignore();
        // Out of the close in progress, which a close from inside it could not repeat.
        QTimer::singleShot(0, this, &DocumentWindow::closeDocument);
        return;
    }
    unload();
    event->accept();
}

void DocumentWindow::unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    Q_EMIT closing();
    m_closing = true;
    m_flashTimer->stop();
    m_engine->widget()->hide();
    // The later documents are renumbered before this row and tab go.
    m_host.documents().remove(docIndex());
    Q_EMIT statusText(QString());
    Q_EMIT progressPercent(0);
    m_host.documentCountChanged();
    // Nothing is left to keep: whoever waits for the page's answer may go on.
    onCloseAnswered(true);
}

QString DocumentWindow::pageUrl() const {
    return m_asleep ? m_asleep->url : m_engine->url();
}

QString DocumentWindow::pageTitle() const {
    return m_asleep ? m_asleep->title : m_engine->title();
}

SavedPage DocumentWindow::savedPage() const {
    return m_asleep ? *m_asleep
                    : SavedPage{m_engine->url(), m_engine->title(), m_engine->historyState()};
}

void DocumentWindow::restoreAsleep(const SavedPage& page) {
    m_asleep = page;
    m_engine->widget()->hide();
    showTitle(page.title.isEmpty() ? page.url : page.title);
    m_host.documents().setAddress(docIndex(), page.url);
    updateSleepMark();
}

SleepDepth DocumentWindow::sleepDepth() const {
    if (m_asleep)
        return SleepDepth::Discarded;
    switch (m_engine->lifecycle()) {
    case PageLifecycle::Frozen:
        return SleepDepth::Frozen;
    case PageLifecycle::Discarded:
        return SleepDepth::Discarded;
    case PageLifecycle::Active:
        break;
    }
    return SleepDepth::Awake;
}

SleepState DocumentWindow::sleepState(bool visible) const {
    const PageActivity activity = m_engine->activity();
    SleepState state;
    state.active = m_active;
    state.visible = visible;
    state.audible = activity.audible;
    state.capturing = activity.capturing;
    state.fullScreen = activity.fullScreen;
    state.typedText = activity.typedText;
    state.devTools = activity.devTools;
    state.loading = m_loading;
    return state;
}

void DocumentWindow::sleep(SleepDepth depth) {
    if (m_asleep || m_closing || depth <= sleepDepth())
        return;
    const SleepDepth allowed = std::min(depth, deepestSleep(sleepState(false)));
    if (allowed <= sleepDepth())
        return;
    const bool discard = allowed == SleepDepth::Discarded;
    // Taken before the page goes; a page only frozen keeps its own.
    const std::optional<SavedPage> page = discard ? std::optional(savedPage()) : std::nullopt;
    m_engine->setLifecycle(discard ? PageLifecycle::Discarded : PageLifecycle::Frozen);
    // A discarded page still holds its view and the engine's record of it; without them the
    // document costs its caption, address and history bytes, and wakes as a restored one.
    if (page && m_engine->lifecycle() == PageLifecycle::Discarded && m_engine->releasePage())
        m_asleep = page;
    // A hidden view gives back what it holds to draw the page.
    if (m_engine->lifecycle() != PageLifecycle::Active)
        m_engine->widget()->hide();
    updateSleepMark();
}

void DocumentWindow::wake() {
    if (m_asleep) {
        const SavedPage page = *std::exchange(m_asleep, std::nullopt);
        m_engine->widget()->show();
        fitEngine();
        if (page.history.isEmpty() || !m_engine->restoreHistory(page.history))
            m_engine->navigate(page.url);
    } else if (m_engine->lifecycle() != PageLifecycle::Active) {
        m_engine->widget()->show();
        fitEngine();
        m_engine->setLifecycle(PageLifecycle::Active);
    }
    updateSleepMark();
}

void DocumentWindow::updateSleepMark() {
    if (!m_closing)
        m_host.documents().setSleeping(docIndex(), sleepDepth() != SleepDepth::Awake);
}

void DocumentWindow::onStatusTextChanged(const QString& text) {
    if (m_active)
        Q_EMIT statusText(text);
}

void DocumentWindow::onTitleChanged(const QString& title) {
    showTitle(title);
    noteAddress();
}

void DocumentWindow::showTitle(const QString& pageTitle) {
    const QString title = markedTitle(pageTitle);
    setWindowTitle(title);
    DocumentSet& set = m_host.documents();
    const int index = docIndex();
    set.setRowText(index, title);
    set.setTabToolTip(index, title);
    set.setTabTitle(index, title);
}

void DocumentWindow::noteAddress() {
    // The Navigator's filter looks for words in the address too. An engine that has no
    // address yet leaves the one the document was opened with.
    const QString address = m_engine->url();
    if (!address.isEmpty())
        m_host.documents().setAddress(docIndex(), address);
}

void DocumentWindow::onProgressChanged(int progress, int progressMax) {
    const std::optional<int> percent = loadPercentOf(progress, progressMax);
    if (!percent)
        return;
    m_loadPercent = *percent;
    DocumentSet& set = m_host.documents();
    const int index = docIndex();

    if (progressMax != 0) {
        if (m_active)
            Q_EMIT progressPercent(m_loadPercent);
        set.setStatus(index, QString::number(m_loadPercent) + QLatin1Char('%'));
        set.setTabIcon(index, loadingIcon(m_loadPercent, set.isShrunk(index), set.tabIcon(index)));
        m_host.startLoadingAnimation();
        m_loading = true;
        return;
    }

    fitEngine();
    noteAddress();
    if (m_active)
        Q_EMIT progressPercent(0);
    set.setStatus(index, tr("Completed"));
    set.setTabIcon(index, loadedIcon(set.isShrunk(index)));
    if (!m_active)
        m_flashTimer->start();
    if (!m_host.isAddressBeingEdited() && m_active)
        Q_EMIT addressText(m_engine->url());
    m_host.stopLoadingAnimation();
    m_loading = false;
    m_finishedOnce = true;
    Q_EMIT loadFinished();
}

void DocumentWindow::flashTab() {
    DocumentSet& set = m_host.documents();
    const int index = docIndex();
    set.setTabIcon(index, highlightFlip(set.tabIcon(index)));
    ++m_flashTicks;
    if (m_flashTicks == kFlashTicks || m_active) {
        m_flashTimer->stop();
        m_flashTicks = 0;
        set.setTabIcon(index, highlightEnd(set.tabIcon(index)));
    }
}

void DocumentWindow::onNavigationRequested(NavigationRequest* request) {
    // A frame of the page (an advert, say) navigating on its own starts no load of the
    // document: no end of load would follow it.
    if (!request->isMainFrame)
        return;
    const AppSettings& app = appSettings();
    if (isBlockedFirstNavigation(app.popUpEnabled, m_firstNavigation, app.blockedSites,
                                 request->url)) {
        // A new window sent to a blocked site goes again before it shows anything.
        request->cancel = true;
        m_host.popupKilled(request->url, m_opener, true);
        QTimer::singleShot(kKillWindowDelayMs, this, [this] {
            playKillSound();
            closeNow();
        });
        return;
    }
    m_firstNavigation = false;
    m_loading = true;
    fitEngine();
}

void DocumentWindow::onNewWindowRequested(NewWindowRequest* request) {
    if (isPopupToKill(appSettings().popUpEnabled, m_loading, m_closing)) {
        request->cancel = true;
        playKillSound();
        m_host.popupKilled(request->url, m_engine->url(), false);
        // The page stays quiet for a moment: no script dialogs about what it lost.
        m_engine->setSilent(true);
        m_silence->start();
        return;
    }
    DocumentWindow* window = m_host.openWindowForRequest(isPrivate());
    if (window) {
        window->m_opener = m_engine->url();
        window->m_openedForPage = true;
    }
    request->target = window ? window->engine() : nullptr;
}

void DocumentWindow::askToLeave(std::function<void(bool mayLeave)> answered) {
    // A page not loaded yet has nothing to ask.
    if (m_unloaded || m_asleep) {
        answered(true);
        return;
    }
    m_leaveAnswers.append(std::move(answered));
    // One question at a time: a second close waits for the first one's answer.
    if (m_leaveAnswers.size() == 1)
        m_engine->requestClose();
}

void DocumentWindow::onCloseAnswered(bool mayClose) {
    for (const auto& answered : std::exchange(m_leaveAnswers, {}))
        answered(mayClose);
}

void DocumentWindow::closeDocument() {
    askToLeave([this](bool mayLeave) {
        if (mayLeave && !m_unloaded)
            closeNow();
    });
}

void DocumentWindow::closeIfBlank() {
    const QString address = m_engine->url();
    if (m_openedForPage && m_engine->backCount() == 0 &&
        (address.isEmpty() || address == QLatin1String("about:blank")))
        QTimer::singleShot(0, this, &DocumentWindow::closeNow);
}

void DocumentWindow::closeNow() {
    // Not while a dialog's loop runs above code that may be this page's own.
    if (insideNestedLoop()) {
        QTimer::singleShot(kRetryCloseMs, this, &DocumentWindow::closeNow);
        return;
    }
    m_mayClose = true;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void DocumentWindow::bringToFront() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (sub && sub->mdiArea()) {
        sub->mdiArea()->setActiveSubWindow(sub);
        sub->raise();
    }
}

void DocumentWindow::onSecurityChanged(PageSecurity security) {
    m_security = security;
    if (m_active)
        Q_EMIT securityChanged(m_security);
}

} // namespace kelvane
