// The page's life: frozen, discarded and let go out of sight, the "page stopped working" panel when
// its renderer dies, and the same panel for a page the browser refused to show.

#include "platform/engine/webengine.h"

#include "platform/engine/pageoutput.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace kelvane {

namespace {

// Long enough for the engine to end a released page's parts, which it does in later tasks.
constexpr int kTrimDelayMs = 2000;

using EngineState = QWebEnginePage::LifecycleState;

PageLifecycle lifecycleOf(EngineState state) {
    switch (state) {
    case EngineState::Frozen:
        return PageLifecycle::Frozen;
    case EngineState::Discarded:
        return PageLifecycle::Discarded;
    case EngineState::Active:
        break;
    }
    return PageLifecycle::Active;
}

// The heap the engine's pages leave stays with the process unless it is handed back; once the
// engine has ended what it ends later, the free pages go back to the system.
void giveBackFreedMemory() {
#ifdef __GLIBC__
    static QTimer* trim = [] {
        auto* timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setInterval(kTrimDelayMs);
        QObject::connect(timer, &QTimer::timeout, [] { malloc_trim(0); });
        return timer;
    }();
    trim->start();
#endif
}

// Text from the web: never read as markup. Full width and centred in itself: a wrapping label
// squeezed to its centred size hint showed only "http://".
QLabel* panelLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

void WebEngine::connectLifecycle(QWebEnginePage* page) {
    connect(page, &QWebEnginePage::lifecycleStateChanged, this,
            [this](EngineState state) { Q_EMIT lifecycleChanged(lifecycleOf(state)); });
}

PageLifecycle WebEngine::lifecycle() const {
    // Without a page nothing runs: none was wanted yet, or it was let go.
    return m_page ? lifecycleOf(m_page->lifecycleState()) : PageLifecycle::Discarded;
}

void WebEngine::setLifecycle(PageLifecycle state) {
    if (!m_page || !m_view)
        return;
    if (state == PageLifecycle::Active) {
        // A discarded page reloads its current entry here.
        m_page->setLifecycleState(EngineState::Active);
        m_page->setVisible(m_view->isVisible());
        return;
    }
    // A discarded page only ever becomes active again.
    if (m_page->lifecycleState() == EngineState::Discarded)
        return;
    // The engine refuses to freeze a page it counts as in sight.
    m_page->setVisible(false);
    if (m_page->lifecycleState() == EngineState::Active)
        m_page->setLifecycleState(EngineState::Frozen);
    // Frozen, the engine recommends discarding unless the page's form holds typed text.
    if (state == PageLifecycle::Discarded && m_page->recommendedState() == EngineState::Discarded)
        m_page->setLifecycleState(EngineState::Discarded);
}

bool WebEngine::releasePage() {
    // The private profile, and the session's cookies with it, ends with its last page.
    if (m_offTheRecord)
        return false;
    if (!m_page)
        return true;
    m_zoomLevel = zoomLevel();
    m_page->disconnect(this);
    m_output.reset();
    // The view owns the page.
    delete m_view.data();
    delete m_crashPanel;
    m_crashPanel = nullptr;
    m_loading = m_loadFailed = m_certificateError = m_capturing = m_fullScreen = false;
    m_signInCancelled.clear();
    m_pendingPermissions.clear();
    giveBackFreedMemory();
    return true;
}

PageActivity WebEngine::activity() const {
    PageActivity activity;
    if (!m_page)
        return activity;
    activity.audible = m_page->recentlyAudible();
    activity.capturing = m_capturing;
    activity.fullScreen = m_fullScreen;
    // A frozen page out of sight that the engine would not discard holds typed text.
    activity.typedText = !m_page->isVisible() && m_page->lifecycleState() == EngineState::Frozen &&
                         m_page->recommendedState() == EngineState::Frozen;
    activity.devTools = m_page->devToolsPage() || m_page->inspectedPage();
    return activity;
}

void WebEngine::onRenderProcessTerminated(int status) {
    if (status == QWebEnginePage::NormalTerminationStatus || !m_page || !m_container)
        return;
    showPanel(tr("This page stopped working."), {});
    // A load cut short by the crash still has to end for whoever shows its progress.
    if (m_loading) {
        m_loading = false;
        Q_EMIT progressChanged(0, 0);
    }
}

void WebEngine::showRefusal(const QString& heading, const QString& text) {
    if (m_page && m_container)
        showPanel(heading, text);
}

void WebEngine::showPanel(const QString& heading, const QString& text, const QUrl& address,
                          const QString& documentTitle) {
    if (!address.isEmpty())
        m_crashedUrl = address;
    else
        m_crashedUrl = m_page->url().isEmpty() ? m_page->requestedUrl() : m_page->url();
    m_panelTitle = documentTitle;
    if (!m_crashPanel) {
        m_crashPanel = new QWidget(m_container);
        m_crashPanel->setObjectName(QStringLiteral("crashPanel"));
        auto* layout = new QVBoxLayout(m_crashPanel);
        QLabel* title = panelLabel(QStringLiteral("panelHeading"), m_crashPanel);
        QFont font = title->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.5);
        title->setFont(font);
        auto* reload = new QPushButton(tr("Reload the page"), m_crashPanel);
        reload->setObjectName(QStringLiteral("reloadCrashedPage"));
        connect(reload, &QPushButton::clicked, this, &WebEngine::reloadCrashedPage);
        layout->addStretch();
        layout->addWidget(title);
        layout->addWidget(panelLabel(QStringLiteral("panelText"), m_crashPanel));
        layout->addWidget(panelLabel(QStringLiteral("crashedAddress"), m_crashPanel));
        layout->addWidget(reload, 0, Qt::AlignHCenter);
        layout->addStretch();
        m_container->addWidget(m_crashPanel);
    }
    const auto label = [this](const char* name) {
        return m_crashPanel->findChild<QLabel*>(QLatin1String(name));
    };
    label("panelHeading")->setText(heading);
    label("panelText")->setText(text);
    label("panelText")->setVisible(!text.isEmpty());
    label("crashedAddress")->setText(m_crashedUrl.toString());
    m_container->setCurrentWidget(m_crashPanel);
    Q_EMIT titleChanged(title());
}

void WebEngine::reloadCrashedPage() {
    if (!m_page)
        return;
    if (m_crashedUrl.isValid())
        m_page->load(m_crashedUrl);
    else
        m_page->triggerAction(QWebEnginePage::Reload);
}

} // namespace kelvane
