#pragma once

#include "platform/engine/engine.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace kelvane::test {

// A scriptable engine for widget tests: records every call, answers from state the test sets,
// and raises each engine event on demand, returning what the handler decided.
class FakeWebBrowser : public WebBrowser {
    Q_OBJECT
public:
    struct ExecCall {
        EngineCommand command;
        CommandOption option;
        QVariant input;
    };
    struct FindCall {
        QString text;
        bool backward;
    };
    struct HistoryEntry {
        QString title;
        QString url;
    };

    explicit FakeWebBrowser(QWidget* parent = nullptr);
    ~FakeWebBrowser() override;

    // WebBrowser
    QWidget* widget() override;
    void Navigate(const QString& url) override;
    void GoBack() override { ++m_goBackCount; }
    void GoForward() override { ++m_goForwardCount; }
    void Stop() override { ++m_stopCount; }
    void Refresh() override { ++m_refreshCount; }
    void Refresh2(int level) override { m_refresh2Levels.append(level); }
    // Records the call. Zoom: invalid input answers zoomLevel(); a level 0..4 sets it (others
    // are ignored, as the real engine does).
    QVariant ExecWB(EngineCommand command, CommandOption option,
                    const QVariant& input = {}) override;
    QString LocationURL() const override { return m_locationUrl; }
    QString LocationName() const override { return m_locationName; }
    void setSilent(bool silent) override { m_silent = silent; }
    void setRegisterAsBrowser(bool registered) override { m_registeredAsBrowser = registered; }
    void Find(const QString& text, bool backward) override { m_findCalls.append({text, backward}); }

    // What was called.
    QStringList navigated() const { return m_navigated; }
    int goBackCount() const { return m_goBackCount; }
    int goForwardCount() const { return m_goForwardCount; }
    int stopCount() const { return m_stopCount; }
    int refreshCount() const { return m_refreshCount; }
    QList<int> refresh2Levels() const { return m_refresh2Levels; }
    QList<ExecCall> execCalls() const { return m_execCalls; }
    // The calls of one command, in order.
    QList<ExecCall> execCalls(EngineCommand command) const;
    bool isSilent() const { return m_silent; }
    bool isRegisteredAsBrowser() const { return m_registeredAsBrowser; }
    // Counted by FakeCustomizer.
    int internetOptionsCount() const { return m_internetOptionsCount; }
    int viewSourceCount() const { return m_viewSourceCount; }
    QList<FindCall> findCalls() const { return m_findCalls; }
    void clearRecords();

    // Scripted state.
    int zoomLevel() const { return m_zoomLevel; }
    void setZoomLevel(int level) { m_zoomLevel = level; }
    void setLocationURL(const QString& url) { m_locationUrl = url; }
    void setLocationName(const QString& name) { m_locationName = name; }
    // Nearest entry first.
    void setBackList(const QList<HistoryEntry>& entries) { m_backList = entries; }
    void setForwardList(const QList<HistoryEntry>& entries) { m_forwardList = entries; }

    // Events, raised synchronously as the engine would.
    bool fireBeforeNavigate(const QString& url, bool isMainFrame = true); // -> cancel
    NewWindowRequest fireNewWindow(const QString& url, bool userInitiated = true);
    void fireProgress(int progress, int progressMax);
    void fireTitle(const QString& title);
    void fireStatusText(const QString& text);
    void fireWindowClosing(bool isChildWindow = false);
    void fireSecureLock(int secureLockIcon);
    void fireFindResult(int activeMatch, int matchCount);

private:
    friend class FakeCustomizer;

    QPointer<QWidget> m_widget;
    QStringList m_navigated;
    int m_goBackCount = 0;
    int m_goForwardCount = 0;
    int m_stopCount = 0;
    int m_refreshCount = 0;
    QList<int> m_refresh2Levels;
    QList<ExecCall> m_execCalls;
    bool m_silent = false;
    bool m_registeredAsBrowser = false;
    int m_internetOptionsCount = 0;
    int m_viewSourceCount = 0;
    QList<FindCall> m_findCalls;
    int m_zoomLevel = kZoomLevelMedium;
    QString m_locationUrl;
    QString m_locationName;
    QList<HistoryEntry> m_backList;
    QList<HistoryEntry> m_forwardList;
};

// Reads the fake's history lists. ShowInternetOptions only counts; ViewSource counts and, like
// the real engine, asks for a new window on "view-source:" + LocationURL (when there is one).
class FakeCustomizer : public Customizer {
public:
    explicit FakeCustomizer(FakeWebBrowser* browser);

    int BackCount() const override;
    int ForwardCount() const override;
    bool GetHistoryElement(bool isBack, int index, QString& title, QString& url) const override;
    void ShowInternetOptions(QWidget* parent) override;
    void ViewSource() override;

private:
    QPointer<FakeWebBrowser> m_browser;
};

// Hands out fakes and counts them.
class FakeEngineFactory : public EngineFactory {
public:
    WebBrowser* createBrowser(QWidget* parent) override;
    std::unique_ptr<Customizer> createCustomizer(WebBrowser* browser) override;
    void CleanHistory() override { ++m_cleanHistoryCount; }

    int createdCount() const { return m_createdCount; }
    int cleanHistoryCount() const { return m_cleanHistoryCount; }

private:
    int m_createdCount = 0;
    int m_cleanHistoryCount = 0;
};

} // namespace kelvane::test
