#pragma once

#include "platform/engine/engineservices.h"

#include <QHash>
#include <QPointer>

class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWebEngineProfile;

namespace kelvane {

// A download of the shared profile: the engine's download request as a Download.
class WebDownload : public Download {
    Q_OBJECT
public:
    explicit WebDownload(QWebEngineDownloadRequest* request, bool offTheRecord = false);

    QString url() const override;
    QString suggestedFileName() const override;
    QString mimeType() const override;
    bool isPageSave() const override;
    bool isOffTheRecord() const override { return m_offTheRecord; }
    State state() const override;
    bool isPaused() const override;
    qint64 receivedBytes() const override;
    qint64 totalBytes() const override;
    Failure failure() const override;
    QString failureText() const override;
    QString path() const override;
    QStringList partialFiles() const override;
    bool canResume() const override;

    void start(const QString& path) override;
    void cancel() override;
    void pause() override;
    void resume() override;

    QWebEngineDownloadRequest* request() const { return m_request; }
    // Takes the engine's new request for this download (a resumption) as its own.
    void follow(QWebEngineDownloadRequest* request);

private:
    QPointer<QWebEngineDownloadRequest> m_request;
    bool m_offTheRecord;
};

// Downloads and page notifications of the shared profile.
class WebEngineServices : public EngineServices {
    Q_OBJECT
public:
    WebEngineServices();
    ~WebEngineServices() override;

    void download(const QString& url) override;
    // Serves the downloads and notifications of another profile too (the private one).
    void attach(QWebEngineProfile* profile);

private:
    QPointer<QWebEngineProfile> m_profile;
    QHash<quint32, QPointer<WebDownload>> m_downloads;
    // A page of no window that fetches retried downloads.
    QPointer<QWebEnginePage> m_fetcher;
};

} // namespace kelvane
