#include "fakes/fakeengine.h"

namespace kelvane::test {

FakeEngine::FakeEngine(QWidget* parent)
    : Engine(parent)
    , m_widget(new QWidget(parent)) {}

FakeEngine::~FakeEngine() {
    delete m_widget.data();
}

void FakeEngine::navigate(const QString& text) {
    log(QStringLiteral("navigate ") + text);
}

QStringList FakeEngine::navigated() const {
    QStringList texts;
    for (const QString& call : m_calls) {
        if (call.startsWith(QLatin1String("navigate ")))
            texts.append(call.mid(9));
    }
    return texts;
}

void FakeEngine::reload(bool bypassCache) {
    log(bypassCache ? QStringLiteral("reload bypassCache") : QStringLiteral("reload"));
}

void FakeEngine::setZoomLevel(int level) {
    log(QStringLiteral("zoom %1").arg(level));
    if (level >= kZoomLevelMin && level <= kZoomLevelMax)
        m_zoomLevel = level;
}

void FakeEngine::viewSource() {
    log(QStringLiteral("viewSource"));
    if (!m_url.isEmpty())
        fireNewWindow(QStringLiteral("view-source:") + m_url);
}

void FakeEngine::find(const QString& text, bool backward) {
    log((backward ? QStringLiteral("findBackward ") : QStringLiteral("find ")) + text);
}

std::optional<HistoryEntry> FakeEngine::historyEntry(bool back, int index) const {
    const QList<HistoryEntry>& list = back ? m_back : m_forward;
    if (index < 1 || index > list.size())
        return std::nullopt;
    return list[index - 1];
}

void FakeEngine::setHistory(const QList<HistoryEntry>& back, const QList<HistoryEntry>& forward) {
    m_back = back;
    m_forward = forward;
}

bool FakeEngine::fireNavigation(const QString& url, bool isMainFrame) {
    NavigationRequest request{url, isMainFrame, false};
    Q_EMIT navigationRequested(&request);
    return request.cancel;
}

NewWindowRequest FakeEngine::fireNewWindow(const QString& url, bool userInitiated) {
    NewWindowRequest request{url, userInitiated, nullptr, false};
    Q_EMIT newWindowRequested(&request);
    return request;
}

void FakeEngine::fireTitle(const QString& title) {
    m_title = title;
    Q_EMIT titleChanged(title);
}

Engine* FakeEngineFactory::createEngine(QWidget* parent) {
    ++m_createdCount;
    return new FakeEngine(parent);
}

} // namespace kelvane::test
