#pragma once

#include "platform/engine/engine.h"

#include <QKeyEvent>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace kelvane::test {

// A scriptable engine: logs every call as a short text ("navigate <text>", "reload bypassCache",
// "zoom 3", "key <code>" for a key its page got...), answers from state the test sets, and
// raises each engine event on demand, synchronously, as the engine would.
class FakeEngine : public Engine {
    Q_OBJECT
public:
    explicit FakeEngine(QWidget* parent = nullptr)
        : Engine(parent)
        , m_widget(new QWidget(parent)) {
        m_widget->installEventFilter(this);
    }
    ~FakeEngine() override { delete m_widget.data(); }

    QWidget* widget() override { return m_widget; }
    void navigate(const QString& text) override { log("navigate " + text); }
    void goBack() override { log("goBack"); }
    void goForward() override { log("goForward"); }
    void stop() override { log("stop"); }
    void reload(bool bypassCache) override { log(bypassCache ? "reload bypassCache" : "reload"); }
    QString url() const override { return m_url; }
    QString title() const override { return m_title; }
    void setSilent(bool) override {}
    int zoomLevel() const override { return m_zoomLevel; }
    void setZoomLevel(int level) override;
    void selectAll() override { log("selectAll"); }
    void saveAs(const QString& path) override { log("saveAs " + path); }
    void print(QPrinter*) override { log("print"); }
    void printPreview() override { log("printPreview"); }
    void pageSetup() override { log("pageSetup"); }
    void showProperties() override { log("properties"); }
    void showInternetOptions(QWidget*) override { log("internetOptions"); }
    // Like the real engine, asks for a new window on "view-source:" + url.
    void viewSource() override;
    void find(const QString& text, bool backward) override {
        log((backward ? "findBackward " : "find ") + text);
    }
    int backCount() const override { return int(m_back.size()); }
    int forwardCount() const override { return int(m_forward.size()); }
    std::optional<HistoryEntry> historyEntry(bool back, int index) const override;

    // Every call since the last clearCalls(), in order; the texts navigated to.
    QStringList calls() const { return m_calls; }
    QStringList navigated() const;
    void clearCalls() { m_calls.clear(); }

    void setUrl(const QString& url) { m_url = url; }
    // Nearest entry first.
    void setHistory(const QList<HistoryEntry>& back, const QList<HistoryEntry>& forward) {
        m_back = back;
        m_forward = forward;
    }

    // Events; a new-window request comes back as the handler left it.
    NewWindowRequest fireNewWindow(const QString& url, bool userInitiated = true);
    void fireProgress(int progress, int max) { Q_EMIT progressChanged(progress, max); }
    void fireTitle(const QString& title) { Q_EMIT titleChanged(m_title = title); }
    void fireStatusText(const QString& text) { Q_EMIT statusTextChanged(text); }
    void fireSecure(bool secure) { Q_EMIT secureChanged(secure); }
    void fireFindResult(int active, int count) { Q_EMIT findResult(active, count); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            log(QStringLiteral("key %1").arg(static_cast<QKeyEvent*>(event)->key()));
        return false;
    }

private:
    void log(const QString& call) { m_calls.append(call); }

    QPointer<QWidget> m_widget;
    QStringList m_calls;
    int m_zoomLevel = kZoomLevelMedium;
    QString m_url, m_title;
    QList<HistoryEntry> m_back, m_forward;
};

// Hands out fakes and counts what was asked of it.
class FakeEngineFactory : public EngineFactory {
public:
    Engine* createEngine(QWidget* parent) override {
        ++m_createdCount;
        return new FakeEngine(parent);
    }
    void cleanHistory() override { ++m_cleanHistoryCount; }
    int createdCount() const { return m_createdCount; }
    int cleanHistoryCount() const { return m_cleanHistoryCount; }

private:
    int m_createdCount = 0, m_cleanHistoryCount = 0;
};

} // namespace kelvane::test
