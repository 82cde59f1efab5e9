#pragma once

#include "favorites/favoritesimport.h"

#include <QObject>
#include <QString>

#include <atomic>

class QThread;

namespace kelvane {

// One import of a bookmark file into a favorites folder, on a thread of its own so that the
// window keeps answering while a large profile is read and written; it can be cancelled at any
// moment and stops at the next link (or, reading a places.sqlite, at once).
class ImportTask : public QObject {
    Q_OBJECT
public:
    ImportTask(const QString& path, const QString& favoritesFolder, QObject* parent = nullptr);
    // Cancels and waits for the thread.
    ~ImportTask() override;

    void start();
    void cancel();
    bool isRunning() const;

Q_SIGNALS:
    // total is 0 while the file is being read.
    void progress(int done, int total);
    // error is empty when the file was read; summary says what was written (also when
    // cancelled).
    void finished(const QString& error, const kelvane::ImportSummary& summary);

private:
    void run();

    QString m_path;
    QString m_folder;
    QThread* m_thread = nullptr;
    std::atomic_bool m_cancelled{false};
    // Written by the thread, read once it has ended.
    QString m_error;
    ImportSummary m_summary;
};

} // namespace kelvane
