#include "platform/engine/webengine.h"

#include "platform/engine/internetoptions.h"
#include "platform/engine/pageoutput.h"
#include "platform/engine/pageproperties.h"
#include "platform/engine/webengineprofile.h"
#include "platform/trace.h"

#include <QAuthenticator>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSslCertificate>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWebEngineCertificateError>
#include <QWebEngineFindTextResult>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cmath>

namespace kelvane {

namespace {

// Hosts whose certificate the user accepted in spite of an error, this session: their pages
// load without a new question, and are never shown as secure.
QSet<QString>& exceptedHosts() {
    static QSet<QString> hosts;
    return hosts;
}

// Schemes the engine loads itself; any other goes to the desktop's handler, if the user agrees.
bool isEngineScheme(const QString& scheme) {
    static const QSet<QString> schemes = {
        QStringLiteral("http"),       QStringLiteral("https"),        QStringLiteral("file"),
        QStringLiteral("ftp"),        QStringLiteral("data"),         QStringLiteral("blob"),
        QStringLiteral("about"),      QStringLiteral("view-source"),  QStringLiteral("qrc"),
        QStringLiteral("chrome"),     QStringLiteral("chrome-error"), QStringLiteral("filesystem"),
        QStringLiteral("javascript"), QStringLiteral("devtools")};
    return scheme.isEmpty() || schemes.contains(scheme);
}

CertificateProblem problemOf(const QWebEngineCertificateError& error) {
    using E = QWebEngineCertificateError;
    const QList<QSslCertificate> chain = error.certificateChain();
    switch (error.type()) {
    case E::CertificateCommonNameInvalid:
    case E::CertificateNonUniqueName:
    case E::CertificateNameConstraintViolation:
        return CertificateProblem::WrongHost;
    case E::CertificateDateInvalid:
        if (!chain.isEmpty() && chain.first().effectiveDate() > QDateTime::currentDateTimeUtc())
            return CertificateProblem::NotYetValid;
        return CertificateProblem::Expired;
    case E::CertificateAuthorityInvalid:
        return chain.size() == 1 && chain.first().isSelfSigned()
                   ? CertificateProblem::SelfSigned
                   : CertificateProblem::UnknownAuthority;
    case E::CertificateRevoked:
        return CertificateProblem::Revoked;
    case E::CertificateWeakSignatureAlgorithm:
    case E::CertificateWeakKey:
    case E::SslObsoleteVersion:
    case E::CertificateSymantecLegacy:
        return CertificateProblem::Weak;
    default:
        return CertificateProblem::Other;
    }
}

// The origin of a page as the browser names it: scheme, host and port.
QString originText(const QUrl& origin) {
    return origin
        .adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment |
                  QUrl::RemoveUserInfo)
        .toString();
}

std::optional<SitePermission> permissionOf(QWebEnginePage::Feature feature) {
    switch (feature) {
    case QWebEnginePage::Notifications:
        return SitePermission::Notifications;
    case QWebEnginePage::Geolocation:
        return SitePermission::Location;
    case QWebEnginePage::MediaAudioCapture:
        return SitePermission::Microphone;
    case QWebEnginePage::MediaVideoCapture:
        return SitePermission::Camera;
    case QWebEnginePage::MediaAudioVideoCapture:
        return SitePermission::CameraAndMicrophone;
    case QWebEnginePage::DesktopVideoCapture:
    case QWebEnginePage::DesktopAudioVideoCapture:
        return SitePermission::ScreenSharing;
    case QWebEnginePage::MouseLock:
        return SitePermission::MouseLock;
    }
    return std::nullopt;
}

// The page of a WebEngine: navigation requests become navigationRequested, and the page's
// script dialogs stay quiet while the engine is silent.
class WebPage : public QWebEnginePage {
public:
    WebPage(QWebEngineProfile* profile, WebEngine* engine, QObject* parent)
        : QWebEnginePage(profile, parent)
        , m_engine(engine) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (!m_engine)
            return true;
        if (!isEngineScheme(url.scheme())) {
            Q_EMIT m_engine->externalSchemeRequested(url.toString());
            return false;
        }
        NavigationRequest request;
        request.url = url.toString();
        request.isMainFrame = isMainFrame;
        Q_EMIT m_engine->navigationRequested(&request);
        return !request.cancel;
    }

    void javaScriptAlert(const QUrl& origin, const QString& message) override {
        if (!silent())
            QWebEnginePage::javaScriptAlert(origin, message);
    }

    bool javaScriptConfirm(const QUrl& origin, const QString& message) override {
        return !silent() && QWebEnginePage::javaScriptConfirm(origin, message);
    }

    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& value,
                          QString* result) override {
        return !silent() && QWebEnginePage::javaScriptPrompt(origin, message, value, result);
    }

private:
    bool silent() const { return m_engine && m_engine->isSilent(); }

    QPointer<WebEngine> m_engine;
};

} // namespace

int WebEngine::zoomLevelForFactor(double factor) {
    int best = kZoomLevelMedium;
    for (int level = kZoomLevelMin; level <= kZoomLevelMax; ++level) {
        if (std::abs(kZoomFactors[level] - factor) < std::abs(kZoomFactors[best] - factor))
            best = level;
    }
    return best;
}

WebEngine::WebEngine(QWidget* parent)
    : Engine(parent) {
    m_container = new QStackedWidget(parent);
    m_view = new QWebEngineView(m_container);
    auto* page = new WebPage(WebEngineProfile::profile(), this, m_view);
    m_view->setPage(page);
    m_page = page;
    WebEngineProfile::registerPage(page);
    m_container->addWidget(m_view);
    m_container->setFocusProxy(m_view);
    m_output = std::make_unique<PageOutput>(m_view);

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
    connect(page, &QWebEnginePage::titleChanged, this, &Engine::titleChanged);
    connect(page, &QWebEnginePage::linkHovered, this, &Engine::statusTextChanged);
    connect(page, &QWebEnginePage::urlChanged, this, &WebEngine::raiseSecurityChanged);
    connect(page, &QWebEnginePage::certificateError, this, &WebEngine::onCertificateError);
    connect(page, &QWebEnginePage::authenticationRequired, this,
            [this](const QUrl& url, QAuthenticator* authenticator) {
                askForSignIn(url, authenticator, {});
            });
    connect(page, &QWebEnginePage::proxyAuthenticationRequired, this, &WebEngine::askForSignIn);
    connect(page, &QWebEnginePage::featurePermissionRequested, this,
            &WebEngine::onPermissionRequested);
    connect(page, &QWebEnginePage::featurePermissionRequestCanceled, this,
            [this](const QUrl& origin, QWebEnginePage::Feature feature) {
                if (const auto permission = permissionOf(feature)) {
                    m_pendingPermissions.remove({originText(origin), *permission});
                    Q_EMIT permissionRequestCancelled(originText(origin), *permission);
                }
            });
    connect(page, &QWebEnginePage::fullScreenRequested, this,
            [this](QWebEngineFullScreenRequest engineRequest) {
                FullScreenRequest request{engineRequest.toggleOn(), false};
                Q_EMIT fullScreenRequested(&request);
                if (request.accept)
                    engineRequest.accept();
                else
                    engineRequest.reject();
            });
    // Queued: the handler may close the document and delete this page, which must not happen
    // inside the page's own signal.
    connect(
        page, &QWebEnginePage::windowCloseRequested, this, [this] { Q_EMIT closeRequested(); },
        Qt::QueuedConnection);
    connect(page, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& engineRequest) {
                NewWindowRequest request;
                request.url = engineRequest.requestedUrl().toString();
                request.userInitiated = engineRequest.isUserInitiated();
                Q_EMIT newWindowRequested(&request);
                // Not opening the request drops it.
                auto* target = qobject_cast<WebEngine*>(request.target);
                if (!request.cancel && target && target != this && target->page())
                    engineRequest.openIn(target->page());
            });
    connect(page, &QWebEnginePage::findTextFinished, this,
            [this](const QWebEngineFindTextResult& result) {
                Q_EMIT findResult(result.activeMatch(), result.numberOfMatches());
            });
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                onRenderProcessTerminated(status);
            });
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
    if (!m_page)
        return;
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
        m_page->load(url);
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

QString WebEngine::url() const {
    if (isShowingCrashPage())
        return m_crashedUrl.toString();
    return m_page ? m_page->url().toString() : QString();
}

QString WebEngine::title() const {
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
    if (isShowingCrashPage())
        m_container->setCurrentWidget(m_view);
    Q_EMIT progressChanged(0, 100);
}

void WebEngine::onLoadFinished(bool ok) {
    m_loading = false;
    m_loadFailed = !ok;
    Q_EMIT progressChanged(0, 0);
    raiseSecurityChanged();
}

PageSecurity WebEngine::security() const {
    if (!m_page || m_page->url().scheme() != QLatin1String("https"))
        return PageSecurity::Plain;
    if (m_certificateError || exceptedHosts().contains(m_page->url().host()))
        return PageSecurity::NotSecure;
    // An error page ("This site can't be reached") keeps the address it failed on.
    if (m_loadFailed)
        return PageSecurity::Plain;
    return PageSecurity::Secure;
}

void WebEngine::onCertificateError(const QWebEngineCertificateError& engineError) {
    m_certificateError = true;
    raiseSecurityChanged();
    CertificateError error;
    const QUrl url = engineError.url();
    error.url = url.toString();
    error.host = url.host();
    error.problem = problemOf(engineError);
    error.description = engineError.description();
    error.overridable = engineError.isOverridable();

    // The load waits for the answer, which may come after this handler returns.
    QWebEngineCertificateError held = engineError;
    held.defer();
    const QString host = error.host;
    const bool overridable = error.overridable;
    Q_EMIT certificateErrorRaised(error, Reply<bool>(
                                             [held, host, overridable](bool proceed) mutable {
                                                 if (proceed && overridable) {
                                                     exceptedHosts().insert(host);
                                                     held.acceptCertificate();
                                                 } else {
                                                     held.rejectCertificate();
                                                 }
                                             },
                                             false));
}

void WebEngine::askForSignIn(const QUrl& url, QAuthenticator* authenticator,
                             const QString& proxyHost) {
    SignInRequest request;
    request.url = url.toString();
    request.host = url.host();
    request.realm = authenticator->realm();
    request.proxyHost = proxyHost;
    Q_EMIT signInRequested(&request);
    // An authenticator left empty cancels the sign-in; the page shows the server's answer.
    if (request.cancel) {
        *authenticator = QAuthenticator();
        return;
    }
    authenticator->setUser(request.user);
    authenticator->setPassword(request.password);
}

void WebEngine::onPermissionRequested(const QUrl& origin, QWebEnginePage::Feature feature) {
    const auto permission = permissionOf(feature);
    if (!permission) {
        m_page->setFeaturePermission(origin, feature, QWebEnginePage::PermissionDeniedByUser);
        return;
    }
    m_pendingPermissions.insert({originText(origin), *permission}, {origin, feature});
    Q_EMIT permissionRequested(originText(origin), *permission);
}

void WebEngine::answerPermission(const QString& origin, SitePermission permission, bool allow) {
    const auto pending = m_pendingPermissions.take({origin, permission});
    if (!m_page || pending.first.isEmpty())
        return;
    m_page->setFeaturePermission(pending.first, pending.second,
                                 allow ? QWebEnginePage::PermissionGrantedByUser
                                       : QWebEnginePage::PermissionDeniedByUser);
}

void WebEngine::leaveFullScreen() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::ExitFullScreen);
}

void WebEngine::raiseSecurityChanged() {
    Q_EMIT securityChanged(security());
}

void WebEngine::onRenderProcessTerminated(int status) {
    if (status == QWebEnginePage::NormalTerminationStatus || !m_page || !m_container)
        return;
    m_crashedUrl = m_page->url().isEmpty() ? m_page->requestedUrl() : m_page->url();

    if (!m_crashPanel) {
        m_crashPanel = new QWidget(m_container);
        m_crashPanel->setObjectName(QStringLiteral("crashPanel"));
        auto* layout = new QVBoxLayout(m_crashPanel);
        auto* heading = new QLabel(tr("This page stopped working."), m_crashPanel);
        QFont font = heading->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.5);
        heading->setFont(font);
        auto* address = new QLabel(m_crashPanel);
        address->setObjectName(QStringLiteral("crashedAddress"));
        // The address comes from the web: never let it be read as markup.
        address->setTextFormat(Qt::PlainText);
        // Full width and centred in itself: a wrapping label squeezed to its centred size
        // hint showed only "http://".
        address->setWordWrap(true);
        address->setAlignment(Qt::AlignHCenter);
        address->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* reload = new QPushButton(tr("Reload the page"), m_crashPanel);
        reload->setObjectName(QStringLiteral("reloadCrashedPage"));
        connect(reload, &QPushButton::clicked, this, &WebEngine::reloadCrashedPage);
        layout->addStretch();
        layout->addWidget(heading, 0, Qt::AlignHCenter);
        layout->addWidget(address);
        layout->addWidget(reload, 0, Qt::AlignHCenter);
        layout->addStretch();
        m_container->addWidget(m_crashPanel);
    }
    if (auto* address = m_crashPanel->findChild<QLabel*>(QStringLiteral("crashedAddress")))
        address->setText(m_crashedUrl.toString());
    m_container->setCurrentWidget(m_crashPanel);

    // A load cut short by the crash still has to end for whoever shows its progress.
    if (m_loading) {
        m_loading = false;
        Q_EMIT progressChanged(0, 0);
    }
}

void WebEngine::reloadCrashedPage() {
    if (!m_page)
        return;
    if (m_crashedUrl.isValid())
        m_page->load(m_crashedUrl);
    else
        m_page->triggerAction(QWebEnginePage::Reload);
}

int WebEngine::zoomLevel() const {
    return m_view ? zoomLevelForFactor(m_view->zoomFactor()) : kZoomLevelMedium;
}

void WebEngine::setZoomLevel(int level) {
    // Stepping and clamping are the caller's; a level out of range is a failed call.
    if (m_view && level >= kZoomLevelMin && level <= kZoomLevelMax)
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
    if (!m_page || state.isEmpty())
        return false;
    QDataStream in(state);
    in >> *m_page->history();
    // The engine drops a list it cannot read and keeps an empty one.
    return in.status() == QDataStream::Ok && m_page->history()->count() > 0;
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
