#include "platform/engine/webpage.h"

#include "platform/engine/webengine.h"

#include <QCoreApplication>
#include <QSet>

namespace kelvane {

bool isEngineScheme(const QString& scheme) {
    static const QSet<QString> schemes = {
        QStringLiteral("http"),       QStringLiteral("https"),        QStringLiteral("file"),
        QStringLiteral("ftp"),        QStringLiteral("data"),         QStringLiteral("blob"),
        QStringLiteral("about"),      QStringLiteral("view-source"),  QStringLiteral("qrc"),
        QStringLiteral("chrome"),     QStringLiteral("chrome-error"), QStringLiteral("filesystem"),
        QStringLiteral("javascript"), QStringLiteral("devtools"),
        // The engine's PDF viewer.
        QStringLiteral("chrome-extension")};
    return scheme.isEmpty() || schemes.contains(scheme);
}

WebPage::WebPage(QWebEngineProfile* profile, WebEngine* engine, QObject* parent)
    : QWebEnginePage(profile, parent)
    , m_engine(engine) {}

bool WebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    if (!m_engine)
        return true;
    if (!isEngineScheme(url.scheme())) {
        Q_EMIT m_engine->externalSchemeRequested(url.toString());
        return false;
    }
    NavigationRequest request;
    request.url = url.toString();
    request.isMainFrame = isMainFrame;
    Q_EMIT m_engine->navigationRequested(&request);
    if (isMainFrame && !request.cancel)
        m_engine->mainFrameNavigating(url);
    return !request.cancel;
}

void WebPage::javaScriptAlert(const QUrl& origin, const QString& message) {
    if (!silent())
        QWebEnginePage::javaScriptAlert(origin, message);
}

bool WebPage::javaScriptConfirm(const QUrl& origin, const QString& message) {
    // The engine puts its question before a page is left as a confirm of this text.
    static const QString leaving = QCoreApplication::translate(
        "QWebEnginePage",
        "Are you sure you want to leave this page? Changes that you made may not be saved.");
    if (message == leaving && m_engine)
        return m_engine->askToLeave(origin);
    return !silent() && QWebEnginePage::javaScriptConfirm(origin, message);
}

bool WebPage::javaScriptPrompt(const QUrl& origin, const QString& message, const QString& value,
                               QString* result) {
    return !silent() && QWebEnginePage::javaScriptPrompt(origin, message, value, result);
}

bool WebPage::silent() const {
    return m_engine && m_engine->isSilent();
}

} // namespace kelvane
