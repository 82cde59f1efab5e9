#pragma once

#include "base/sessionfile.h"
#include "documents/sleeprules.h"
#include "platform/engine/pagerequests.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <optional>

class QTimer;

namespace kelvane {

class DocumentHost;
class Engine;
struct NavigationRequest;
struct NewWindowRequest;

// One page in the multiple-document area, with its engine. It keeps its Navigator row and its
// tab up to date from the engine's events; what it has to say to the status bar and the address
// bar it raises as signals, and the main window applies them.
class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    // isPrivate: on the engine's private profile.
    explicit DocumentWindow(DocumentHost& host, bool isPrivate = false, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    Engine* engine() const { return m_engine; }
    // The document's 1-based number: its row in the Navigator and its tab; 0 before it has one.
    int docIndex() const;

    int loadPercent() const { return m_loadPercent; }
    bool isActive() const { return m_active; }
    PageSecurity security() const { return m_security; }
    bool isLoading() const { return m_loading; }
    bool isClosing() const { return m_closing; }
    // A document of the private profile: it leaves no trace in the browser's lists, and its
    // caption, tab and Navigator row say so.
    bool isPrivate() const;
    // title as the caption, tab and row show it.
    QString markedTitle(const QString& title) const;
    bool isFirstNavigation() const { return m_firstNavigation; }
    // True once a load of this document has ended (the first documents of a screenshot run).
    bool hasFinishedLoading() const { return m_finishedOnce; }

    // Brings the window to the front of the document area; it becomes the active document.
    void bringToFront();
    // Closes the window (and its frame in the document area) once its page agrees: a page that
    // asks before it is left may keep it open. unload() runs.
    void closeDocument();
    // Closes the window without asking the page.
    void closeNow();
    // Asks the page whether it may go; answered runs once with the answer (true also when the
    // document goes first).
    void askToLeave(std::function<void(bool mayLeave)> answered);

    // The document area's activation of this document, and the end of it.
    void activate();
    void deactivate();
    // Leaves the document set; runs once, whatever closed the window.
    void unload();

    // The page's address and title, also of a document that has not loaded yet.
    QString pageUrl() const;
    QString pageTitle() const;
    // The page as it is kept beyond the window, with its back and forward history.
    SavedPage savedPage() const;
    // Takes page without loading it: caption, tab, row and address show at once, and the page
    // loads with its history when the document first wakes.
    void restoreAsleep(const SavedPage& page);

    // Sleep. A document that has not loaded yet counts as discarded.
    SleepDepth sleepDepth() const;
    // The document's state for the sleep rules; visible: the user sees some of its window.
    SleepState sleepState(bool visible) const;
    // Puts the page to sleep no deeper than depth and its state allow.
    void sleep(SleepDepth depth);
    // Loads or wakes the page where it was; nothing for one awake.
    void wake();
    // When the user last saw the document, on the sleep clock (0: not yet).
    qint64 lastSeen() const { return m_lastSeen; }
    void setLastSeen(qint64 time) { m_lastSeen = time; }

Q_SIGNALS:
    // The status panel's text.
    void statusText(const QString& text);
    // The load percentage the progress panel draws (0: nothing loading).
    void progressPercent(int percent);
    // The page address for the address box.
    void addressText(const QString& address);
    void securityChanged(kelvane::PageSecurity security);
    // The requests content blocking dropped for the page's document.
    void blockedRequests(int count);
    // A load of this document ended.
    void loadFinished();
    // The document is about to leave the set; its engine still holds its page and history.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitEngine();
    void onStatusTextChanged(const QString& text);
    void onProgressChanged(int progress, int progressMax);
    void onTitleChanged(const QString& title);
    // The title in the window's caption, its Navigator row and its tab.
    void showTitle(const QString& title);
    void onNavigationRequested(NavigationRequest* request);
    void onNewWindowRequested(NewWindowRequest* request);
    void onSecurityChanged(PageSecurity security);
    void onCloseAnswered(bool mayClose);
    void closeIfBlank();
    void noteAddress();
    // One tick of the tab's flash after a load finished in the background.
    void flashTab();
    void updateSleepMark();

    DocumentHost& m_host;
    Engine* m_engine = nullptr;
    // The page that asked for this window, if one did.
    QString m_opener;
    bool m_openedForPage = false;
    QTimer* m_flashTimer;
    QTimer* m_silence;
    int m_flashTicks = 0;
    int m_loadPercent = 0;
    bool m_firstNavigation = true;
    bool m_active = false;
    PageSecurity m_security = PageSecurity::Plain;
    bool m_loading = false;
    bool m_closing = false;
    // Set once the page agreed to close, or was not asked.
    bool m_mayClose = false;
    QList<std::function<void(bool)>> m_leaveAnswers;
    bool m_unloaded = false;
    bool m_finishedOnce = false;
    // The page while the engine holds none: restored and not loaded yet, or let go asleep.
    std::optional<SavedPage> m_asleep;
    qint64 m_lastSeen = 0;
};

} // namespace kelvane
