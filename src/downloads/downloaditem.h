#pragma once

#include "base/downloadlist.h"
#include "downloads/downloadrules.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

namespace kelvane {

class Download;

// Where a download of this session goes.
struct DownloadTarget {
    QString finalPath;
    // What the engine writes until complete; empty: the final path itself (a page saved by the
    // page's own command, the name already chosen).
    QString partPath;
    // The name a final name taken meanwhile is numbered from.
    QString name;
    bool replace = false;
};

// One download of the Downloads window: one of this session, driven through the engine, or an
// earlier one from the list file.
//
// While it runs, the engine writes the part file (the final name with ".part"), never the
// final name; complete, the part file is renamed to the final name, to a free numbered one
// when a file of that name appeared meanwhile, unless the user chose to replace it. A
// cancelled or failed download leaves nothing behind.
class DownloadItem : public QObject {
    Q_OBJECT
public:
    enum class State { Running, Paused, Completed, Failed, Cancelled };

    explicit DownloadItem(const DownloadRecord& record, QObject* parent = nullptr);
    DownloadItem(Download* download, const DownloadTarget& target, QObject* parent = nullptr);

    // Whether path names a file, a folder or a link, a dangling one included.
    static bool isTaken(const QString& path);

    QString url() const { return m_record.url; }
    // The final name, and where the file is once complete.
    QString path() const { return m_record.path; }
    QString fileName() const;
    State state() const { return m_state; }
    bool isActive() const { return m_state == State::Running || m_state == State::Paused; }
    qint64 receivedBytes() const { return m_received; }
    qint64 totalBytes() const { return m_record.bytes; }
    double bytesPerSecond() const { return m_rate.bytesPerSecond(); }
    // Why it failed, in plain words.
    QString failureReason() const { return m_record.reason; }
    DownloadRecord record() const { return m_record; }

    void pause();
    void resume();
    void cancel();
    // A retry of a failed download: the engine's new download of the same address, to the same
    // kind of target.
    void restart(Download* download, const DownloadTarget& target);
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
    DownloadTarget m_target;
    QStringList m_partialFiles;
    State m_state = State::Completed;
    qint64 m_received = 0;
    TransferRate m_rate;
    QElapsedTimer m_clock;
};

} // namespace kelvane
