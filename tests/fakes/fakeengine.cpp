#include "fakes/fakeengine.h"

#include <QDataStream>
#include <QRegularExpression>

namespace kelvane::test {

void FakeEngine::setZoomLevel(int level) {
    log(QStringLiteral("zoom %1").arg(level));
    if (level >= kZoomLevelMin && level <= kZoomLevelMax)
        m_zoomLevel = level;
}

void FakeEngine::viewSource() {
    log("viewSource");
    if (!m_url.isEmpty())
        fireNewWindow("view-source:" + m_url);
}

void FakeEngine::setLifecycle(PageLifecycle state) {
    if (m_lifecycle == PageLifecycle::Discarded && state == PageLifecycle::Frozen)
        return;
    state = m_activity.typedText ? std::min(state, PageLifecycle::Frozen) : state;
    log(QStringLiteral("lifecycle ") + QStringList{"Active", "Frozen", "Discarded"}[int(state)]);
    if (state != m_lifecycle)
        Q_EMIT lifecycleChanged(m_lifecycle = state);
}

bool FakeEngine::releasePage() {
    if (m_offTheRecord)
        return false;
    log("releasePage");
    m_released = true;
    m_url.clear(), m_title.clear(), m_back.clear(), m_forward.clear();
    return true;
}

std::optional<HistoryEntry> FakeEngine::historyEntry(bool back, int index) const {
    const QList<HistoryEntry>& list = back ? m_back : m_forward;
    return index < 1 || index > list.size() ? std::nullopt : std::optional(list[index - 1]);
}

QByteArray FakeEngine::historyState() const {
    QByteArray state;
    QDataStream out(&state, QIODevice::WriteOnly);
    out << QByteArray("fake history") << m_url << m_title << qint32(m_back.size());
    for (const QList<HistoryEntry>* list : {&m_back, &m_forward}) {
        for (const HistoryEntry& entry : *list)
            out << entry.title << entry.url;
        out << qint32(m_forward.size());
    }
    return state;
}

bool FakeEngine::restoreHistory(const QByteArray& state) {
    QDataStream in(state);
    QByteArray mark;
    QString url, title;
    QList<HistoryEntry> lists[2];
    qint32 size = 0;
    in >> mark >> url >> title >> size;
    for (QList<HistoryEntry>& list : lists) {
        for (HistoryEntry entry; size-- > 0 && in.status() == QDataStream::Ok;)
            in >> entry.title >> entry.url, list.append(entry);
        in >> size;
    }
    if (mark != "fake history" || in.status() != QDataStream::Ok)
        return false;
    log("restoreHistory " + url);
    startPage();
    m_url = url;
    fireTitle(title);
    setHistory(lists[0], lists[1]);
    return true;
}

QStringList FakeEngine::navigated() const {
    static const QRegularExpression navigate("^navigate ");
    return QStringList(m_calls.filter(navigate)).replaceInStrings(navigate, QString());
}

NewWindowRequest FakeEngine::fireNewWindow(const QString& url, bool userInitiated) {
    NewWindowRequest request{url, userInitiated, nullptr, false};
    Q_EMIT newWindowRequested(&request);
    return request;
}

std::shared_ptr<std::optional<bool>>
FakeEngine::fireCertificateError(const CertificateError& error) {
    auto answer = std::make_shared<std::optional<bool>>();
    Q_EMIT certificateErrorRaised(
        error, Reply<bool>([answer](bool proceed) { *answer = proceed; }, false));
    return answer;
}

void FakeDownload::start(const QString& path) {
    log("start " + path);
    m_path = path;
    setState(State::Running);
}

void FakeEngineServices::fireDownload(FakeDownload* download) {
    Q_EMIT downloadRequested(download);
    if (download->state() == Download::State::Requested)
        download->cancel();
}

} // namespace kelvane::test
