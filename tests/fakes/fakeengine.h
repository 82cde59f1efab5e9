#pragma once

#include "platform/engine/engine.h"
#include "platform/engine/engineservices.h"

#include <QKeyEvent>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <memory>

namespace kelvane::test {

// A scriptable engine: logs every call as a short text ("navigate <text>", "reload bypassCache",
// "zoom 3", "key <code>" for a key its page got...), answers from state the test sets, and
// raises each engine event on demand, synchronously, as the engine would.
class FakeEngine : public Engine {
    Q_OBJECT
public:
    explicit FakeEngine(QWidget* parent = nullptr, bool offTheRecord = false)
        : Engine(parent)
        , m_widget(new QWidget(parent))
        , m_offTheRecord(offTheRecord) {
        m_widget->installEventFilter(this);
    }
    ~FakeEngine() override { delete m_widget.data(); }

    QWidget* widget() override { return m_widget; }
    void navigate(const QString& text) override {
        log("navigate " + text);
        startPage();
    }
    void goBack() override { log("goBack"); }
    void goForward() override { log("goForward"); }
    void stop() override { log("stop"); }
    void reload(bool bypassCache) override { log(bypassCache ? "reload bypassCache" : "reload"); }
    // A page that asks before it is left asks now; the answer comes at once.
    void requestClose() override {
        Q_EMIT closeAnswered(!m_asksBeforeLeaving || fireLeave().leave);
    }
    bool isOffTheRecord() const override { return m_offTheRecord; }
    QString url() const override { return m_url; }
    QString title() const override { return m_title; }
    void setSilent(bool) override {}
    int zoomLevel() const override { return m_zoomLevel; }
    void setZoomLevel(int level) override;
    void selectAll() override { log("selectAll"); }
    void saveAs(const QString& path) override { log("saveAs " + path); }
    void print(QPrinter*) override { log("print"); }
    void printPreview() override { log("printPreview"); }
    void pageSetup() override { log("pageSetup"); }
    void showProperties() override { log("properties"); }
    void showInternetOptions(QWidget*) override { log("internetOptions"); }
    // Like the real engine, asks for a new window on "view-source:" + url.
    void viewSource() override;
    void find(const QString& text, bool backward) override {
        log((backward ? "findBackward " : "find ") + text);
    }
    int backCount() const override { return int(m_back.size()); }
    int forwardCount() const override { return int(m_forward.size()); }
    std::optional<HistoryEntry> historyEntry(bool back, int index) const override;
    // The address, title and both lists; put back, they answer as before.
    QByteArray historyState() const override;
    bool restoreHistory(const QByteArray& state) override;
    void answerPermission(const QString& origin, SitePermission permission, bool allow) override {
        log(QStringLiteral("permission %1 %2 %3")
                .arg(origin)
                .arg(int(permission))
                .arg(allow ? "allow" : "block"));
    }
    void forgetPermission(const QString& origin, SitePermission permission) override {
        log(QStringLiteral("permission %1 %2 ask").arg(origin).arg(int(permission)));
    }
    void leaveFullScreen() override { log("leaveFullScreen"); }
    PageLifecycle lifecycle() const override { return m_lifecycle; }
    // Like the real engine: a discarded page only wakes, and typed text is frozen at most.
    void setLifecycle(PageLifecycle state) override;
    PageActivity activity() const override { return m_activity; }
    // Like the real engine: forgets the page (not a private one), and a new one starts active.
    bool releasePage() override;
    void showRefusal(const QString& heading, const QString&) override { log("refusal " + heading); }

    // Every call since the last clearCalls(), in order; the texts navigated to.
    QStringList calls() const { return m_calls; }
    QStringList navigated() const;
    void clearCalls() { m_calls.clear(); }

    void setUrl(const QString& url) { m_url = url; }
    void setActivity(const PageActivity& activity) { m_activity = activity; }
    void setAsksBeforeLeaving(bool asks) { m_asksBeforeLeaving = asks; }
    // Nearest entry first.
    void setHistory(const QList<HistoryEntry>& back, const QList<HistoryEntry>& forward) {
        m_back = back;
        m_forward = forward;
    }

    // Events; a request comes back as the handler left it.
    NewWindowRequest fireNewWindow(const QString& url, bool userInitiated = true);
    bool fireNavigation(const QString& url, bool mainFrame = true) {
        NavigationRequest request{url, mainFrame, false};
        Q_EMIT navigationRequested(&request);
        return !request.cancel;
    }
    void fireProgress(int progress, int max) { Q_EMIT progressChanged(progress, max); }
    void fireTitle(const QString& title) { Q_EMIT titleChanged(m_title = title); }
    void fireStatusText(const QString& text) { Q_EMIT statusTextChanged(text); }
    void fireSecurity(PageSecurity security) { Q_EMIT securityChanged(security); }
    void fireFindResult(int active, int count) { Q_EMIT findResult(active, count); }
    // The answer arrives in the result when the browser gives it, now or later.
    std::shared_ptr<std::optional<bool>> fireCertificateError(const CertificateError& error);
    SignInRequest fireSignIn(SignInRequest request) {
        Q_EMIT signInRequested(&request);
        return request;
    }
    void firePermission(const QString& origin, SitePermission permission) {
        Q_EMIT permissionRequested(origin, permission);
    }
    void firePermissionCancelled(const QString& origin, SitePermission permission) {
        Q_EMIT permissionRequestCancelled(origin, permission);
    }
    bool fireFullScreen(bool on) {
        FullScreenRequest request{on, false};
        Q_EMIT fullScreenRequested(&request);
        return request.accept;
    }
    void fireExternalScheme(const QString& url) { Q_EMIT externalSchemeRequested(url); }
    void fireDownloadStarted() { Q_EMIT downloadStarted(); }
    LeaveRequest fireLeave() {
        LeaveRequest request{QUrl(m_url).host()};
        Q_EMIT leaveRequested(&request);
        return request;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            log(QStringLiteral("key %1").arg(static_cast<QKeyEvent*>(event)->key()));
        return false;
    }

private:
    void log(const QString& call) { m_calls.append(call); }
    void startPage() {
        if (std::exchange(m_released, false))
            m_lifecycle = PageLifecycle::Active;
    }

    QPointer<QWidget> m_widget;
    bool m_released = false;
    QStringList m_calls;
    int m_zoomLevel = kZoomLevelMedium;
    bool m_asksBeforeLeaving = false;
    QString m_url, m_title;
    bool m_offTheRecord;
    QList<HistoryEntry> m_back, m_forward;
    PageLifecycle m_lifecycle = PageLifecycle::Active;
    PageActivity m_activity;
};

// A download whose state the test sets; it logs what the browser asked of it.
class FakeDownload : public Download {
    Q_OBJECT
public:
    explicit FakeDownload(const QString& url, const QString& suggestedName = {},
                          QObject* parent = nullptr)
        : Download(parent)
        , m_url(url)
        , m_suggested(suggestedName) {}

    QString url() const override { return m_url; }
    QString suggestedFileName() const override { return m_suggested; }
    QString mimeType() const override { return QStringLiteral("application/octet-stream"); }
    bool isPageSave() const override { return false; }
    bool isOffTheRecord() const override { return false; }
    State state() const override { return m_state; }
    bool isPaused() const override { return m_paused; }
    qint64 receivedBytes() const override { return m_received; }
    qint64 totalBytes() const override { return m_total; }
    Failure failure() const override { return m_failure; }
    QString failureText() const override { return {}; }
    QString path() const override { return m_path; }
    // As the engine's: its own file beside the path until complete.
    QStringList partialFiles() const override { return {m_path, m_path + ".download"}; }
    bool canResume() const override { return m_state == State::Failed && m_resumable; }
    void start(const QString& path) override;
    // As the engine, a started download says so a moment later.
    void cancel() override {
        log("cancel");
        if (m_state == State::Requested)
            return setState(State::Cancelled);
        QTimer::singleShot(0, this, [this] { setState(State::Cancelled); });
    }
    void pause() override { log("pause"), m_paused = true, Q_EMIT stateChanged(); }
    void resume() override {
        log("resume"), m_paused = false, m_state = canResume() ? State::Running : m_state;
        Q_EMIT stateChanged();
    }

    QStringList calls() const { return m_calls; }
    void setState(State state, Failure failure = Failure::None) {
        m_state = state;
        m_failure = failure;
        Q_EMIT stateChanged();
    }
    // A failure the engine can continue from.
    void setResumable(bool resumable) { m_resumable = resumable; }
    void setProgress(qint64 received, qint64 total) {
        m_received = received;
        m_total = total;
        Q_EMIT progressed();
    }

private:
    void log(const QString& call) { m_calls.append(call); }

    QString m_url, m_suggested, m_path;
    QStringList m_calls;
    State m_state = State::Requested;
    Failure m_failure = Failure::None;
    bool m_paused = false, m_resumable = false;
    qint64 m_received = 0, m_total = -1;
};

// The services every fake page shares: downloads and notifications raised on demand.
class FakeEngineServices : public EngineServices {
    Q_OBJECT
public:
    void download(const QString& url) override { m_downloaded.append(url); }
    QStringList downloaded() const { return m_downloaded; }
    // Raises the request; a download nobody started is cancelled, as the engine does.
    void fireDownload(FakeDownload* download);

private:
    QStringList m_downloaded;
};

// Hands out fakes and counts what was asked of it.
class FakeEngineFactory : public EngineFactory {
public:
    Engine* createEngine(QWidget* parent) override {
        ++m_createdCount;
        return new FakeEngine(parent);
    }
    Engine* createPrivateEngine(QWidget* parent) override {
        ++m_createdCount;
        return new FakeEngine(parent, true);
    }
    FakeEngineServices& services() override { return m_services; }
    void cleanHistory() override { ++m_cleanHistoryCount; }
    int createdCount() const { return m_createdCount; }
    int cleanHistoryCount() const { return m_cleanHistoryCount; }

private:
    FakeEngineServices m_services;
    int m_createdCount = 0, m_cleanHistoryCount = 0;
};

} // namespace kelvane::test
