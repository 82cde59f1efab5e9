#include "fakes/fakeengine.h"

namespace kelvane::test {

FakeWebBrowser::FakeWebBrowser(QWidget* parent)
    : WebBrowser(parent)
    , m_widget(new QWidget(parent)) {
    m_widget->setObjectName(QStringLiteral("fakeWebBrowserView"));
}

FakeWebBrowser::~FakeWebBrowser() {
    delete m_widget.data();
}

QWidget* FakeWebBrowser::widget() {
    return m_widget;
}

void FakeWebBrowser::Navigate(const QString& url) {
    m_navigated.append(url);
}

QVariant FakeWebBrowser::ExecWB(EngineCommand command, CommandOption option,
                                const QVariant& input) {
    m_execCalls.append({command, option, input});
    if (command != EngineCommand::Zoom)
        return {};
    if (!input.isValid() || input.isNull())
        return m_zoomLevel;
    bool ok = false;
    const int level = input.toInt(&ok);
    if (ok && level >= kZoomLevelMin && level <= kZoomLevelMax)
        m_zoomLevel = level;
    return {};
}

QList<FakeWebBrowser::ExecCall> FakeWebBrowser::execCalls(EngineCommand command) const {
    QList<ExecCall> calls;
    for (const ExecCall& call : m_execCalls) {
        if (call.command == command)
            calls.append(call);
    }
    return calls;
}

void FakeWebBrowser::clearRecords() {
    m_navigated.clear();
    m_goBackCount = m_goForwardCount = m_stopCount = m_refreshCount = 0;
    m_refresh2Levels.clear();
    m_execCalls.clear();
    m_internetOptionsCount = m_viewSourceCount = 0;
    m_findCalls.clear();
}

bool FakeWebBrowser::fireBeforeNavigate(const QString& url, bool isMainFrame) {
    NavigationRequest request;
    request.url = url;
    request.isMainFrame = isMainFrame;
    Q_EMIT BeforeNavigate2(&request);
    return request.cancel;
}

NewWindowRequest FakeWebBrowser::fireNewWindow(const QString& url, bool userInitiated) {
    NewWindowRequest request;
    request.url = url;
    request.userInitiated = userInitiated;
    Q_EMIT NewWindow2(&request);
    return request;
}

void FakeWebBrowser::fireProgress(int progress, int progressMax) {
    Q_EMIT ProgressChange(progress, progressMax);
}

void FakeWebBrowser::fireTitle(const QString& title) {
    Q_EMIT TitleChange(title);
}

void FakeWebBrowser::fireStatusText(const QString& text) {
    Q_EMIT StatusTextChange(text);
}

void FakeWebBrowser::fireWindowClosing(bool isChildWindow) {
    Q_EMIT WindowClosing(isChildWindow);
}

void FakeWebBrowser::fireSecureLock(int secureLockIcon) {
    Q_EMIT SetSecureLockIcon(secureLockIcon);
}

void FakeWebBrowser::fireFindResult(int activeMatch, int matchCount) {
    Q_EMIT FindResult(activeMatch, matchCount);
}

// --- FakeCustomizer -----------------------------------------------------------------------

FakeCustomizer::FakeCustomizer(FakeWebBrowser* browser)
    : m_browser(browser) {}

int FakeCustomizer::BackCount() const {
    return m_browser ? m_browser->m_backList.size() : 0;
}

int FakeCustomizer::ForwardCount() const {
    return m_browser ? m_browser->m_forwardList.size() : 0;
}

bool FakeCustomizer::GetHistoryElement(bool isBack, int index, QString& title, QString& url) const {
    if (!m_browser)
        return false;
    const QList<FakeWebBrowser::HistoryEntry>& list =
        isBack ? m_browser->m_backList : m_browser->m_forwardList;
    if (index < 1 || index > list.size())
        return false;
    title = list[index - 1].title;
    url = list[index - 1].url;
    return true;
}

void FakeCustomizer::ShowInternetOptions(QWidget*) {
    if (m_browser)
        ++m_browser->m_internetOptionsCount;
}

void FakeCustomizer::ViewSource() {
    if (!m_browser)
        return;
    ++m_browser->m_viewSourceCount;
    if (!m_browser->LocationURL().isEmpty())
        m_browser->fireNewWindow(QStringLiteral("view-source:") + m_browser->LocationURL());
}

// --- FakeEngineFactory --------------------------------------------------------------------

WebBrowser* FakeEngineFactory::createBrowser(QWidget* parent) {
    ++m_createdCount;
    return new FakeWebBrowser(parent);
}

std::unique_ptr<Customizer> FakeEngineFactory::createCustomizer(WebBrowser* browser) {
    return std::make_unique<FakeCustomizer>(qobject_cast<FakeWebBrowser*>(browser));
}

} // namespace kelvane::test
