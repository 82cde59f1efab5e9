#pragma once

#include <QWidget>

#include <memory>

class QTimer;

namespace kelvane {

class Customizer;
class DocumentHost;
class WebBrowser;
struct NavigationRequest;
struct NewWindowRequest;

// A document window (frmDocument): one page in the multiple-document area, with its engine
// WebBrowser1 and customizer CustomWB. It keeps its Navigator row and tab up to date from the
// engine's events; what it has to say to the status bar and the address bar it raises as
// signals, and the main window applies them.
class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    explicit DocumentWindow(DocumentHost& host, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    WebBrowser* WebBrowser1() const { return m_browser; }
    Customizer* CustomWB() const { return m_customizer.get(); }
    // The document's number: its row in the Navigator and its tab; 0 before it has one.
    int DocIndex() const;

    bool FirstNavigation = true;
    qint16 LoadPercent = 0;
    bool IsActive = false;
    bool IsSecure = false;
    bool IsLoading = false;
    bool IsClosing = false;

    QTimer* tmrKillWindow() const { return m_tmrKillWindow; }
    QTimer* tmrKillPopup() const { return m_tmrKillPopup; }
    QTimer* Highlight() const { return m_highlight; }
    QTimer* tmrSilent() const { return m_tmrSilent; }
    // The flash's tick counter (the Highlight timer's Tag); 0 when it is not flashing.
    int highlightCount() const { return m_highlightCount; }

    // True once a load of this document has ended (the first documents of a screenshot run).
    bool hasFinishedLoading() const { return m_finishedOnce; }

    // Brings the window to the front of the document area; it becomes the active document.
    void bringToFront();
    // Closes the window (and its frame in the document area); Form_Unload runs.
    void closeDocument();

    void Form_Activate();
    void Form_Deactivate();
    void Form_Resize();
    // Runs once when the window closes, for whatever reason.
    void Form_Unload();

    // Engine events.
    void WebBrowser1_StatusTextChange(const QString& text);
    void WebBrowser1_ProgressChange(int progress, int progressMax);
    void WebBrowser1_TitleChange(const QString& text);
    void WebBrowser1_BeforeNavigate2(NavigationRequest* request);
    void WebBrowser1_NewWindow2(NewWindowRequest* request);
    void WebBrowser1_WindowClosing(bool isChildWindow);
    void WebBrowser1_SetSecureLockIcon(int secureLockIcon);
    void Highlight_Timer();

Q_SIGNALS:
    // Status panel 1.
    void statusText(const QString& text);
    // The load percentage the progress panel draws (0: nothing loading).
    void progressPercent(int percent);
    // The page address for the address box.
    void addressText(const QString& address);
    // The security panel's icon: 2 for a secure page, -1 for none.
    void securityIcon(int icon);
    // A load of this document ended.
    void loadFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();

    DocumentHost& m_host;
    WebBrowser* m_browser = nullptr;
    std::unique_ptr<Customizer> m_customizer;
    QTimer* m_tmrKillWindow;
    QTimer* m_tmrKillPopup;
    QTimer* m_highlight;
    QTimer* m_tmrSilent;
    int m_highlightCount = 0;
    bool m_unloaded = false;
    bool m_finishedOnce = false;
};

} // namespace kelvane
