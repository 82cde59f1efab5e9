#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariant>

#include <memory>

class QWidget;

namespace kelvane {

// Command numbers of ExecWB (the engine's standard command identifiers).
enum class EngineCommand {
    SaveAs = 4,
    Print = 6,
    PrintPreview = 7,
    PageSetup = 8,
    Properties = 10,
    SelectAll = 17,
    Zoom = 19,
};

enum class CommandOption {
    DoDefault = 0,
    DontPromptUser = 2,
};

// Zoom levels 0 (smallest) .. 4 (largest); 2 is the medium size.
inline constexpr int kZoomLevelMin = 0;
inline constexpr int kZoomLevelMedium = 2;
inline constexpr int kZoomLevelMax = 4;

class WebBrowser;

// BeforeNavigate2: raised before every navigation, top level and frames.
struct NavigationRequest {
    QString url;
    bool isMainFrame = true;
    bool cancel = false;
};

// NewWindow2: a page asks for a new window. Setting target hands the request to another
// engine (the new document's); leaving it null or setting cancel drops the request.
struct NewWindowRequest {
    QString url;
    bool userInitiated = false;
    WebBrowser* target = nullptr;
    bool cancel = false;
};

// One engine instance: the page view of a document window (WebBrowser1).
class WebBrowser : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~WebBrowser() override;

    // The view; the document window places, sizes and shows it.
    virtual QWidget* widget() = 0;

    // Navigation. The text is passed as typed; the engine interprets it.
    virtual void Navigate(const QString& url) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void Stop() = 0;
    virtual void Refresh() = 0;
    virtual void Refresh2(int level) = 0;

    // Commands. For Zoom, an invalid input queries the level (returned), a level sets it.
    virtual QVariant ExecWB(EngineCommand command, CommandOption option,
                            const QVariant& input = {}) = 0;

    // Properties.
    virtual QString LocationURL() const = 0;
    virtual QString LocationName() const = 0;
    virtual void setSilent(bool silent) = 0;
    virtual void setRegisterAsBrowser(bool registered) = 0;

    // In-page find: the next (or previous) match of text, highlighting every match; the
    // answer arrives as FindResult.
    virtual void Find(const QString& text, bool backward) = 0; // empty text clears the highlighting

Q_SIGNALS:
    void StatusTextChange(const QString& text);
    // progressMax 0 marks the end of a load; progress -1 means complete.
    void ProgressChange(int progress, int progressMax);
    void TitleChange(const QString& text);
    void BeforeNavigate2(kelvane::NavigationRequest* request);
    void NewWindow2(kelvane::NewWindowRequest* request);
    void WindowClosing(bool isChildWindow);
    // 0: not secure; any other value: a secure page.
    void SetSecureLockIcon(int secureLockIcon);
    // The answer to Find: the 1-based match now selected (0: none) of matchCount.
    void FindResult(int activeMatch, int matchCount);
};

// The engine customizer attached to one WebBrowser (CustomWB): history lists and the
// engine's own dialogs.
class Customizer {
public:
    virtual ~Customizer();

    virtual int BackCount() const = 0;
    virtual int ForwardCount() const = 0;
    // index counts from 1, nearest entry first. False when there is no such entry.
    virtual bool GetHistoryElement(bool isBack, int index, QString& title, QString& url) const = 0;
    // Modal; returns when the dialog closes.
    virtual void ShowInternetOptions(QWidget* parent) = 0;
    // Shows the current page's source in a new window (through NewWindow2).
    virtual void ViewSource() = 0;
};

// Every window gets its engines from the factory, so tests can hand out fakes.
class EngineFactory {
public:
    virtual ~EngineFactory();
    virtual WebBrowser* createBrowser(QWidget* parent) = 0;
    virtual std::unique_ptr<Customizer> createCustomizer(WebBrowser* browser) = 0;
    // The engine's history cleaner: temporary files, cookies and history of every page.
    virtual void CleanHistory() = 0;
};

} // namespace kelvane
