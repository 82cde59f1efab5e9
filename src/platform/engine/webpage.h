#pragma once

#include <QPointer>
#include <QWebEnginePage>

namespace kelvane {

class WebEngine;

// True for the schemes the engine loads itself; any other goes to the desktop's handler, if
// the user agrees.
bool isEngineScheme(const QString& scheme);

// The page of a WebEngine: navigation requests become navigationRequested, and the page's
// script dialogs stay quiet while the engine is silent.
class WebPage : public QWebEnginePage {
public:
    WebPage(QWebEngineProfile* profile, WebEngine* engine, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& value,
                          QString* result) override;

private:
    bool silent() const;

    QPointer<WebEngine> m_engine;
};

} // namespace kelvane
