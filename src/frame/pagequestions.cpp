#include "frame/pagequestions.h"

#include "dialogs/certificatequestion.h"
#include "dialogs/permissionquestion.h"
#include "dialogs/signindialog.h"
#include "documents/documentwindow.h"
#include "frame/trayicon.h"
#include "platform/engine/engine.h"
#include "platform/engine/engineservices.h"

#include <QPointer>
#include <QSystemTrayIcon>
#include <QUrl>

namespace kelvane {

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
    connect(engine, &Engine::certificateErrorRaised, this,
            [this, engine](const CertificateError& error, Reply<bool> proceed) {
                askCertificate(engine, error, std::move(proceed));
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
    connect(engine, &Engine::externalSchemeRequested, this, &PageQuestions::openLink);
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

void PageQuestions::askCertificate(Engine* engine, const CertificateError& error,
                                   Reply<bool> proceed) {
    auto* question = new CertificateQuestion(error, m_window);
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setWindowModality(Qt::WindowModal);
    // A document that closes takes its question with it.
    connect(engine, &QObject::destroyed, question, &QDialog::reject);
    const QPointer<Engine> asking = engine;
    connect(question, &QDialog::finished, this, [asking, proceed](int result) {
        proceed.answer(result == QDialog::Accepted);
        if (result == QDialog::Accepted || !asking)
            return;
        // Back to the page before, once the refused one has given way to the engine's error
        // page; a document that began with the site keeps that page.
        auto ended = std::make_shared<QMetaObject::Connection>();
        *ended = connect(asking, &Engine::progressChanged, asking,
                         [engine = asking.data(), ended](int, int progressMax) {
                             if (progressMax != 0)
                                 return;
                             disconnect(*ended);
                             if (engine->backCount() > 0)
                                 engine->goBack();
                         });
    });
    question->open();
}

void PageQuestions::askSignIn(SignInRequest* request) {
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
            if (asking)
                asking->answerPermission(origin, permission, allow);
            if (remember && m_answers.remember(origin, kind, allow))
                m_answers.save();
        });
}

void PageQuestions::withdrawPermission(Engine* engine, const QString& origin,
                                       SitePermission permission) {
    // Gone without an answer: nothing to tell the page, nothing to remember.
    if (PermissionQuestion* question = findQuestion(engine, origin, permissionKind(permission))) {
        m_questions.remove(question);
        question->deleteLater();
    }
}

void PageQuestions::openLink(const QString& address) {
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if (!isOutsideScheme(scheme))
        return;
    const QString site = scheme + u':';
    if (!m_desktop.hasHandler(scheme)) {
        Q_EMIT statusText(tr("No program is set up to open %1 links").arg(site));
        return;
    }
    const auto open = [this, url, site] {
        if (!m_desktop.open(url))
            Q_EMIT statusText(tr("No program could open %1 links").arg(site));
    };
    const QString kind = QLatin1String(kOpenOutsideKind);
    if (const std::optional<bool> known = m_answers.answer(site, kind)) {
        if (*known)
            open();
        else
            Q_EMIT statusText(
                tr("Opening %1 links is blocked (View > Options > Permissions)").arg(site));
        return;
    }
    // One question per scheme at a time.
    if (findQuestion(nullptr, site, kind))
        return;
    ask(new PermissionQuestion(site, kind, address, m_window), nullptr,
        [this, site, kind, open](int result, bool remember) {
            const bool allow = result == PermissionQuestion::Allowed;
            if (allow)
                open();
            if (remember && m_answers.remember(site, kind, allow))
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
    question->show();
}

void PageQuestions::showNotification(const PageNotification& notification) {
    // The site goes with the text, so a page cannot pass itself off as another program.
    const QString host = QUrl(notification.origin).host();
    const QString message =
        notification.message.isEmpty() ? host : notification.message + u'\n' + host;
    if (m_desktop.notify(notification.title, message))
        return;
    if (m_tray && m_tray->isAdded())
        m_tray->icon()->showMessage(notification.title, message);
}

} // namespace kelvane
