// The page's requests to the browser: certificate errors, sign-in, site permissions, full
// screen and new windows.

#include "platform/engine/webengine.h"

#include "platform/engine/requestfilter.h"

#include <QAuthenticator>
#include <QDateTime>
#include <QSet>
#include <QSslCertificate>
#include <QWebEngineCertificateError>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

#include <functional>

namespace kelvane {

namespace {

// Hosts whose certificate the user accepted in spite of an error, this session: their pages
// load without a new question, and are never shown as secure.
QSet<QString>& exceptedHosts() {
    static QSet<QString> hosts;
    return hosts;
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

} // namespace

// Notes the page's requests to hosts whose certificate the user let through, which the engine
// then loads without a question; the content blocker sees every request first.
class ExceptionWatch : public QWebEngineUrlRequestInterceptor {
public:
    ExceptionWatch(QWebEngineUrlRequestInterceptor* blocker, std::function<void()> noted,
                   QObject* parent)
        : QWebEngineUrlRequestInterceptor(parent)
        , m_blocker(blocker)
        , m_noted(std::move(noted)) {}

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (m_blocker)
            m_blocker->interceptRequest(info);
        // The page's own address is looked at by itself, before it is the page's.
        if (exceptedHosts().isEmpty() ||
            info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame)
            return;
        const QUrl url = info.requestUrl();
        if ((url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("wss")) &&
            exceptedHosts().contains(url.host()))
            m_noted();
    }

private:
    QPointer<QWebEngineUrlRequestInterceptor> m_blocker;
    std::function<void()> m_noted;
};

void WebEngine::connectRequests(QWebEnginePage* page) {
    // Goes with the page.
    connect(page->profile(), &QWebEngineProfile::downloadRequested, page,
            [this](QWebEngineDownloadRequest* download) {
                if (download->page() == m_page && !download->isSavePageDownload())
                    Q_EMIT downloadStarted();
            });
    // A page that loaded anything through an exception is not secure while it is shown, also
    // after a reload.
    page->setUrlRequestInterceptor(new ExceptionWatch(
        m_filter,
        [this] {
            const QUrl shown = m_page ? m_page->url().adjusted(QUrl::RemoveFragment) : QUrl();
            if (shown != m_pageWithException) {
                m_pageWithException = shown;
                raiseSecurityChanged();
            }
        },
        page));
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
                if (request.accept) {
                    m_fullScreen = engineRequest.toggleOn();
                    engineRequest.accept();
                } else
                    engineRequest.reject();
            });
    connect(page, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& engineRequest) {
                NewWindowRequest request;
                request.url = engineRequest.requestedUrl().toString();
                request.userInitiated = engineRequest.isUserInitiated();
                Q_EMIT newWindowRequested(&request);
                // Not opening the request drops it.
                auto* target = qobject_cast<WebEngine*>(request.target);
                if (!request.cancel && target && target != this)
                    engineRequest.openIn(target->ensurePage());
            });
}

PageSecurity WebEngine::security() const {
    if (!m_page || m_page->url().scheme() != QLatin1String("https"))
        return PageSecurity::Plain;
    if (m_certificateError || exceptedHosts().contains(m_page->url().host()) ||
        m_page->url().adjusted(QUrl::RemoveFragment) == m_pageWithException)
        return PageSecurity::NotSecure;
    // An error page ("This site can't be reached") keeps the address it failed on.
    if (m_loadFailed)
        return PageSecurity::Plain;
    return PageSecurity::Secure;
}

void WebEngine::mainFrameNavigating(const QUrl& url) {
    m_mainFrameRequest = url.adjusted(QUrl::RemoveFragment);
}

void WebEngine::onCertificateError(const QWebEngineCertificateError& engineError) {
    const QUrl url = engineError.url();
    // Only the page the user asked for asks; an image, script or frame of it with a failed
    // certificate fails quietly and the page stays.
    if (url.adjusted(QUrl::RemoveFragment) != m_mainFrameRequest) {
        QWebEngineCertificateError refused = engineError;
        refused.rejectCertificate();
        return;
    }
    m_certificateError = true;
    raiseSecurityChanged();
    CertificateError error;
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
    // An authenticator left empty cancels the sign-in; a page already shown gets the server's
    // answer, a document without one nothing (showSignInCancelled).
    if (request.cancel) {
        *authenticator = QAuthenticator();
        if (proxyHost.isEmpty() && m_page && m_page->url().isEmpty())
            m_signInCancelled = url;
        return;
    }
    authenticator->setUser(request.user);
    authenticator->setPassword(request.password);
}

void WebEngine::showSignInCancelled(const QUrl& url) {
    if (!m_container)
        return;
    const QString site = url.adjusted(QUrl::RemoveUserInfo).authority();
    showPanel(tr("Sign-in cancelled"),
              tr("%1 asks for a user name and password to show this page. The sign-in was "
                 "cancelled, so the page is not shown.")
                  .arg(site),
              url, tr("%1: sign-in cancelled").arg(site));
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
    if (allow && permission != SitePermission::Notifications &&
        permission != SitePermission::Location && permission != SitePermission::MouseLock)
        m_capturing = true;
    m_page->setFeaturePermission(pending.first, pending.second,
                                 allow ? QWebEnginePage::PermissionGrantedByUser
                                       : QWebEnginePage::PermissionDeniedByUser);
}

void WebEngine::forgetPermission(const QString& origin, SitePermission permission) {
    const auto pending = m_pendingPermissions.take({origin, permission});
    if (!m_page)
        return;
    const QUrl url = pending.first.isEmpty() ? QUrl(origin) : pending.first;
    for (const QWebEnginePage::Feature feature :
         {QWebEnginePage::Notifications, QWebEnginePage::Geolocation,
          QWebEnginePage::MediaAudioCapture, QWebEnginePage::MediaVideoCapture,
          QWebEnginePage::MediaAudioVideoCapture, QWebEnginePage::DesktopVideoCapture,
          QWebEnginePage::DesktopAudioVideoCapture, QWebEnginePage::MouseLock}) {
        if (permissionOf(feature) == permission)
            m_page->setFeaturePermission(url, feature, QWebEnginePage::PermissionUnknown);
    }
}

} // namespace kelvane
