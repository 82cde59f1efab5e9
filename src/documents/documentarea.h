#pragma once

#include "documents/documenthost.h"
#include "documents/documentset.h"
#include "platform/engine/pagerequests.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QAction;
class QMenu;

namespace kelvane {

class DocumentSleep;
class TabBar;
struct SavedPage;

// The open documents: the document set, the multiple-document area kept in step with it, the
// tab bar over it, and the commands that open, switch, close, shrink and arrange documents.
// The active document's events leave through one funnel of signals.
class DocumentArea : public QObject, public DocumentHost {
    Q_OBJECT
public:
    DocumentArea(QMdiArea* mdiArea, EngineFactory& engines, QWidget* tabBarParent);
    ~DocumentArea() override;

    QMdiArea* mdiArea() const { return m_mdi; }
    TabBar* tabBar() const { return m_tabBar; }
    // The document the commands act on; null when none is open.
    DocumentWindow* activeDocument() const;
    DocumentWindow* document(int docIndex) const;
    int count() const { return m_set.count(); }

    void setAddressEditingQuery(std::function<bool()> query) { m_addressFocus = std::move(query); }

    // Opens an address, a file path, an internet shortcut or nothing in a new document window
    // that becomes the active document.
    void openInNewDocument(const QString& address);
    // Opens a document on a history kept from an earlier one (Engine::historyState): its
    // current entry loads and Back and Forward lead where they led. When the engine cannot take
    // the history, address opens as by openInNewDocument.
    void openWithHistory(const QString& address, const QByteArray& history);
    // Opens address as openInNewDocument does, in a private document.
    void openPrivateDocument(const QString& address);

    // Opens saved documents asleep, the last one active: caption, tab, row and address at
    // once; each loads with its history when it is first shown.
    void openAsleep(const QList<SavedPage>& pages);
    // While paused, the area's activations are let pass; the one active at the end counts
    // (as the frame shows, the area activates every document window in turn). Pauses nest.
    void pauseActivation(bool paused);
    // The documents whose windows the user sees some part of, the active one first.
    QList<DocumentWindow*> visibleDocuments() const;
    // Loads or wakes the documents in sight, the active one first.
    void wakeVisible();
    DocumentSleep& sleep() const { return *m_sleep; }

    void tabClicked(int tabIndex, Qt::MouseButton button);
    // Ctrl+Tab and Ctrl+Shift+Tab: the next (or previous) tab's document comes to the front.
    void switchTab(bool backwards);
    void tabDoubleClicked(int tabIndex);
    void resetAllTabs();
    void shrinkAllTabs();
    void shrinkAllTabsButActive();
    void newEmptyDocument();
    void cascade();
    void tileHorizontally();
    void tileVertically();
    void arrangeIcons();
    void closeActiveDocument();

    // The list of open windows at the end of the Window menu, from the action `after` on.
    void fillWindowList(QMenu* menu, QAction* after);
    // Every document unloads (the main window is closing), unasked.
    void closeAll();
    // Asks the pages one after the other whether they may go; answered gets true once all
    // agreed, false at the first that the user chose to stay on.
    void askEachToLeave(std::function<void(bool)> answered);

    // DocumentHost
    DocumentSet& documents() override { return m_set; }
    EngineFactory& engines() override { return m_engines; }
    void documentCountChanged() override;
    bool isAddressBeingEdited() const override;
    void selectTab(int docIndex) override;
    DocumentWindow* openWindowForRequest(bool isPrivate) override;
    void popupKilled(const QString& address, const QString& requestingPage,
                     bool blockedSite) override;
    void startLoadingAnimation() override;
    void stopLoadingAnimation() override;

Q_SIGNALS:
    // A document opened or closed.
    void countChanged();
    // A new document (not a private one) opened this address: it goes into the typed history by
    // its rule.
    void addressOpened(const QString& url);
    void loadingAnimation(bool running);
    // The funnel: what documents say to the status bar and the address bar.
    void statusText(const QString& text);
    void progressPercent(int percent);
    void addressText(const QString& address);
    void securityChanged(kelvane::PageSecurity security);
    void blockedRequests(int count);
    void popupWasKilled(const QString& address, const QString& requestingPage, bool blockedSite);
    void documentLoaded(kelvane::DocumentWindow* document);
    // Every document's engine, for the questions its page asks whether it is active or not
    // (certificates, sign-in, permissions, downloads).
    void documentCreated(kelvane::DocumentWindow* document);
    // Another document became the one the commands act on.
    void activeDocumentChanged();
    // A document is closing, its engine still whole.
    void documentClosing(kelvane::DocumentWindow* document);

private:
    DocumentWindow* createDocument(bool isPrivate);
    void openDocument(const QString& address, const QByteArray& history, bool isPrivate);
    bool opensMaximized() const;
    void showDocument(DocumentWindow* document);
    void showDocument(DocumentWindow* document, bool maximized);
    void askToLeave(QList<QPointer<DocumentWindow>> documents, std::function<void(bool)> answered);
    void subWindowActivated(QMdiSubWindow* window);
    // The document's window in the area, not shown yet.
    QMdiSubWindow* addWindow(DocumentWindow* document);
    // Places the windows that are not minimized where layout(area, count) says.
    void arrange(const std::function<QList<QRect>(const QRect&, int)>& layout);
    int cascadeStep() const;
    // Sets a tab's shrunk state and its caption from its page's title.
    void setTabShrunk(int docIndex, bool shrunk);

    QMdiArea* m_mdi;
    EngineFactory& m_engines;
    DocumentSet m_set;
    TabBar* m_tabBar;
    QPointer<DocumentWindow> m_active;
    std::function<bool()> m_addressFocus;
    DocumentSleep* m_sleep;
    int m_activationPauses = 0;
};

} // namespace kelvane
