#pragma once

#include "base/rememberedanswers.h"
#include "platform/desktopservices.h"
#include "platform/engine/pagerequests.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class QUrl;
class QWidget;

namespace kelvane {

class DocumentWindow;
class Engine;
class EngineFactory;
class PermissionQuestion;
class TrayIcon;
struct PageNotification;

// What the desktop does for the page questions; tests put in their own.
struct DesktopHooks {
    std::function<bool(const QString& scheme)> hasHandler = hasSchemeHandler;
    std::function<bool(const QUrl& url)> open = openOutside;
    std::function<bool(const QString& title, const QString& message, std::function<void()> clicked)>
        notify = sendDesktopNotification;
};

// The questions pages put to the browser, whether their document is active or not: certificates
// that failed, sign-in, site permissions, links for outside programs and leaving a page; and the
// notifications of pages allowed to show them. Answers the user asked to remember are kept in their
// file and given again without a question.
class PageQuestions : public QObject {
    Q_OBJECT
public:
    // Reads the remembered answers from their file.
    PageQuestions(QWidget* window, EngineFactory& engines, TrayIcon* tray,
                  DesktopHooks desktop = {});

    // Answers what the document's page asks, from now on.
    void watch(DocumentWindow* document);
    RememberedAnswers& rememberedAnswers() { return m_answers; }
    void setDesktopHooks(DesktopHooks hooks) { m_desktop = std::move(hooks); }
    // A page allowed to show notifications showed one: to the desktop's notification service,
    // else as the tray icon's message while there is one, else nowhere. The site comes first,
    // in the summary, and the page's text is one line of a bounded length, so that it cannot
    // push the site out of sight. A click on it tells the page and wants its document.
    void showNotification(const PageNotification& notification);
    // Tells every page of the answers before held that are no longer remembered: their sites
    // ask again.
    void answersRemoved(const QList<RememberedAnswer>& before);
    // The permission and outside-program questions waiting for the user.
    QList<PermissionQuestion*> openQuestions() const;
    // Shows the questions held back until the user could see them: the main window is back
    // from behind its password, or a document that asked came to the front.
    void showHeldQuestions();
    // Returns once the main window is no longer hidden behind its password (at once when it
    // is not); false when the browser closes first. For questions the page waits on.
    bool waitUntilSeen();

Q_SIGNALS:
    void statusText(const QString& text);
    // A notification of the document's page was clicked: it should come to the front.
    void documentWanted(kelvane::DocumentWindow* document);

private:
    void askCertificate(DocumentWindow* document, const CertificateError& error,
                        Reply<bool> proceed);
    // Shows question once the user can see it, and that of inFront once it is in front.
    void showWhenSeen(QWidget* question, DocumentWindow* inFront);
    bool maySeeQuestions() const;
    void askSignIn(SignInRequest* request);
    void askLeave(DocumentWindow* document, LeaveRequest* request);
    void askPermission(Engine* engine, const QString& origin, SitePermission permission);
    void withdrawPermission(Engine* engine, const QString& origin, SitePermission permission);
    // Answers of a private document are not remembered.
    void openLink(Engine* engine, const QString& address);
    // Whether the desktop has a program for scheme, asked once a session.
    bool hasHandler(const QString& scheme);
    // The open question of engine (null: of no page) about site and kind; null for none.
    PermissionQuestion* findQuestion(const Engine* engine, const QString& site,
                                     const QString& kind) const;
    // Shows a question that runs then(result, remember) once answered.
    void ask(PermissionQuestion* question, Engine* engine,
             std::function<void(int result, bool remember)> then);

    QWidget* m_window;
    EngineFactory& m_engines;
    bool m_notificationsConnected = false;
    QPointer<TrayIcon> m_tray;
    DesktopHooks m_desktop;
    RememberedAnswers m_answers;
    QList<QPointer<DocumentWindow>> m_documents;
    QHash<QString, bool> m_handlers;
    // Who asked each open question.
    QHash<PermissionQuestion*, QPointer<Engine>> m_questions;
    struct HeldQuestion {
        QPointer<QWidget> question;
        QPointer<DocumentWindow> document;
        bool needsDocument = false;
    };
    QList<HeldQuestion> m_held;
    // The user name last given for each host (or proxy) and realm, this session.
    QHash<QString, QString> m_signInUsers;
};

} // namespace kelvane
