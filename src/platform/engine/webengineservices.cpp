#include "platform/engine/webengineservices.h"

#include "platform/engine/webengineprofile.h"

#include <QDir>
#include <QFileInfo>
#include <QWebEngineDownloadRequest>
#include <QWebEngineNotification>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace kelvane {

namespace {

Download::Failure failureOf(QWebEngineDownloadRequest::DownloadInterruptReason reason) {
    using R = QWebEngineDownloadRequest;
    using F = Download::Failure;
    switch (reason) {
    case R::NoReason:
        return F::None;
    case R::NetworkFailed:
    case R::ServerBadContent:
        return F::NetworkFailed;
    case R::NetworkTimeout:
        return F::NetworkTimeout;
    case R::NetworkDisconnected:
        return F::Disconnected;
    case R::NetworkServerDown:
    case R::ServerUnreachable:
        return F::ServerUnreachable;
    case R::NetworkInvalidRequest:
    case R::ServerFailed:
    case R::ServerCertProblem:
        return F::ServerFailed;
    case R::ServerUnauthorized:
        return F::Unauthorized;
    case R::ServerForbidden:
        return F::Forbidden;
    case R::FileNoSpace:
        return F::DiskFull;
    case R::FileAccessDenied:
        return F::NoPermission;
    case R::FileNameTooLong:
        return F::NameTooLong;
    case R::FileTooLarge:
        return F::FileTooLarge;
    case R::FileFailed:
    case R::FileTransientError:
    case R::FileTooShort:
    case R::FileHashMismatch:
        return F::FileFailed;
    case R::FileVirusInfected:
    case R::FileBlocked:
    case R::FileSecurityCheckFailed:
        return F::Blocked;
    case R::UserCanceled:
        break;
    }
    // Reasons this engine's enumeration lacks: the answer was shorter than the server said
    // (its text then wrongly says "canceled by the user"), a resumed answer without ranges,
    // a redirection to another site.
    switch (int(reason)) {
    case 38:
    case 31:
        return F::NetworkFailed;
    case 39:
        return F::ServerFailed;
    }
    return F::Other;
}

} // namespace

WebDownload::WebDownload(QWebEngineDownloadRequest* request, bool offTheRecord)
    : Download(request)
    , m_offTheRecord(offTheRecord) {
    follow(request);
}

void WebDownload::follow(QWebEngineDownloadRequest* request) {
    if (m_request)
        m_request->disconnect(this);
    m_request = request;
    connect(request, &QWebEngineDownloadRequest::receivedBytesChanged, this, &Download::progressed);
    connect(request, &QWebEngineDownloadRequest::totalBytesChanged, this, &Download::progressed);
    connect(request, &QWebEngineDownloadRequest::stateChanged, this, &Download::stateChanged);
    connect(request, &QWebEngineDownloadRequest::isPausedChanged, this, &Download::stateChanged);
}

QString WebDownload::url() const {
    return m_request ? m_request->url().toString() : QString();
}

QString WebDownload::suggestedFileName() const {
    return m_request ? m_request->suggestedFileName() : QString();
}

QString WebDownload::mimeType() const {
    return m_request ? m_request->mimeType() : QString();
}

bool WebDownload::isPageSave() const {
    return m_request && m_request->isSavePageDownload();
}

Download::State WebDownload::state() const {
    if (!m_request)
        return State::Cancelled;
    switch (m_request->state()) {
    case QWebEngineDownloadRequest::DownloadRequested:
        return State::Requested;
    case QWebEngineDownloadRequest::DownloadInProgress:
        return State::Running;
    case QWebEngineDownloadRequest::DownloadCompleted:
        return State::Completed;
    case QWebEngineDownloadRequest::DownloadCancelled:
        return State::Cancelled;
    case QWebEngineDownloadRequest::DownloadInterrupted:
        break;
    }
    return State::Failed;
}

bool WebDownload::isPaused() const {
    return m_request && m_request->isPaused();
}

qint64 WebDownload::receivedBytes() const {
    return m_request ? m_request->receivedBytes() : 0;
}

qint64 WebDownload::totalBytes() const {
    return m_request ? m_request->totalBytes() : -1;
}

Download::Failure WebDownload::failure() const {
    return m_request && m_request->state() == QWebEngineDownloadRequest::DownloadInterrupted
               ? failureOf(m_request->interruptReason())
               : Failure::None;
}

QString WebDownload::failureText() const {
    return m_request ? m_request->interruptReasonString() : QString();
}

QString WebDownload::path() const {
    if (!m_request || m_request->downloadFileName().isEmpty())
        return {};
    return QDir(m_request->downloadDirectory()).filePath(m_request->downloadFileName());
}

QStringList WebDownload::partialFiles() const {
    const QString file = path();
    // The engine writes to the path with its suffix added and renames it when complete.
    return file.isEmpty() ? QStringList() : QStringList{file, file + intermediateSuffix()};
}

bool WebDownload::canResume() const {
    return m_request && m_request->state() == QWebEngineDownloadRequest::DownloadInterrupted &&
           !m_request->isFinished();
}

void WebDownload::start(const QString& path) {
    if (!m_request || m_request->state() != QWebEngineDownloadRequest::DownloadRequested)
        return;
    const QFileInfo file(path);
    m_request->setDownloadDirectory(file.absolutePath());
    m_request->setDownloadFileName(file.fileName());
    m_request->accept();
}

void WebDownload::cancel() {
    if (m_request)
        m_request->cancel();
}

void WebDownload::pause() {
    if (m_request)
        m_request->pause();
}

void WebDownload::resume() {
    if (m_request)
        m_request->resume();
}

WebEngineServices::WebEngineServices()
    : m_profile(WebEngineProfile::profile()) {
    attach(m_profile);
}

void WebEngineServices::attach(QWebEngineProfile* profile) {
    connect(profile, &QWebEngineProfile::downloadRequested, this,
            [this, offTheRecord = profile->isOffTheRecord()](QWebEngineDownloadRequest* request) {
                // The engine resumes a download that broke off, by itself or on resume(), by
                // asking for its target again, with a new request of the same id that from then
                // on carries its progress.
                const QPointer<WebDownload> resumed = m_downloads.value(request->id());
                if (resumed &&
                    (resumed->state() == Download::State::Running || resumed->canResume()) &&
                    resumed->url() == request->url().toString()) {
                    request->setDownloadDirectory(resumed->request()->downloadDirectory());
                    request->setDownloadFileName(resumed->request()->downloadFileName());
                    request->accept();
                    resumed->follow(request);
                    return;
                }
                // Parented by the request, so it goes when the engine drops the download.
                auto* download = new WebDownload(request, offTheRecord);
                m_downloads.insert(request->id(), download);
                Q_EMIT downloadRequested(download);
            });
    profile->setNotificationPresenter([guard = QPointer<WebEngineServices>(this)](
                                          std::unique_ptr<QWebEngineNotification> notification) {
        if (!guard || !notification)
            return;
        notification->show();
        // Kept for as long as the desktop may report a click on it.
        std::shared_ptr<QWebEngineNotification> shown(std::move(notification));
        Q_EMIT guard->notificationShown({shown->origin().toString(), shown->title(),
                                         shown->message(), shown->icon(),
                                         [shown] { shown->click(); }});
    });
}

WebEngineServices::~WebEngineServices() {
    if (m_profile)
        m_profile->setNotificationPresenter({});
}

void WebEngineServices::download(const QString& url) {
    if (!m_fetcher)
        m_fetcher = new QWebEnginePage(m_profile, this);
    m_fetcher->download(QUrl(url));
}

} // namespace kelvane
