#pragma once

#include "platform/engine/engine.h"

#include <QPointer>
#include <QStackedWidget>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <array>
#include <memory>

class QPrinter;

namespace kelvane {

// The engine of the program: a QWebEngineView on the shared profile, with the page's events
// raised as the engine's events.
class QtWebBrowser : public WebBrowser {
    Q_OBJECT
public:
    // Text sizes 0..4 as zoom factors; level 2 is 100 %.
    static constexpr std::array<double, 5> kZoomFactors = {0.75, 0.9, 1.0, 1.25, 1.5};
    // The level whose factor is nearest to factor.
    static int zoomLevelForFactor(double factor);

    explicit QtWebBrowser(QWidget* parent = nullptr);
    ~QtWebBrowser() override;

    QWidget* widget() override;

    void Navigate(const QString& url) override;
    void GoBack() override;
    void GoForward() override;
    void Stop() override;
    void Refresh() override;
    void Refresh2(int level) override;

    // SaveAs: input an optional file path (needed with DontPromptUser). Print: input an optional
    // QPrinter* (else the engine's printer). Zoom: invalid input queries, a level 0..4 sets.
    // Commands that would show a dialog do nothing with DontPromptUser.
    QVariant ExecWB(EngineCommand command, CommandOption option,
                    const QVariant& input = {}) override;

    QString LocationURL() const override;
    QString LocationName() const override;
    void setSilent(bool silent) override;
    void setRegisterAsBrowser(bool registered) override;
    void Find(const QString& text, bool backward) override;

    bool isSilent() const { return m_silent; }
    QWebEngineView* view() const { return m_view; }
    QWebEnginePage* page() const;
    // True while the view shows the "page stopped working" panel.
    bool isShowingCrashPage() const;

private:
    void onLoadStarted();
    void onLoadFinished();
    void onRenderProcessTerminated(int status);
    bool isSecure() const;
    void raiseSecureLockIcon();
    void reloadCrashedPage();
    QVariant zoom(const QVariant& input);
    void saveAs(CommandOption option, const QVariant& input);
    void print(const QVariant& input);
    // Prints the page and waits until the engine has finished; false when printing failed.
    bool printDocument(QPrinter* printer);
    void printPreview();
    void pageSetup();
    void showProperties();
    QPrinter* printer();

    QPointer<QStackedWidget> m_container;
    QPointer<QWebEngineView> m_view;
    QPointer<QWebEnginePage> m_page;
    QWidget* m_crashPanel = nullptr;
    QUrl m_crashedUrl;
    std::unique_ptr<QPrinter> m_printer;
    bool m_silent = false;
    bool m_loading = false;
    bool m_certificateError = false;
    bool m_printing = false;
};

// History lists and the engine's dialogs for one QtWebBrowser.
class QtCustomizer : public Customizer {
public:
    explicit QtCustomizer(QtWebBrowser* browser);

    int BackCount() const override;
    int ForwardCount() const override;
    bool GetHistoryElement(bool isBack, int index, QString& title, QString& url) const override;
    void ShowInternetOptions(QWidget* parent) override;
    void ViewSource() override;

private:
    QPointer<QtWebBrowser> m_browser;
};

class QtEngineFactory : public EngineFactory {
public:
    WebBrowser* createBrowser(QWidget* parent) override;
    std::unique_ptr<Customizer> createCustomizer(WebBrowser* browser) override;
    void CleanHistory() override;
};

} // namespace kelvane
