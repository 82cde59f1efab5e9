#include "downloads/downloaditem.h"

#include "base/stringtable.h"
#include "platform/engine/engineservices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace kelvane {

namespace {

// The reasons' texts follow the order of Download::Failure, from NetworkFailed on.
constexpr int kFirstReasonId = 5030;
constexpr int kRenameTries = 5;

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

bool DownloadItem::isTaken(const QString& path) {
    const QFileInfo file(path);
    return file.exists() || file.isSymLink();
}

DownloadItem::DownloadItem(const DownloadRecord& record, QObject* parent)
    : QObject(parent)
    , m_record(record)
    , m_state(stateOf(record.outcome))
    , m_received(record.outcome == DownloadRecord::Outcome::Completed ? record.bytes : 0) {}

DownloadItem::DownloadItem(Download* download, const DownloadTarget& target, QObject* parent)
    : QObject(parent) {
    m_record.url = download->url();
    restart(download, target);
}

QString DownloadItem::fileName() const {
    return QFileInfo(m_record.path).fileName();
}

void DownloadItem::restart(Download* download, const DownloadTarget& target) {
    m_record.path = target.finalPath;
    m_record.bytes = download->totalBytes();
    m_record.reason.clear();
    m_target = target;
    m_received = download->receivedBytes();
    m_rate.clear();
    m_clock.start();
    m_state = State::Running;
    m_download = download;
    m_partialFiles = download->partialFiles();
    connect(download, &Download::progressed, this, [this] {
        if (!m_download || !isActive())
            return;
        m_received = m_download->receivedBytes();
        m_record.bytes = m_download->totalBytes();
        m_rate.note(m_clock.elapsed(), m_received);
        Q_EMIT changed();
    });
    connect(download, &Download::stateChanged, this, &DownloadItem::followEngine);
    // The engine dropped it: whatever it wrote is not a download any more.
    connect(download, &QObject::destroyed, this, [this] {
        if (isActive()) {
            discardPartial();
            finish(State::Cancelled);
        }
    });
    Q_EMIT changed();
    followEngine();
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
    if (isActive()) {
        discardPartial();
        finish(State::Cancelled);
    }
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
        discardPartial();
        finish(State::Cancelled);
        return;
    case Download::State::Failed:
        fail(reasonText(m_download->failure()));
        return;
    }
}

void DownloadItem::complete() {
    // Fewer bytes than the server announced: it ended early, whatever the engine says.
    if (m_record.bytes > 0 && m_received < m_record.bytes)
        return fail(reasonText(Download::Failure::NetworkFailed));
    m_record.bytes = m_received;
    const QString part = m_target.partPath;
    if (!part.isEmpty()) {
        QString target = m_record.path;
        bool moved = false;
        if (m_target.replace) {
            std::error_code error;
            std::filesystem::rename(QFile::encodeName(part).toStdString(),
                                    QFile::encodeName(target).toStdString(), error);
            moved = !error;
        } else {
            // Renaming never replaces a file; one that took the name meanwhile keeps it.
            const QDir folder = QFileInfo(target).dir();
            for (int i = 0; i < kRenameTries && !moved; ++i) {
                if (isTaken(target))
                    target = folder.filePath(uniqueFileName(m_target.name, [&](const QString& n) {
                        return isTaken(folder.filePath(n));
                    }));
                moved = QFile::rename(part, target);
            }
        }
        if (!moved)
            return fail(reasonText(Download::Failure::FileFailed));
        m_record.path = target;
    }
    // The size on disk: a page saved with its files counts files, not bytes, as it runs.
    if (const QFileInfo file(m_record.path); file.isFile())
        m_record.bytes = m_received = file.size();
    finish(State::Completed);
}

void DownloadItem::fail(const QString& reason) {
    m_record.reason = reason;
    discardPartial();
    finish(State::Failed);
}

void DownloadItem::finish(State state) {
    m_state = state;
    m_record.outcome = state == State::Completed ? DownloadRecord::Outcome::Completed
                       : state == State::Failed  ? DownloadRecord::Outcome::Failed
                                                 : DownloadRecord::Outcome::Cancelled;
    m_record.finished = QDateTime::currentDateTimeUtc();
    if (m_download)
        m_download->disconnect(this);
    m_download = nullptr;
    Q_EMIT changed();
    Q_EMIT finished();
}

void DownloadItem::discardPartial() {
    for (const QString& file : std::as_const(m_partialFiles))
        QFile::remove(file);
    m_partialFiles.clear();
}

} // namespace kelvane
