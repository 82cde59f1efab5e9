#pragma once

#include "platform/engine/engine.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace kelvane::test {

// A scriptable engine for widget tests: logs every call as a short text ("navigate <text>",
// "goBack", "reload bypassCache", "zoom 3", "print" ...), answers from state the test sets, and
// raises each engine event on demand.
class FakeEngine : public Engine {
    Q_OBJECT
public:
    explicit FakeEngine(QWidget* parent = nullptr);
    ~FakeEngine() override;

    QWidget* widget() override { return m_widget; }
    void navigate(const QString& text) override;
    void goBack() override { log(QStringLiteral("goBack")); }
    void goForward() override { log(QStringLiteral("goForward")); }
    void stop() override { log(QStringLiteral("stop")); }
    void reload(bool bypassCache) override;
    QString url() const override { return m_url; }
    QString title() const override { return m_title; }
    void setSilent(bool silent) override { m_silent = silent; }
    int zoomLevel() const override { return m_zoomLevel; }
    void setZoomLevel(int level) override;
    void selectAll() override { log(QStringLiteral("selectAll")); }
    void saveAs(const QString& path) override { log(QStringLiteral("saveAs ") + path); }
    void print(QPrinter*) override { log(QStringLiteral("print")); }
    void printPreview() override { log(QStringLiteral("printPreview")); }
    void pageSetup() override { log(QStringLiteral("pageSetup")); }
    void showProperties() override { log(QStringLiteral("properties")); }
    void showInternetOptions(QWidget*) override { log(QStringLiteral("internetOptions")); }
    // Like the real engine, asks for a new window on "view-source:" + url.
    void viewSource() override;
    void find(const QString& text, bool backward) override;
    int backCount() const override { return int(m_back.size()); }
    int forwardCount() const override { return int(m_forward.size()); }
    std::optional<HistoryEntry> historyEntry(bool back, int index) const override;

    // Every call since the last clearCalls(), in order.
    QStringList calls() const { return m_calls; }
    // The texts navigated to, in order.
    QStringList navigated() const;
    void clearCalls() { m_calls.clear(); }
    bool isSilent() const { return m_silent; }

    // Scripted state.
    void setUrl(const QString& url) { m_url = url; }
    void setTitle(const QString& title) { m_title = title; }
    // Nearest entry first.
    void setHistory(const QList<HistoryEntry>& back, const QList<HistoryEntry>& forward);

    // Events, raised synchronously as the engine would; each returns what the handler decided.
    bool fireNavigation(const QString& url, bool isMainFrame = true); // -> cancelled
    NewWindowRequest fireNewWindow(const QString& url, bool userInitiated = true);
    void fireProgress(int progress, int progressMax) {
        Q_EMIT progressChanged(progress, progressMax);
    }
    void fireTitle(const QString& title);
    void fireStatusText(const QString& text) { Q_EMIT statusTextChanged(text); }
    void fireCloseRequest() { Q_EMIT closeRequested(); }
    void fireSecure(bool secure) { Q_EMIT secureChanged(secure); }
    void fireFindResult(int activeMatch, int matchCount) {
        Q_EMIT findResult(activeMatch, matchCount);
    }

private:
    void log(const QString& call) { m_calls.append(call); }

    QPointer<QWidget> m_widget;
    QStringList m_calls;
    bool m_silent = false;
    int m_zoomLevel = kZoomLevelMedium;
    QString m_url;
    QString m_title;
    QList<HistoryEntry> m_back;
    QList<HistoryEntry> m_forward;
};

// Hands out fakes and counts what was asked of it.
class FakeEngineFactory : public EngineFactory {
public:
    Engine* createEngine(QWidget* parent) override;
    void cleanHistory() override { ++m_cleanHistoryCount; }

    int createdCount() const { return m_createdCount; }
    int cleanHistoryCount() const { return m_cleanHistoryCount; }

private:
    int m_createdCount = 0;
    int m_cleanHistoryCount = 0;
};

} // namespace kelvane::test
