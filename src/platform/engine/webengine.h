#pragma once

#include "platform/engine/engine.h"

#include <QHash>
#include <QPair>
#include <QPointer>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <array>
#include <memory>

class QAuthenticator;
class QPrinter;
class QWebEngineCertificateError;

namespace kelvane {

class PageOutput;
class RequestFilter;

// The engine of the program: a QWebEngineView on the shared profile, with the page's events
// raised as the engine's events.
class WebEngine : public Engine {
    Q_OBJECT
public:
    // Text sizes 0..4 as zoom factors; level 2 is 100 %.
    static constexpr std::array<double, 5> kZoomFactors = {0.75, 0.9, 1.0, 1.25, 1.5};
    // The level whose factor is nearest to factor.
    static int zoomLevelForFactor(double factor);

    // offTheRecord: on the private profile.
    explicit WebEngine(QWidget* parent = nullptr, bool offTheRecord = false);
    ~WebEngine() override;

    QWidget* widget() override;

    void navigate(const QString& text) override;
    void goBack() override;
    void goForward() override;
    void stop() override;
    void reload(bool bypassCache = false) override;
    void requestClose() override;

    bool isOffTheRecord() const override;
    QString url() const override;
    QString title() const override;
    void setSilent(bool silent) override;

    int zoomLevel() const override;
    void setZoomLevel(int level) override;
    void selectAll() override;
    void saveAs(const QString& path = {}) override;
    void print(QPrinter* printer = nullptr) override;
    void printPreview() override;
    void pageSetup() override;
    void showProperties() override;
    void showInternetOptions(QWidget* parent) override;
    void viewSource() override;
    void find(const QString& text, bool backward) override;

    int backCount() const override;
    int forwardCount() const override;
    std::optional<HistoryEntry> historyEntry(bool back, int index) const override;
    QByteArray historyState() const override;
    bool restoreHistory(const QByteArray& state) override;

    void answerPermission(const QString& origin, SitePermission permission, bool allow) override;
    void forgetPermission(const QString& origin, SitePermission permission) override;
    void leaveFullScreen() override;
    int blockedRequests() const override;
    void showDeveloperToolsIn(Engine* tools) override;
    void showRefusal(const QString& heading, const QString& text) override;

    PageLifecycle lifecycle() const override;
    void setLifecycle(PageLifecycle state) override;
    PageActivity activity() const override;
    bool releasePage() override;

    bool isSilent() const { return m_silent; }
    // The page's main frame is about to load url (a navigation of any kind, a redirect).
    void mainFrameNavigating(const QUrl& url);
    // The page's question before it is left, put to the browser; true to leave.
    bool askToLeave(const QUrl& origin);
    // Null until the page is first wanted, and after it was let go.
    QWebEngineView* view() const { return m_view; }
    QWebEnginePage* page() const;
    // True while the view shows our panel ("page stopped working", or a refused page).
    bool isShowingCrashPage() const;

private:
    // The page and its view, made when first wanted: a document restored asleep starts none.
    QWebEnginePage* ensurePage();
    // Connects the page's requests to the browser (webenginerequests.cpp).
    void connectRequests(QWebEnginePage* page);
    // Raises the page's lifecycle changes (webenginelifecycle.cpp).
    void connectLifecycle(QWebEnginePage* page);
    void prepareClosing();
    void connectClosing(QWebEnginePage* page);
    void onLoadStarted();
    void onLoadFinished(bool ok);
    // In place of the blank page the engine leaves when the first sign-in of a document is
    // cancelled: our panel naming the site, at its address; reload() asks again.
    void showSignInCancelled(const QUrl& url);
    void onRenderProcessTerminated(int status);
    void onWindowCloseRequested();
    void answerClose(bool mayClose);
    PageSecurity security() const;
    void raiseSecurityChanged();
    void reloadCrashedPage();
    // Our own panel in place of the page, for address (else the page's): reload() loads it
    // again. documentTitle, when given, stands for the page's title while the panel shows.
    void showPanel(const QString& heading, const QString& text, const QUrl& address = {},
                   const QString& documentTitle = {});
    void onCertificateError(const QWebEngineCertificateError& error);
    void askForSignIn(const QUrl& url, QAuthenticator* authenticator, const QString& proxyHost);
    void onPermissionRequested(const QUrl& origin, QWebEnginePage::Feature feature);

    const bool m_offTheRecord;
    // Kept while there is no view to hold it.
    int m_zoomLevel = kZoomLevelMedium;
    QPointer<QStackedWidget> m_container;
    QPointer<QWebEngineView> m_view;
    QPointer<QWebEnginePage> m_page;
    QWidget* m_crashPanel = nullptr;
    QUrl m_crashedUrl;
    QString m_panelTitle;
    // A sign-in cancelled while the page showed nothing yet: our panel is shown for it.
    QUrl m_signInCancelled;
    std::unique_ptr<PageOutput> m_output;
    RequestFilter* m_filter = nullptr;
    // The page whose developer tools this engine shows, if it shows any.
    QPointer<WebEngine> m_inspected;
    // Gives the page's answer to requestClose when the page itself gives none (it hangs).
    QTimer* m_closeTimeout = nullptr;
    bool m_closeRequested = false;
    bool m_silent = false;
    bool m_loading = false;
    bool m_certificateError = false;
    // The address the main frame loads last; a certificate error of any other is a resource's.
    QUrl m_mainFrameRequest;
    // The page that loaded something through a certificate exception.
    QUrl m_pageWithException;
    bool m_loadFailed = false;
    // Granted since the page's last load: what the engine counts as capturing.
    bool m_capturing = false;
    bool m_fullScreen = false;
    // Requests the browser has yet to answer: the engine's origin and feature of each.
    QHash<QPair<QString, SitePermission>, QPair<QUrl, QWebEnginePage::Feature>>
        m_pendingPermissions;
};

} // namespace kelvane
