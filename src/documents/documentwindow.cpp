#include "documents/documentwindow.h"

#include "base/appsettings.h"
#include "documents/documenthost.h"
#include "documents/documentset.h"
#include "documents/tabrules.h"
#include "platform/engine/engine.h"
#include "ui/captions.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace kelvane {

namespace {

QTimer* makeTimer(QObject* owner, const char* name, int intervalMs) {
    auto* timer = new QTimer(owner);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(intervalMs);
    return timer;
}

} // namespace

DocumentWindow::DocumentWindow(DocumentHost& host, QWidget* parent)
    : QWidget(parent)
    , m_host(host)
    , m_tmrKillWindow(makeTimer(this, "tmrKillWindow", 100))
    , m_tmrKillPopup(makeTimer(this, "tmrKillPopup", 800))
    , m_highlight(makeTimer(this, "Highlight", 700))
    , m_tmrSilent(makeTimer(this, "tmrSilent", 100)) {
    setObjectName(QStringLiteral("frmDocument"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser = host.engines().createBrowser(this);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->widget()->setParent(this);
    m_browser->widget()->show();

    connect(m_browser, &WebBrowser::StatusTextChange, this,
            &DocumentWindow::WebBrowser1_StatusTextChange);
    connect(m_browser, &WebBrowser::ProgressChange, this,
            &DocumentWindow::WebBrowser1_ProgressChange);
    connect(m_browser, &WebBrowser::TitleChange, this, &DocumentWindow::WebBrowser1_TitleChange);
    connect(m_browser, &WebBrowser::BeforeNavigate2, this,
            &DocumentWindow::WebBrowser1_BeforeNavigate2);
    connect(m_browser, &WebBrowser::NewWindow2, this, &DocumentWindow::WebBrowser1_NewWindow2);
    connect(m_browser, &WebBrowser::WindowClosing, this,
            &DocumentWindow::WebBrowser1_WindowClosing);
    connect(m_browser, &WebBrowser::SetSecureLockIcon, this,
            &DocumentWindow::WebBrowser1_SetSecureLockIcon);
    connect(m_highlight, &QTimer::timeout, this, &DocumentWindow::Highlight_Timer);

    Form_Load();
}

DocumentWindow::~DocumentWindow() {
    // A window deleted without closing (the frame going away) still leaves the set.
    Form_Unload();
}

int DocumentWindow::DocIndex() const {
    return m_host.documents().docIndexOf(this);
}

void DocumentWindow::Form_Load() {
    FirstNavigation = true;
    applyCaptions(this);
    appSettings().OpenDocCount += 1;
    m_host.ModifyMenu();
    m_customizer = m_host.engines().createCustomizer(m_browser);
}

void DocumentWindow::Form_Resize() {
    // The engine fills the window.
    m_browser->widget()->setGeometry(rect());
}

void DocumentWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void DocumentWindow::Form_Activate() {
    IsActive = true;
    const int index = DocIndex();
    m_host.documents().setActive(index, true);
    m_host.selectTab(index);
    Q_EMIT addressText(m_browser->LocationURL());
    Q_EMIT statusText(QString());
    Q_EMIT progressPercent(LoadPercent);
    Q_EMIT securityIcon(IsSecure ? 2 : -1);
}

void DocumentWindow::Form_Deactivate() {
    IsActive = false;
    m_host.documents().setActive(DocIndex(), false);
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void DocumentWindow::Form_Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    IsClosing = true;
    AppSettings& app = appSettings();
    app.OpenDocCount = app.OpenDocCount > 0 ? app.OpenDocCount - 1 : 0;
    m_highlight->stop();
    m_browser->widget()->hide();
    // The later documents are renumbered before this row and tab go.
    m_host.documents().remove(DocIndex());
    Q_EMIT statusText(QString());
    Q_EMIT progressPercent(0);
    m_host.ModifyMenu();
}

void DocumentWindow::WebBrowser1_StatusTextChange(const QString& text) {
    if (IsActive)
        Q_EMIT statusText(text);
}

void DocumentWindow::WebBrowser1_TitleChange(const QString& text) {
    setWindowTitle(text);
    DocumentSet& set = m_host.documents();
    const int index = DocIndex();
    set.setRowText(index, text);
    set.setTabToolTip(index, text);
    set.ModifyTabCaption(index, text);
}

void DocumentWindow::WebBrowser1_ProgressChange(int progress, int progressMax) {
    const std::optional<int> percent = loadPercent(progress, progressMax);
    if (!percent)
        return;
    LoadPercent = static_cast<qint16>(*percent);
    DocumentSet& set = m_host.documents();
    const int index = DocIndex();

    if (progressMax != 0) {
        if (IsActive)
            Q_EMIT progressPercent(LoadPercent);
        set.setStatus(index, QString::number(LoadPercent) + QLatin1Char('%'));
        set.setTabIcon(index, loadingIcon(LoadPercent, set.isShrunk(index), set.tabIcon(index)));
        m_host.startLoadingAnimation();
        IsLoading = true;
        return;
    }

    Form_Resize();
    if (IsActive)
        Q_EMIT progressPercent(0);
    set.setStatus(index, QStringLiteral("Completed"));
    set.setTabIcon(index, loadedIcon(set.isShrunk(index)));
    if (!IsActive)
        m_highlight->start();
    if (!m_host.AddressBarHasFocus() && IsActive)
        Q_EMIT addressText(m_browser->LocationURL());
    m_host.stopLoadingAnimation();
    IsLoading = false;
    m_finishedOnce = true;
    Q_EMIT loadFinished();
}

void DocumentWindow::Highlight_Timer() {
    DocumentSet& set = m_host.documents();
    const int index = DocIndex();
    set.setTabIcon(index, highlightFlip(set.tabIcon(index)));
    ++m_highlightCount;
    if (m_highlightCount == 8 || IsActive) {
        m_highlight->stop();
        m_highlightCount = 0;
        set.setTabIcon(index, highlightEnd(set.tabIcon(index)));
    }
}

void DocumentWindow::WebBrowser1_BeforeNavigate2(NavigationRequest* request) {
    Q_UNUSED(request);
    // The blocked-sites check of a first navigation (popup blocker on) belongs here.
    FirstNavigation = false;
    IsLoading = true;
    Form_Resize();
}

void DocumentWindow::WebBrowser1_NewWindow2(NewWindowRequest* request) {
    if (!appSettings().popUpEnabled && (IsLoading || IsClosing)) {
        // A popup of a loading or closing page: dropped. (Its sound and flashing panel come
        // with the popup blocker.)
        request->cancel = true;
        return;
    }
    DocumentWindow* window = m_host.openRequestedWindow();
    request->target = window ? window->WebBrowser1() : nullptr;
}

void DocumentWindow::WebBrowser1_WindowClosing(bool isChildWindow) {
    Q_UNUSED(isChildWindow);
    // Not inside the engine's own signal: the engine may not be deleted under it.
    QTimer::singleShot(0, this, &DocumentWindow::closeDocument);
}

void DocumentWindow::closeDocument() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void DocumentWindow::bringToFront() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (sub && sub->mdiArea()) {
        sub->mdiArea()->setActiveSubWindow(sub);
        sub->raise();
    }
}

void DocumentWindow::WebBrowser1_SetSecureLockIcon(int secureLockIcon) {
    IsSecure = secureLockIcon != 0;
    if (IsActive)
        Q_EMIT securityIcon(IsSecure ? 2 : -1);
}

} // namespace kelvane
