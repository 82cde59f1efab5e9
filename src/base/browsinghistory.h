#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <vector>

class QTimer;

namespace kelvane {

// One visit of a page: times are milliseconds since the epoch (UTC).
struct Visit {
    qint64 id = 0;
    QString url;
    QString title;
    qint64 time = 0;
};

// One address with what its visits add up to, for the address bar's suggestions.
struct VisitedPage {
    QString url;
    QString title; // of the latest visit that had one
    int visitCount = 0;
    qint64 lastVisit = 0;
};

// The browsing history: every visit of a page, in one SQLite database (write-ahead log, private
// to the user). Visits are recorded in memory and written in one transaction a moment later (or
// before any read), so recording costs the window's thread next to nothing.
//
// The database is opened (and checked) on first use, not with the window: its check reads the
// whole file. A database that cannot be used (damaged, not a database, locked by another program)
// is set aside under a new name with a line on stderr, and a new one is started; should that fail
// too, the history lives in memory for this run.
class BrowsingHistory : public QObject {
    Q_OBJECT
public:
    // How long recorded visits wait before they are written together.
    static constexpr int kWriteDelayMs = 2000;

    explicit BrowsingHistory(const QString& path, QObject* parent = nullptr);
    ~BrowsingHistory() override;

    // $XDG_DATA_HOME/Kelvane/history.sqlite.
    static QString defaultPath();

    // False when the history lives in memory only.
    bool isOnDisk();
    QString path() const { return m_path; }

    void recordVisit(const QString& url, const QString& title, qint64 time);
    // The page of the latest visit of url got its title.
    void setTitle(const QString& url, const QString& title);
    // Writes the visits recorded so far.
    void flush();

    // Every visit, newest first.
    std::vector<Visit> visits() { return visits(nullptr, -1); }
    // At most limit visits (-1: all), newest first: from the newest on, or, after a visit read
    // before, the older ones that follow it. Only the newest are written first: visits recorded
    // meanwhile are newer than any read on.
    std::vector<Visit> visits(const Visit* after, qsizetype limit);
    // The addresses whose address or title holds every word (matchesEveryWord), in no order.
    // Filtered in memory: a query per key press over every address is slower than a frame.
    QList<VisitedPage> pagesMatching(const QStringList& words);

    void removeVisits(const QList<qint64>& ids);
    // Every visit to the host of url.
    void removeSite(const QString& url);
    void clear();

Q_SIGNALS:
    // Visits were written, removed or cleared.
    void changed();

private:
    struct Pending {
        QString url;
        QString title;
        qint64 time = 0; // 0: a title for the latest visit
    };

    // Opens the database at m_path, or else one in memory, the first time only.
    void openOnce();
    bool open(const QString& path, QString* error);
    void openInMemory();
    bool exec(const QString& statement);
    // Rebuilds the page rows of urls from their remaining visits.
    void refreshPages(const QStringList& urls);
    // The in-memory copy of the page rows: read on first use, kept up with the visits written,
    // read again after removals.
    void loadPages();
    void queue(const Pending& pending);
    void notePending(const Pending& pending);
    void forgetPages();

    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
    bool m_opened = false;
    bool m_onDisk = false;
    QList<Pending> m_pending;
    std::vector<VisitedPage> m_pages;
    std::vector<std::pair<QString, QString>> m_foldedPages; // per page: title and url folded
    QHash<QString, qsizetype> m_pageRow;                    // url -> index into m_pages
    bool m_pagesLoaded = false;
    // The last search, whose matches a search with longer words needs to look at only.
    QStringList m_lastWords;
    std::vector<qsizetype> m_lastMatches;
    bool m_lastSearchKept = false;
    QTimer* m_writeTimer;
};

} // namespace kelvane
