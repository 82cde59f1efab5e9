#include "downloads/downloaditem.h"

#include "base/stringtable.h"
#include "platform/engine/engineservices.h"

#include <QFile>
#include <QFileInfo>

namespace kelvane {

namespace {

// The reasons' texts follow the order of Download::Failure, from NetworkFailed on.
constexpr int kFirstReasonId = 5030;
constexpr int kKeptAsPartId = 5046;

QString reasonText(Download::Failure failure) {
    const int index =
        failure == Download::Failure::None ? int(Download::Failure::Other) - 1 : int(failure) - 1;
    return tableString(kFirstReasonId + index);
}

DownloadItem::State stateOf(DownloadRecord::Outcome outcome) {
    switch (outcome) {
    case DownloadRecord::Outcome::Completed:
        return DownloadItem::State::Completed;
    case DownloadRecord::Outcome::Failed:
        return DownloadItem::State::Failed;
    case DownloadRecord::Outcome::Cancelled:
        break;
    }
    return DownloadItem::State::Cancelled;
}

} // namespace

DownloadItem::DownloadItem(const DownloadRecord& record, QObject* parent)
    : QObject(parent)
    , m_record(record)
    , m_state(stateOf(record.outcome))
    , m_received(qMax(record.bytes, qint64(0)))
    , m_total(record.outcome == DownloadRecord::Outcome::Completed ? record.bytes : -1) {}

DownloadItem::DownloadItem(Download* download, const DownloadTarget& target, DownloadNames& names,
                           QObject* parent)
    : QObject(parent)
    , m_offTheRecord(download->isOffTheRecord()) {
    m_record.url = download->url();
    restart(download, target, names);
}

QString DownloadItem::fileName() const {
    return QFileInfo(m_record.path).fileName();
}

void DownloadItem::restart(Download* download, const DownloadTarget& target, DownloadNames& names) {
    discard();
    m_record.path = target.finalPath;
    m_record.reason.clear();
    m_target = target;
    m_names = &names;
    m_received = download->receivedBytes();
    m_total = download->totalBytes();
    m_rate.clear();
    m_clock.start();
    m_state = State::Running;
    m_download = download;
    m_partialFiles = download->partialFiles();
    connect(download, &Download::progressed, this, [this] {
        if (!m_download || !isActive())
            return;
        m_received = m_download->receivedBytes();
        m_total = m_download->totalBytes();
        m_rate.note(m_clock.elapsed(), m_received);
        Q_EMIT changed();
    });
    connect(download, &Download::stateChanged, this, &DownloadItem::followEngine);
    // The engine dropped it: whatever it wrote is not a download any more.
    connect(download, &QObject::destroyed, this,
            [this] { isActive() ? finish(State::Cancelled) : discard(); });
    Q_EMIT changed();
    followEngine();
}

bool DownloadItem::continueFailed() {
    if (m_state != State::Failed || !m_download || !m_download->canResume())
        return false;
    m_record.reason.clear();
    m_rate.clear();
    m_clock.start();
    m_state = State::Running;
    m_download->resume();
    Q_EMIT changed();
    return true;
}

void DownloadItem::discard() {
    if (isActive())
        return;
    discardPartial();
    if (m_names)
        m_names->release(m_target);
    // The engine's download, kept for a retry, goes with its files.
    if (m_download)
        m_download->disconnect(this), m_download->cancel();
    m_download = nullptr;
}

void DownloadItem::tick() {
    if (!isActive())
        return;
    m_rate.note(m_clock.elapsed(), m_received);
    Q_EMIT changed();
}

void DownloadItem::pause() {
    if (m_download && m_state == State::Running)
        m_download->pause();
}

void DownloadItem::resume() {
    if (m_download && m_state == State::Paused)
        m_download->resume();
}

void DownloadItem::cancel() {
    if (!isActive())
        return;
    if (m_download)
        m_download->cancel();
    // The engine may say so later; the files go now, so that a close right after leaves none.
    if (isActive())
        finish(State::Cancelled);
}

void DownloadItem::followEngine() {
    if (!m_download || !isActive())
        return;
    switch (m_download->state()) {
    case Download::State::Requested:
        return;
    case Download::State::Running: {
        const State now = m_download->isPaused() ? State::Paused : State::Running;
        if (now != m_state) {
            m_state = now;
            m_rate.clear();
            Q_EMIT changed();
        }
        return;
    }
    case Download::State::Completed:
        m_received = m_download->receivedBytes();
        complete();
        return;
    case Download::State::Cancelled:
        finish(State::Cancelled);
        return;
    case Download::State::Failed:
        fail(reasonText(m_download->failure()));
        return;
    }
}

void DownloadItem::complete() {
    // Fewer bytes than the server announced: it ended early, whatever the engine says.
    if (m_total > 0 && m_received < m_total)
        return fail(reasonText(Download::Failure::NetworkFailed));
    if (!m_target.partPath.isEmpty()) {
        const DownloadNames::Move moved = m_names->moveIntoPlace(m_target);
        m_record.path = moved.path;
        if (moved.error) {
            // The file is whole: it stays under its part name rather than go.
            m_partialFiles.clear();
            return fail(tableString(kKeptAsPartId).arg(QFileInfo(moved.path).fileName()));
        }
    }
    // The size on disk: a page saved with its files counts files, not bytes, as it runs.
    if (const QFileInfo file(m_record.path); file.isFile())
        m_received = file.size();
    m_total = m_received;
    finish(State::Completed);
}

void DownloadItem::fail(const QString& reason) {
    m_record.reason = reason;
    finish(State::Failed);
}

void DownloadItem::finish(State state) {
    m_state = state;
    m_record.outcome = state == State::Completed ? DownloadRecord::Outcome::Completed
                       : state == State::Failed  ? DownloadRecord::Outcome::Failed
                                                 : DownloadRecord::Outcome::Cancelled;
    m_record.finished = QDateTime::currentDateTimeUtc();
    // A failed or cancelled download keeps the size it reached.
    m_record.bytes = m_received;
    // What the engine can continue stays, files and names, for a retry.
    if (state != State::Failed || !m_download || !m_download->canResume()) {
        if (state == State::Completed)
            m_partialFiles.clear();
        if (m_download)
            m_download->disconnect(this);
        m_download = nullptr;
        discard();
    }
    Q_EMIT changed();
    Q_EMIT finished();
}

void DownloadItem::discardPartial() {
    for (const QString& file : std::as_const(m_partialFiles))
        QFile::remove(file);
    m_partialFiles.clear();
}

} // namespace kelvane
