#pragma once

#include "base/downloadlist.h"
#include "downloads/downloadnames.h"
#include "downloads/downloadrules.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

namespace kelvane {

class Download;

// One download of the Downloads window: one of this session, driven through the engine, or an
// earlier one from the list file.
//
// While it runs, the engine writes the part file (the final name with ".part", the engine adding
// its own ".download" until complete), never the final name; complete, the part file is renamed
// to the final name, to a free numbered one when a file of that name appeared meanwhile, unless
// the user chose to replace it; when that rename fails, the complete part file stays and the
// download says so. A cancelled download leaves nothing behind; a failed one keeps what it
// received while the engine can continue it from there.
class DownloadItem : public QObject {
    Q_OBJECT
public:
    enum class State { Running, Paused, Completed, Failed, Cancelled };

    explicit DownloadItem(const DownloadRecord& record, QObject* parent = nullptr);
    // names: those of the download folders, holding target's names.
    DownloadItem(Download* download, const DownloadTarget& target, DownloadNames& names,
                 QObject* parent = nullptr);

    QString url() const { return m_record.url; }
    // The final name, and where the file is once complete.
    QString path() const { return m_record.path; }
    QString fileName() const;
    State state() const { return m_state; }
    bool isActive() const { return m_state == State::Running || m_state == State::Paused; }
    qint64 receivedBytes() const { return m_received; }
    // -1 while unknown.
    qint64 totalBytes() const { return m_total; }
    double bytesPerSecond() const { return m_rate.bytesPerSecond(); }
    // Why it failed, in plain words.
    QString failureReason() const { return m_record.reason; }
    DownloadRecord record() const { return m_record; }
    // Of a private document: kept out of the list of earlier downloads.
    bool isOffTheRecord() const { return m_offTheRecord; }

    void pause();
    void resume();
    void cancel();
    // A retry of a failed download the engine can continue from the bytes it received: true
    // when it runs again.
    bool continueFailed();
    // A retry from the start: the engine's new download of the same address, to the same kind of
    // target.
    void restart(Download* download, const DownloadTarget& target, DownloadNames& names);
    // Deletes what a failed download kept for its retry.
    void discard();
    // Notes the bytes received by now, for the speed, and says it changed (a running download
    // the engine has nothing new of slows down).
    void tick();

Q_SIGNALS:
    // Its state, progress or speed changed.
    void changed();
    // It completed, failed or was cancelled.
    void finished();

private:
    void followEngine();
    void complete();
    void fail(const QString& reason);
    void finish(State state);
    void discardPartial();

    DownloadRecord m_record;
    QPointer<Download> m_download;
    bool m_offTheRecord = false;
    DownloadTarget m_target;
    DownloadNames* m_names = nullptr;
    QStringList m_partialFiles;
    State m_state = State::Completed;
    qint64 m_received = 0;
    qint64 m_total = -1;
    TransferRate m_rate;
    QElapsedTimer m_clock;
};

} // namespace kelvane
