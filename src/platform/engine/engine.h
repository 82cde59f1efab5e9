#pragma once

#include "platform/engine/pagerequests.h"

#include <QObject>
#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace kelvane {

class Engine;
class EngineServices;

// Text sizes 0 (smallest) .. 4 (largest); 2 is the medium size.
inline constexpr int kZoomLevelMin = 0;
inline constexpr int kZoomLevelMedium = 2;
inline constexpr int kZoomLevelMax = 4;

// Raised before every navigation, top level and frames; setting cancel stops it.
struct NavigationRequest {
    QString url;
    bool isMainFrame = true;
    bool cancel = false;
};

// A page asks for a new window. Setting target hands the request to another engine (the new
// document's); leaving it null or setting cancel drops the request.
struct NewWindowRequest {
    QString url;
    bool userInitiated = false;
    Engine* target = nullptr;
    bool cancel = false;
};

// How far a page sleeps, as the engine's page lifecycle has it: a frozen page runs no scripts
// or timers; a discarded one has no renderer left, only its address, title and history.
enum class PageLifecycle { Active, Frozen, Discarded };

// What the page does that the engine would lose by putting it to sleep.
struct PageActivity {
    bool audible = false;
    bool capturing = false; // camera, microphone or screen
    bool fullScreen = false;
    bool typedText = false; // known only while the page is out of sight
    bool devTools = false;
};

// One entry of a page's back or forward list.
struct HistoryEntry {
    QString title;
    QString url;
};

// One page engine: the view of a document window, what it can be told to do, its history and
// the events it raises. The program gets engines from an EngineFactory, so widget tests run
// without a browser engine.
class Engine : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Engine() override;

    // The view; the document window places, sizes and shows it.
    virtual QWidget* widget() = 0;

    // Navigation. The text is passed as typed; the engine interprets it.
    virtual void navigate(const QString& text) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void stop() = 0;
    // bypassCache fetches the page and everything on it again.
    virtual void reload(bool bypassCache = false) = 0;

    // An engine of the private profile: nothing it loads is kept beyond the session.
    virtual bool isOffTheRecord() const = 0;

    // The page.
    virtual QString url() const = 0;
    virtual QString title() const = 0;
    // Asks the page whether it may close: a page that asks before it is left raises
    // leaveRequested. The answer arrives as closeAnswered, never inside this call's own page
    // events.
    virtual void requestClose() = 0;
    // While silent, the page's script dialogs stay quiet.
    virtual void setSilent(bool silent) = 0;

    // Commands on the page. The dialogs are modal and return when they close.
    virtual int zoomLevel() const = 0;
    virtual void setZoomLevel(int level) = 0; // a level outside 0..4 is ignored
    virtual void selectAll() = 0;
    // Asks for a file when path is empty.
    virtual void saveAs(const QString& path = {}) = 0;
    // Returns once the page is printed on printer (the engine's own printer when null).
    virtual void print(QPrinter* printer = nullptr) = 0;
    virtual void printPreview() = 0;
    virtual void pageSetup() = 0;
    virtual void showProperties() = 0;
    virtual void showInternetOptions(QWidget* parent) = 0;
    // Shows the page's source in a new window (through newWindowRequested).
    virtual void viewSource() = 0;
    // In-page find: the next (or previous) match of text, highlighting every match; the
    // answer arrives as findResult. An empty text clears the highlighting.
    virtual void find(const QString& text, bool backward) = 0;

    // History, nearest entry first; index counts from 1.
    virtual int backCount() const = 0;
    virtual int forwardCount() const = 0;
    virtual std::optional<HistoryEntry> historyEntry(bool back, int index) const = 0;
    // The whole back and forward list in the engine's own form, to keep beyond the document;
    // and such a list put back, its current entry loading. False when state is not one.
    virtual QByteArray historyState() const = 0;
    virtual bool restoreHistory(const QByteArray& state) = 0;

    // What the page asked of the browser (the requests below).
    // The answer to permissionRequested, now or later.
    virtual void answerPermission(const QString& origin, SitePermission permission, bool allow) = 0;
    // Neither allowed nor refused: a request waiting for the answer is told that, and what the
    // engine holds for origin this session is dropped, so the site asks again next time.
    virtual void forgetPermission(const QString& origin, SitePermission permission) = 0;
    // Leaves full screen the page's own way (it then asks to leave through fullScreenRequested).
    virtual void leaveFullScreen() = 0;
    // Shows a page of the browser's own in place of the page, saying why it is not shown; the
    // address stays, and reload() tries the page again.
    virtual void showRefusal(const QString& heading, const QString& text) = 0;

    // Requests of the page's document that content blocking dropped.
    virtual int blockedRequests() const { return 0; }
    // Shows this page's developer tools in tools, an engine of their own (which then takes the
    // page's title as its own); null closes them.
    virtual void showDeveloperToolsIn(Engine* tools) { Q_UNUSED(tools); }

    // Page lifecycle. The engine counts a shown view as in sight even when another window
    // covers it, so the browser puts a page out of sight with Frozen or Discarded, and the
    // engine goes no further than the page's activity allows. Active brings it back in sight,
    // a discarded page reloading where it was. An engine without a page (none navigated yet,
    // or released) reports Discarded.
    virtual PageLifecycle lifecycle() const = 0;
    virtual void setLifecycle(PageLifecycle state) = 0;
    virtual PageActivity activity() const = 0;
    // Lets a discarded page go with its view, so that it costs nothing more: the engine keeps
    // nothing of it, and the next navigate() or restoreHistory() starts a new page. False when
    // the engine must keep the page (the private profile ends with its last page).
    virtual bool releasePage() = 0;

Q_SIGNALS:
    void statusTextChanged(const QString& text);
    // progressMax 0 marks the end of a load; progress -1 means complete.
    void progressChanged(int progress, int progressMax);
    void titleChanged(const QString& title);
    void navigationRequested(kelvane::NavigationRequest* request);
    void newWindowRequested(kelvane::NewWindowRequest* request);
    // The page asked to close its window.
    void closeRequested();
    // A navigation of the page became a download; the page stays as it was.
    void downloadStarted();
    // The answer to requestClose: false when the user chose to stay on the page.
    void closeAnswered(bool mayClose);
    void leaveRequested(kelvane::LeaveRequest* request);
    void securityChanged(kelvane::PageSecurity security);
    // The answer to find: the 1-based match now selected (0: none) of matchCount.
    void findResult(int activeMatch, int matchCount);
    void lifecycleChanged(kelvane::PageLifecycle state);

    // Requests of the page, each answered by the browser.
    void certificateErrorRaised(const kelvane::CertificateError& error,
                                kelvane::Reply<bool> proceed);
    void signInRequested(kelvane::SignInRequest* request);
    // origin: the scheme, host and port of the page that asks.
    void permissionRequested(const QString& origin, kelvane::SitePermission permission);
    // The page withdrew a request it made.
    void permissionRequestCancelled(const QString& origin, kelvane::SitePermission permission);
    void fullScreenRequested(kelvane::FullScreenRequest* request);
    // An address of a scheme the engine does not load itself (mailto:, tel:, ...), from a
    // link the user followed or an address typed; the navigation was dropped.
    void externalSchemeRequested(const QString& url);
    void blockedRequestsChanged(int count);
    // "Inspect" in the page's context menu.
    void developerToolsRequested();
};

// Every window gets its engines from the factory, so tests can hand out fakes.
class EngineFactory {
public:
    virtual ~EngineFactory();
    virtual Engine* createEngine(QWidget* parent) = 0;
    // An engine of the private profile, which every private engine shares: its cookies and
    // cache live in memory and go with the last private engine.
    virtual Engine* createPrivateEngine(QWidget* parent) = 0;
    // What every page shares: downloads and page notifications.
    virtual EngineServices& services() = 0;
    // Deletes the cache, cookies and history of every page.
    virtual void cleanHistory() = 0;
};

} // namespace kelvane
