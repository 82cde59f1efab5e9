#include "frame/pagequestions.h"

#include "dialogs/certificatequestion.h"
#include "dialogs/leavequestion.h"
#include "dialogs/permissionquestion.h"
#include "dialogs/signindialog.h"
#include "documents/documentwindow.h"
#include "frame/trayicon.h"
#include "platform/engine/engine.h"
#include "platform/engine/engineservices.h"
#include "platform/nestedloops.h"

#include <QPointer>
#include <QSystemTrayIcon>
#include <QUrl>

namespace kelvane {

namespace {

constexpr qsizetype kMaxNotificationTitle = 80;
constexpr qsizetype kMaxNotificationText = 300;

// A page's text as one line of at most max characters: line breaks and runs of blanks become
// one blank.
QString oneLine(const QString& text, qsizetype max) {
    const QString line = text.simplified();
    return line.size() <= max ? line : line.left(max - 1) + QChar(0x2026);
}

} // namespace

PageQuestions::PageQuestions(QWidget* window, EngineFactory& engines, TrayIcon* tray,
                             DesktopHooks desktop)
    : QObject(window)
    , m_window(window)
    , m_engines(engines)
    , m_tray(tray)
    , m_desktop(std::move(desktop)) {
    m_answers.load();
}

void PageQuestions::watch(DocumentWindow* document) {
    // The engine's services exist once a page does.
    if (!m_notificationsConnected) {
        m_notificationsConnected = true;
        connect(&m_engines.services(), &EngineServices::notificationShown, this,
                &PageQuestions::showNotification);
    }
    Engine* engine = document->engine();
    m_documents.removeAll(nullptr);
    m_documents.append(document);
    connect(engine, &Engine::certificateErrorRaised, this,
            [this, document](const CertificateError& error, Reply<bool> proceed) {
                askCertificate(document, error, std::move(proceed));
            });
    connect(engine, &Engine::signInRequested, this, &PageQuestions::askSignIn);
    connect(engine, &Engine::permissionRequested, this,
            [this, engine](const QString& origin, SitePermission permission) {
                askPermission(engine, origin, permission);
            });
    connect(engine, &Engine::permissionRequestCancelled, this,
            [this, engine](const QString& origin, SitePermission permission) {
                withdrawPermission(engine, origin, permission);
            });
    connect(engine, &Engine::externalSchemeRequested, this,
            [this, engine](const QString& address) { openLink(engine, address); });
    connect(engine, &Engine::leaveRequested, this,
            [this, document](LeaveRequest* request) { askLeave(document, request); });
}

void PageQuestions::askLeave(DocumentWindow* document, LeaveRequest* request) {
    // Asked at the close of the browser, the page in question comes forward first.
    document->bringToFront();
    LeaveQuestion question(request->site, m_window);
    request->leave = question.exec() == QDialog::Accepted;
}

QList<PermissionQuestion*> PageQuestions::openQuestions() const {
    return m_questions.keys();
}

PermissionQuestion* PageQuestions::findQuestion(const Engine* engine, const QString& site,
                                                const QString& kind) const {
    for (auto it = m_questions.cbegin(); it != m_questions.cend(); ++it) {
        if (it.value() == engine && it.key()->site() == site && it.key()->kind() == kind)
            return it.key();
    }
    return nullptr;
}

void PageQuestions::askCertificate(DocumentWindow* document, const CertificateError& error,
                                   Reply<bool> proceed) {
    Engine* engine = document->engine();
    auto* question = new CertificateQuestion(error, m_window);
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setWindowModality(Qt::WindowModal);
    // A document that closes takes its question with it.
    connect(engine, &QObject::destroyed, question, &QDialog::reject);
    const QPointer<Engine> asking = engine;
    connect(question, &QDialog::finished, this, [asking, proceed, error](int result) {
        proceed.answer(result == QDialog::Accepted);
        if (result == QDialog::Accepted || !asking)
            return;
        // Back to the page before, once the refused one has given way to the engine's error
        // page: once, and only when that page is still the one shown. A document that began
        // with the site says why it shows nothing, keeping the address.
        auto ended = std::make_shared<QMetaObject::Connection>();
        *ended =
            connect(asking, &Engine::progressChanged, asking,
                    [engine = asking.data(), ended, error](int, int progressMax) {
                        if (progressMax != 0)
                            return;
                        disconnect(*ended);
                        if (engine->url() != error.url)
                            return;
                        if (engine->backCount() > 0)
                            engine->goBack();
                        else
                            engine->showRefusal(tr("Kelvane did not open %1").arg(error.host),
                                                CertificateQuestion::problemText(error.problem));
                    });
    });
    // The question of a document in the background waits until it is in front.
    showWhenSeen(question, document);
}

void PageQuestions::showWhenSeen(QWidget* question, DocumentWindow* inFront) {
    m_held.append({question, inFront, inFront != nullptr});
    showHeldQuestions();
}

bool PageQuestions::maySeeQuestions() const {
    return m_window->isVisible() && !(m_tray && m_tray->isGuarding());
}

void PageQuestions::showHeldQuestions() {
    for (auto it = m_held.begin(); it != m_held.end();) {
        if (!it->question || (it->needsDocument && !it->document)) {
            if (it->question)
                it->question->deleteLater();
            it = m_held.erase(it);
        } else if (maySeeQuestions() && (!it->needsDocument || it->document->isActive())) {
            const QPointer<QWidget> question = it->question;
            it = m_held.erase(it);
            question->show();
        } else {
            ++it;
        }
    }
}

bool PageQuestions::waitUntilSeen() {
    return maySeeQuestions() || runLoopUntil([this] { return maySeeQuestions(); });
}

void PageQuestions::askSignIn(SignInRequest* request) {
    // Behind the tray password the page waits; a browser closing meanwhile cancels.
    if (!waitUntilSeen())
        return;
    const QString key = (request->proxyHost.isEmpty() ? request->host : request->proxyHost) +
                        u'\n' + request->realm;
    // Asked again for a place already answered: the server refused that answer.
    const bool retry = m_signInUsers.contains(key);
    request->user = m_signInUsers.value(key);
    SignInDialog dialog(*request, retry, m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_signInUsers.insert(key, request->user);
    else
        m_signInUsers.remove(key);
}

void PageQuestions::askPermission(Engine* engine, const QString& origin,
                                  SitePermission permission) {
    const QString kind = permissionKind(permission);
    if (const std::optional<bool> known = m_answers.answer(origin, kind)) {
        engine->answerPermission(origin, permission, *known);
        return;
    }
    if (findQuestion(engine, origin, kind))
        return;
    const QPointer<Engine> asking = engine;
    ask(new PermissionQuestion(origin, kind, {}, m_window), engine,
        [this, asking, origin, permission, kind](int result, bool remember) {
            const bool allow = result == PermissionQuestion::Allowed;
            // Esc or the close box decide nothing: the site may ask again.
            if (asking && result == PermissionQuestion::Dismissed)
                asking->forgetPermission(origin, permission);
            else if (asking)
                asking->answerPermission(origin, permission, allow);
            // A private document's answer holds for the question asked only.
            if (remember && asking && !asking->isOffTheRecord() &&
                m_answers.remember(origin, kind, allow))
                m_answers.save();
        });
}

void PageQuestions::answersRemoved(const QList<RememberedAnswer>& before) {
    for (const RememberedAnswer& old : before) {
        if (m_answers.answer(old.site, old.kind))
            continue;
        for (int p = 0; p <= int(SitePermission::MouseLock); ++p) {
            if (permissionKind(SitePermission(p)) != old.kind)
                continue;
            for (const QPointer<DocumentWindow>& document : std::as_const(m_documents))
                if (document)
                    document->engine()->forgetPermission(old.site, SitePermission(p));
        }
    }
}

void PageQuestions::withdrawPermission(Engine* engine, const QString& origin,
                                       SitePermission permission) {
    // Gone without an answer: nothing to tell the page, nothing to remember.
    if (PermissionQuestion* question = findQuestion(engine, origin, permissionKind(permission))) {
        m_questions.remove(question);
        question->deleteLater();
    }
}

bool PageQuestions::hasHandler(const QString& scheme) {
    // Asking the desktop takes a program's start; the answer holds for the session.
    auto known = m_handlers.constFind(scheme);
    if (known == m_handlers.cend())
        known = m_handlers.insert(scheme, m_desktop.hasHandler(scheme));
    return *known;
}

void PageQuestions::openLink(Engine* engine, const QString& address) {
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if (!isOutsideScheme(scheme))
        return;
    const QString schemeText = scheme + u':';
    // The answer is the asking site's own: allowing one site a program allows no other.
    const QString site = originText(QUrl(engine->url()));
    const QString kind = openOutsideKind(scheme);
    const std::optional<bool> known = m_answers.answer(site, kind);
    if (known == false) {
        Q_EMIT statusText(
            tr("Opening %1 links is blocked (View > Options > Permissions)").arg(schemeText));
        return;
    }
    if (!hasHandler(scheme)) {
        Q_EMIT statusText(tr("No program is set up to open %1 links").arg(schemeText));
        return;
    }
    const auto open = [this, url, schemeText] {
        if (!m_desktop.open(url))
            Q_EMIT statusText(tr("No program could open %1 links").arg(schemeText));
    };
    if (known) {
        open();
        return;
    }
    // One question per page and scheme at a time; it goes with its document.
    if (findQuestion(engine, site, kind))
        return;
    // A private document's answer holds for the question asked only.
    const bool offTheRecord = engine->isOffTheRecord();
    ask(new PermissionQuestion(site, kind, address, m_window), engine,
        [this, site, kind, open, offTheRecord](int result, bool remember) {
            const bool allow = result == PermissionQuestion::Allowed;
            if (allow)
                open();
            if (remember && !offTheRecord && m_answers.remember(site, kind, allow))
                m_answers.save();
        });
}

void PageQuestions::ask(PermissionQuestion* question, Engine* engine,
                        std::function<void(int result, bool remember)> then) {
    m_questions.insert(question, engine);
    if (engine) {
        // A question outlives no page: it goes, unanswered, with its document.
        connect(engine, &QObject::destroyed, question, [this, question] {
            m_questions.remove(question);
            question->deleteLater();
        });
    }
    connect(question, &QDialog::finished, this, [this, question, then](int result) {
        if (!m_questions.remove(question))
            return;
        then(result, result != PermissionQuestion::Dismissed && question->remembers());
        question->deleteLater();
    });
    showWhenSeen(question, nullptr);
}

void PageQuestions::showNotification(const PageNotification& notification) {
    // The site comes first, so a page cannot pass itself off as another program.
    const QString host = QUrl(notification.origin).host();
    const QString title = oneLine(notification.title, kMaxNotificationTitle);
    const QString summary = title.isEmpty() ? host : host + QStringLiteral(": ") + title;
    const QString message = oneLine(notification.message, kMaxNotificationText);
    const QString origin = originText(QUrl(notification.origin));
    const auto clicked = [self = QPointer<PageQuestions>(this), origin, page = notification.click] {
        if (page)
            page();
        if (!self)
            return;
        for (const QPointer<DocumentWindow>& document : std::as_const(self->m_documents)) {
            if (document && originText(QUrl(document->engine()->url())) == origin) {
                Q_EMIT self->documentWanted(document);
                return;
            }
        }
    };
    if (m_desktop.notify(summary, message, clicked))
        return;
    if (m_tray && m_tray->isAdded())
        m_tray->icon()->showMessage(summary, message);
}

} // namespace kelvane
