// Closing a page: the browser asks it first, and a page that asks before it is left puts its
// question to the browser.

#include "platform/engine/webengine.h"

#include <QTimer>

namespace kelvane {

namespace {

// How long a page may take to answer whether it may close before it is closed anyway.
constexpr int kCloseAnswerMs = 5000;

} // namespace

void WebEngine::prepareClosing() {
    m_closeTimeout = new QTimer(this);
    m_closeTimeout->setSingleShot(true);
    m_closeTimeout->setInterval(kCloseAnswerMs);
    connect(m_closeTimeout, &QTimer::timeout, this, [this] { answerClose(true); });
}

void WebEngine::connectClosing(QWebEnginePage* page) {
    // Queued: the handler may close the document and delete this page, which must not happen
    // inside the page's own signal.
    connect(page, &QWebEnginePage::windowCloseRequested, this, &WebEngine::onWindowCloseRequested,
            Qt::QueuedConnection);
}

void WebEngine::requestClose() {
    if (m_closeRequested)
        return;
    m_closeRequested = true;
    m_closeTimeout->start();
    using State = QWebEnginePage::LifecycleState;
    // A page that is gone has nothing left to ask; a frozen one wakes to answer.
    if (!m_page || isShowingCrashPage() || m_page->lifecycleState() == State::Discarded) {
        QTimer::singleShot(0, this, [this] { answerClose(true); });
        return;
    }
    if (m_page->lifecycleState() == State::Frozen)
        m_page->setLifecycleState(State::Active);
    m_page->triggerAction(QWebEnginePage::RequestClose);
}

void WebEngine::onWindowCloseRequested() {
    if (m_closeRequested)
        answerClose(true);
    else
        Q_EMIT closeRequested();
}

void WebEngine::answerClose(bool mayClose) {
    if (!m_closeRequested)
        return;
    m_closeRequested = false;
    m_closeTimeout->stop();
    Q_EMIT closeAnswered(mayClose);
}

bool WebEngine::askToLeave(const QUrl& origin) {
    // The user takes the time they need.
    m_closeTimeout->stop();
    LeaveRequest request;
    request.site = origin.adjusted(QUrl::RemoveUserInfo).authority();
    Q_EMIT leaveRequested(&request);
    if (m_closeRequested) {
        if (request.leave)
            m_closeTimeout->start(); // the page unloads, then asks to close
        else
            QTimer::singleShot(0, this, [this] { answerClose(false); });
    }
    return request.leave;
}

} // namespace kelvane
