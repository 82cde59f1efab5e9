#include "platform/engine/webengine.h"

#include "platform/engine/internetoptions.h"
#include "platform/engine/pageproperties.h"
#include "platform/engine/webengineprofile.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QWebEngineCertificateError>
#include <QWebEngineFindTextResult>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cmath>

namespace kelvane {

namespace {

// Refresh2 levels: a normal reload, and one that fetches everything again.
constexpr int kRefreshNormal = 0;
constexpr int kRefreshCompletely = 3;

// The page of a QtWebBrowser: navigation requests become BeforeNavigate2, and the page's
// script dialogs stay quiet while the browser is silent.
class WebPage : public QWebEnginePage {
public:
    WebPage(QWebEngineProfile* profile, QtWebBrowser* browser, QObject* parent)
        : QWebEnginePage(profile, parent)
        , m_browser(browser) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (!m_browser)
            return true;
        NavigationRequest request;
        request.url = url.toString();
        request.isMainFrame = isMainFrame;
        Q_EMIT m_browser->BeforeNavigate2(&request);
        return !request.cancel;
    }

    void javaScriptAlert(const QUrl& origin, const QString& message) override {
        if (!silent())
            QWebEnginePage::javaScriptAlert(origin, message);
    }

    bool javaScriptConfirm(const QUrl& origin, const QString& message) override {
        return !silent() && QWebEnginePage::javaScriptConfirm(origin, message);
    }

    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& value,
                          QString* result) override {
        return !silent() && QWebEnginePage::javaScriptPrompt(origin, message, value, result);
    }

private:
    bool silent() const { return m_browser && m_browser->isSilent(); }

    QPointer<QtWebBrowser> m_browser;
};

QWebEngineDownloadRequest::SavePageFormat formatForFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mht") || suffix == QLatin1String("mhtml"))
        return QWebEngineDownloadRequest::MimeHtmlSaveFormat;
    return QWebEngineDownloadRequest::CompleteHtmlSaveFormat;
}

// A file name made of the page title, without characters that file systems refuse.
QString suggestedFileName(const QString& title) {
    QString name = title.simplified();
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("page"));
    return name.left(100) + QStringLiteral(".html");
}

} // namespace

int QtWebBrowser::zoomLevelForFactor(double factor) {
    int best = kZoomLevelMedium;
    for (int level = kZoomLevelMin; level <= kZoomLevelMax; ++level) {
        if (std::abs(kZoomFactors[level] - factor) < std::abs(kZoomFactors[best] - factor))
            best = level;
    }
    return best;
}

QtWebBrowser::QtWebBrowser(QWidget* parent)
    : WebBrowser(parent) {
    m_container = new QStackedWidget(parent);
    m_view = new QWebEngineView(m_container);
    auto* page = new WebPage(WebEngineProfile::profile(), this, m_view);
    m_view->setPage(page);
    m_page = page;
    WebEngineProfile::registerPage(page);
    m_container->addWidget(m_view);
    m_container->setFocusProxy(m_view);

    // Should the view go first (with its parent), its page raises nothing while it dies.
    connect(m_view, &QObject::destroyed, this, [this] {
        if (m_page)
            m_page->disconnect(this);
    });

    connect(page, &QWebEnginePage::loadStarted, this, &QtWebBrowser::onLoadStarted);
    connect(page, &QWebEnginePage::loadProgress, this,
            [this](int progress) { Q_EMIT ProgressChange(progress, 100); });
    connect(page, &QWebEnginePage::loadFinished, this, &QtWebBrowser::onLoadFinished);
    connect(page, &QWebEnginePage::titleChanged, this, &WebBrowser::TitleChange);
    connect(page, &QWebEnginePage::linkHovered, this, &WebBrowser::StatusTextChange);
    connect(page, &QWebEnginePage::urlChanged, this, &QtWebBrowser::raiseSecureLockIcon);
    connect(page, &QWebEnginePage::certificateError, this,
            [this](const QWebEngineCertificateError&) { m_certificateError = true; });
    // Queued: the handler may close the document and delete this page, which must not happen
    // inside the page's own signal.
    connect(
        page, &QWebEnginePage::windowCloseRequested, this, [this] { Q_EMIT WindowClosing(false); },
        Qt::QueuedConnection);
    connect(page, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& engineRequest) {
                NewWindowRequest request;
                request.url = engineRequest.requestedUrl().toString();
                request.userInitiated = engineRequest.isUserInitiated();
                Q_EMIT NewWindow2(&request);
                // Not opening the request drops it.
                auto* target = qobject_cast<QtWebBrowser*>(request.target);
                if (!request.cancel && target && target != this && target->page())
                    engineRequest.openIn(target->page());
            });
    connect(page, &QWebEnginePage::findTextFinished, this,
            [this](const QWebEngineFindTextResult& result) {
                Q_EMIT FindResult(result.activeMatch(), result.numberOfMatches());
            });
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                onRenderProcessTerminated(status);
            });
}

QtWebBrowser::~QtWebBrowser() {
    if (m_page)
        m_page->disconnect(this);
    // The view owns the page; the page must go before the profile, which outlives us.
    delete m_container.data();
}

QWidget* QtWebBrowser::widget() {
    return m_container;
}

QWebEnginePage* QtWebBrowser::page() const {
    return m_page;
}

bool QtWebBrowser::isShowingCrashPage() const {
    return m_container && m_crashPanel && m_container->currentWidget() == m_crashPanel;
}

void QtWebBrowser::Navigate(const QString& text) {
    if (!m_page)
        return;
    const QString trimmed = text.trimmed();
    // A relative path names a file of the current folder only when that file exists.
    const QUrl url = trimmed.isEmpty() ? QUrl(QStringLiteral("about:blank"))
                                       : QUrl::fromUserInput(trimmed, QDir::currentPath());
    if (url.isValid())
        m_page->load(url);
}

void QtWebBrowser::GoBack() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Back);
}

void QtWebBrowser::GoForward() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Forward);
}

void QtWebBrowser::Stop() {
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Stop);
}

void QtWebBrowser::Refresh() {
    Refresh2(kRefreshNormal);
}

void QtWebBrowser::Refresh2(int level) {
    if (isShowingCrashPage())
        reloadCrashedPage();
    else if (m_page)
        m_page->triggerAction(level == kRefreshCompletely ? QWebEnginePage::ReloadAndBypassCache
                                                          : QWebEnginePage::Reload);
}

QVariant QtWebBrowser::ExecWB(EngineCommand command, CommandOption option, const QVariant& input) {
    if (!m_page)
        return {};
    const bool prompt = option != CommandOption::DontPromptUser;
    switch (command) {
    case EngineCommand::SaveAs:
        saveAs(option, input);
        break;
    case EngineCommand::Print:
        print(input);
        break;
    case EngineCommand::PrintPreview:
        if (prompt)
            printPreview();
        break;
    case EngineCommand::PageSetup:
        if (prompt)
            pageSetup();
        break;
    case EngineCommand::Properties:
        if (prompt)
            showProperties();
        break;
    case EngineCommand::SelectAll:
        m_page->triggerAction(QWebEnginePage::SelectAll);
        break;
    case EngineCommand::Zoom:
        return zoom(input);
    }
    return {};
}

QString QtWebBrowser::LocationURL() const {
    if (isShowingCrashPage())
        return m_crashedUrl.toString();
    return m_page ? m_page->url().toString() : QString();
}

QString QtWebBrowser::LocationName() const {
    return m_page ? m_page->title() : QString();
}

void QtWebBrowser::setSilent(bool silent) {
    m_silent = silent;
}

void QtWebBrowser::setRegisterAsBrowser(bool) {
    // Nothing to register: other windows reach this engine only through its document.
}

void QtWebBrowser::Find(const QString& text, bool backward) {
    if (!m_page)
        return;
    m_page->findText(text, backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

void QtWebBrowser::onLoadStarted() {
    m_loading = true;
    m_certificateError = false;
    if (isShowingCrashPage())
        m_container->setCurrentWidget(m_view);
    Q_EMIT ProgressChange(0, 100);
}

void QtWebBrowser::onLoadFinished() {
    m_loading = false;
    Q_EMIT ProgressChange(0, 0);
    raiseSecureLockIcon();
}

bool QtWebBrowser::isSecure() const {
    return m_page && m_page->url().scheme() == QLatin1String("https") && !m_certificateError;
}

void QtWebBrowser::raiseSecureLockIcon() {
    Q_EMIT SetSecureLockIcon(isSecure() ? 1 : 0);
}

void QtWebBrowser::onRenderProcessTerminated(int status) {
    if (status == QWebEnginePage::NormalTerminationStatus || !m_page || !m_container)
        return;
    m_crashedUrl = m_page->url().isEmpty() ? m_page->requestedUrl() : m_page->url();

    if (!m_crashPanel) {
        m_crashPanel = new QWidget(m_container);
        m_crashPanel->setObjectName(QStringLiteral("crashPanel"));
        auto* layout = new QVBoxLayout(m_crashPanel);
        auto* heading = new QLabel(tr("This page stopped working."), m_crashPanel);
        QFont font = heading->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.5);
        heading->setFont(font);
        auto* address = new QLabel(m_crashPanel);
        address->setObjectName(QStringLiteral("crashedAddress"));
        // The address comes from the web: never let it be read as markup.
        address->setTextFormat(Qt::PlainText);
        address->setWordWrap(true);
        address->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* reload = new QPushButton(tr("Reload the page"), m_crashPanel);
        reload->setObjectName(QStringLiteral("reloadCrashedPage"));
        connect(reload, &QPushButton::clicked, this, &QtWebBrowser::reloadCrashedPage);
        layout->addStretch();
        layout->addWidget(heading, 0, Qt::AlignHCenter);
        layout->addWidget(address, 0, Qt::AlignHCenter);
        layout->addWidget(reload, 0, Qt::AlignHCenter);
        layout->addStretch();
        m_container->addWidget(m_crashPanel);
    }
    if (auto* address = m_crashPanel->findChild<QLabel*>(QStringLiteral("crashedAddress")))
        address->setText(m_crashedUrl.toString());
    m_container->setCurrentWidget(m_crashPanel);

    // A load cut short by the crash still has to end for whoever shows its progress.
    if (m_loading) {
        m_loading = false;
        Q_EMIT ProgressChange(0, 0);
    }
}

void QtWebBrowser::reloadCrashedPage() {
    if (!m_page)
        return;
    if (m_crashedUrl.isValid())
        m_page->load(m_crashedUrl);
    else
        m_page->triggerAction(QWebEnginePage::Reload);
}

QVariant QtWebBrowser::zoom(const QVariant& input) {
    if (!m_view)
        return {};
    if (!input.isValid() || input.isNull())
        return zoomLevelForFactor(m_view->zoomFactor());
    bool ok = false;
    const int level = input.toInt(&ok);
    // Stepping and clamping are the caller's; a level out of range is a failed call.
    if (ok && level >= kZoomLevelMin && level <= kZoomLevelMax)
        m_view->setZoomFactor(kZoomFactors[level]);
    return {};
}

void QtWebBrowser::saveAs(CommandOption option, const QVariant& input) {
    QString path = input.toString();
    QWebEngineDownloadRequest::SavePageFormat format = formatForFile(path);
    if (path.isEmpty()) {
        if (option == CommandOption::DontPromptUser)
            return;
        const QString complete = tr("Web page, complete (*.htm *.html)");
        const QString htmlOnly = tr("Web page, HTML only (*.htm *.html)");
        const QString archive = tr("Web archive, single file (*.mht *.mhtml)");
        QString selected = complete;
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        const QPointer<QtWebBrowser> self(this);
        path = QFileDialog::getSaveFileName(
            m_view, tr("Save As"), folder + QLatin1Char('/') + suggestedFileName(LocationName()),
            complete + QStringLiteral(";;") + htmlOnly + QStringLiteral(";;") + archive, &selected);
        if (!self || path.isEmpty() || !m_page)
            return;
        if (selected == archive)
            format = QWebEngineDownloadRequest::MimeHtmlSaveFormat;
        else if (selected == htmlOnly)
            format = QWebEngineDownloadRequest::SingleHtmlSaveFormat;
        else
            format = QWebEngineDownloadRequest::CompleteHtmlSaveFormat;
    }
    m_page->save(path, format);
}

QPrinter* QtWebBrowser::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Sharp on paper, and the preview still paints in moments.
        m_printer->setResolution(300);
    }
    return m_printer.get();
}

bool QtWebBrowser::printDocument(QPrinter* target) {
    if (!m_view || !m_page || !target || m_printing || isShowingCrashPage())
        return false;
    m_printing = true;
    const QPointer<QtWebBrowser> self(this);

    // Printing in this engine is asynchronous; the caller expects it done on return.
    QEventLoop loop;
    bool finished = false;
    bool result = false;
    const auto finish = [&](bool ok) {
        finished = true;
        result = ok;
        loop.quit();
    };
    connect(m_view, &QWebEngineView::printFinished, &loop, finish);
    connect(m_view, &QObject::destroyed, &loop, [&] { finish(false); });
    connect(m_page, &QWebEnginePage::renderProcessTerminated, &loop, [&] { finish(false); });
    m_view->print(target);
    if (!finished)
        loop.exec();

    if (self)
        m_printing = false;
    return result;
}

void QtWebBrowser::print(const QVariant& input) {
    QPrinter* target = input.value<QPrinter*>();
    printDocument(target ? target : printer());
}

void QtWebBrowser::printPreview() {
    const QPointer<QPrintPreviewDialog> dialog = new QPrintPreviewDialog(printer(), m_view);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { printDocument(target); });
    dialog->exec();
    delete dialog.data();
}

void QtWebBrowser::pageSetup() {
    const QPointer<QPageSetupDialog> dialog = new QPageSetupDialog(printer(), m_view);
    dialog->exec();
    delete dialog.data();
}

void QtWebBrowser::showProperties() {
    const QPointer<PageProperties> dialog =
        new PageProperties(LocationName(), QUrl(LocationURL()), isSecure(), m_view);
    dialog->exec();
    delete dialog.data();
}

// --- QtCustomizer -------------------------------------------------------------------------

QtCustomizer::QtCustomizer(QtWebBrowser* browser)
    : m_browser(browser) {}

namespace {

QWebEngineHistory* historyOf(const QPointer<QtWebBrowser>& browser) {
    return browser && browser->page() ? browser->page()->history() : nullptr;
}

} // namespace

int QtCustomizer::BackCount() const {
    const QWebEngineHistory* history = historyOf(m_browser);
    return history && history->count() > 0 ? qMax(0, history->currentItemIndex()) : 0;
}

int QtCustomizer::ForwardCount() const {
    const QWebEngineHistory* history = historyOf(m_browser);
    if (!history || history->count() == 0)
        return 0;
    return qMax(0, history->count() - history->currentItemIndex() - 1);
}

bool QtCustomizer::GetHistoryElement(bool isBack, int index, QString& title, QString& url) const {
    const QWebEngineHistory* history = historyOf(m_browser);
    if (!history || index < 1 || index > (isBack ? BackCount() : ForwardCount()))
        return false;
    const int position = history->currentItemIndex() + (isBack ? -index : index);
    const QWebEngineHistoryItem item = history->itemAt(position);
    if (!item.isValid())
        return false;
    url = item.url().toString();
    title = item.title().isEmpty() ? url : item.title();
    return true;
}

void QtCustomizer::ShowInternetOptions(QWidget* parent) {
    const QPointer<InternetOptions> dialog = new InternetOptions(parent);
    dialog->exec();
    delete dialog.data();
}

void QtCustomizer::ViewSource() {
    // The engine's own action asks for a new window on "view-source:" + address, so the
    // source arrives through NewWindow2 like any other new window.
    if (m_browser && m_browser->page() && !m_browser->page()->url().isEmpty())
        m_browser->page()->triggerAction(QWebEnginePage::ViewSource);
}

// --- QtEngineFactory ----------------------------------------------------------------------

WebBrowser* QtEngineFactory::createBrowser(QWidget* parent) {
    return new QtWebBrowser(parent);
}

std::unique_ptr<Customizer> QtEngineFactory::createCustomizer(WebBrowser* browser) {
    return std::make_unique<QtCustomizer>(qobject_cast<QtWebBrowser*>(browser));
}

void QtEngineFactory::CleanHistory() {
    WebEngineProfile::CleanHistory();
}

} // namespace kelvane
