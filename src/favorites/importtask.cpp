#include "favorites/importtask.h"

#include <QElapsedTimer>
#include <QThread>

namespace kelvane {

namespace {

// The bar is moved at most this often: a signal per link would flood the window's queue.
constexpr int kProgressIntervalMs = 50;

} // namespace

ImportTask::ImportTask(const QString& path, const QString& favoritesFolder, QObject* parent)
    : QObject(parent)
    , m_path(path)
    , m_folder(favoritesFolder) {}

ImportTask::~ImportTask() {
    cancel();
    if (m_thread)
        m_thread->wait();
}

void ImportTask::start() {
    if (m_thread)
        return;
    m_thread = QThread::create([this] { run(); });
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, this, [this] { Q_EMIT finished(m_error, m_summary); });
    m_thread->start(QThread::LowPriority);
}

void ImportTask::cancel() {
    m_cancelled = true;
}

bool ImportTask::isRunning() const {
    return m_thread && !m_thread->isFinished();
}

void ImportTask::run() {
    Q_EMIT progress(0, 0);
    const auto goOn = [this] { return !m_cancelled; };
    QString error;
    const std::optional<Bookmark> bookmarks = readBookmarkFile(m_path, &error, goOn);
    if (!bookmarks) {
        m_error = m_cancelled ? QStringLiteral("cancelled") : error;
        return;
    }
    if (m_cancelled) {
        m_summary.cancelled = true;
        return;
    }
    const int total = countBookmarkLinks(*bookmarks);
    Q_EMIT progress(0, total);
    QElapsedTimer sinceShown;
    sinceShown.start();
    m_summary = importBookmarks(*bookmarks, m_folder, kMaxImportedFavorites, [&](int done) {
        if (sinceShown.hasExpired(kProgressIntervalMs) || done == total) {
            Q_EMIT progress(done, total);
            sinceShown.restart();
        }
        return !m_cancelled;
    });
}

} // namespace kelvane
