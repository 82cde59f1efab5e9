#pragma once

#include <QHashFunctions>
#include <QMetaType>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

namespace kelvane {

// The origin of a page as the browser names it and keeps answers for it: scheme, host and port
// ("http://127.0.0.1:8000"), so that two servers of one host are two sites.
inline QString originText(const QUrl& origin) {
    return origin
        .adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment |
                  QUrl::RemoveUserInfo)
        .toString();
}

// The browser's answer to a question a page put to it, given once, now or later. Copies share
// the one answer; when the last copy goes unanswered the refusal is sent, so a page never
// waits for good on a question that was dropped.
template <typename Answer> class Reply {
public:
    Reply() = default;
    Reply(std::function<void(Answer)> send, Answer refusal)
        : m_state(std::make_shared<State>(std::move(send), std::move(refusal))) {}

    // The first answer counts; later ones are ignored.
    void answer(Answer value) const {
        if (m_state && !m_state->answered) {
            m_state->answered = true;
            if (m_state->send)
                m_state->send(std::move(value));
        }
    }
    bool isAnswered() const { return !m_state || m_state->answered; }

private:
    struct State {
        State(std::function<void(Answer)> s, Answer r)
            : send(std::move(s))
            , refusal(std::move(r)) {}
        ~State() {
            if (!answered && send)
                send(std::move(refusal));
        }
        std::function<void(Answer)> send;
        Answer refusal;
        bool answered = false;
    };
    std::shared_ptr<State> m_state;
};

// How far the page's connection can be trusted, for the status bar's picture.
enum class PageSecurity {
    Plain,     // not encrypted, or no page
    Secure,    // encrypted, with a certificate that passed every check
    NotSecure, // encrypted, but the user let its failed certificate through
};

// What is wrong with a site's certificate, in the terms a user can be told.
enum class CertificateProblem {
    SelfSigned,       // signed by itself, vouched for by nobody
    UnknownAuthority, // signed by an authority the system does not trust
    Expired,
    NotYetValid,
    WrongHost, // issued for another name
    Revoked,
    Weak, // an obsolete signature, key or protocol
    Other,
};

// A page's certificate failed. The load waits for the answer: true continues to the site
// (only where overridable), false refuses it.
struct CertificateError {
    QString url{};
    QString host{};
    CertificateProblem problem = CertificateProblem::Other;
    // The engine's own words for the error.
    QString description{};
    // False where the engine allows no exception (a site that insists on valid certificates).
    bool overridable = false;
};

// A server or a proxy asks for a user name and password. The handler answers before it
// returns: it fills user and password and clears cancel, or leaves cancel set, and the page then
// shows the server's own answer.
struct SignInRequest {
    QString url{};
    QString host{};
    // The server's name for the protected area; may be empty.
    QString realm{};
    // Set when the proxy, not the site, asks.
    QString proxyHost{};
    QString user{};
    QString password{};
    bool cancel = true;
};

// The page asks whether the user really wants to leave it (a form holds typed text, say), as it
// is closed or navigated away from. The handler answers before it returns.
struct LeaveRequest {
    // The page's host, with its port where it has one.
    QString site{};
    bool leave = true;
};

// What a site may ask to use.
enum class SitePermission {
    Notifications,
    Location,
    Microphone,
    Camera,
    CameraAndMicrophone,
    ScreenSharing,
    MouseLock,
};

inline size_t qHash(SitePermission permission, size_t seed = 0) noexcept {
    return ::qHash(int(permission), seed);
}

// A page asks to fill the screen (on) or to leave it. Setting accept lets it; the browser then
// shows the page full screen, or back where it was.
struct FullScreenRequest {
    bool on = false;
    bool accept = false;
};

} // namespace kelvane

Q_DECLARE_METATYPE(kelvane::SitePermission)
