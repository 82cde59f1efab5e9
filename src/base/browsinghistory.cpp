#include "base/browsinghistory.h"

#include "base/wordmatch.h"
#include "platform/paths.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace kelvane {

namespace {

const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS visits (id INTEGER PRIMARY KEY, url TEXT NOT NULL, "
    "host TEXT NOT NULL, title TEXT NOT NULL DEFAULT '', time INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS visits_time ON visits (time)",
    "CREATE INDEX IF NOT EXISTS visits_url ON visits (url)",
    "CREATE INDEX IF NOT EXISTS visits_host ON visits (host)",
    // One row per address: what the suggestions rank by, without adding up visits per key.
    "CREATE TABLE IF NOT EXISTS pages (url TEXT PRIMARY KEY, host TEXT NOT NULL, "
    "title TEXT NOT NULL DEFAULT '', visits INTEGER NOT NULL, last INTEGER NOT NULL)",
    "DROP INDEX IF EXISTS pages_last", // nothing reads the pages by time any more
    "CREATE INDEX IF NOT EXISTS pages_host ON pages (host)",
};

QString hostOf(const QString& url) {
    return QUrl(url).host();
}

void say(const QString& message) {
    std::fprintf(stderr, "kelvane: %s\n", qUtf8Printable(message));
    std::fflush(stderr);
}

} // namespace

BrowsingHistory::BrowsingHistory(const QString& path, QObject* parent)
    : QObject(parent)
    , m_path(path)
    , m_connection(QStringLiteral("kelvane-history-%1").arg(quintptr(this)))
    , m_writeTimer(new QTimer(this)) {
    m_writeTimer->setSingleShot(true);
    m_writeTimer->setInterval(kWriteDelayMs);
    connect(m_writeTimer, &QTimer::timeout, this, &BrowsingHistory::flush);
}

bool BrowsingHistory::isOnDisk() {
    openOnce();
    return m_onDisk;
}

void BrowsingHistory::openOnce() {
    if (std::exchange(m_opened, true))
        return;
    QString error;
    if (open(m_path, &error)) {
        m_onDisk = true;
        return;
    }
    // Set aside, never deleted: the user may still want what is in it.
    const QString aside = m_path + QStringLiteral(".unusable-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const bool moved = QFile::rename(m_path, aside);
    if (moved) {
        for (const char* suffix : {"-wal", "-shm"})
            QFile::rename(m_path + QLatin1String(suffix), aside + QLatin1String(suffix));
        say(QStringLiteral("the history %1 could not be used (%2); it was set aside as %3 and a "
                           "new one started")
                .arg(m_path, error, aside));
        if (open(m_path, &error)) {
            m_onDisk = true;
            return;
        }
    }
    say(QStringLiteral("no history could be kept in %1 (%2); this session's history stays in "
                       "memory")
            .arg(m_path, error));
    openInMemory();
}

BrowsingHistory::~BrowsingHistory() {
    flush();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

QString BrowsingHistory::defaultPath() {
    return dataFolder() + QStringLiteral("/history.sqlite");
}

bool BrowsingHistory::open(const QString& path, QString* error) {
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
    }
    makePrivateFolder(QFileInfo(path).absolutePath());
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            *error = file.errorString();
            return false;
        }
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(path);
    // Another program holding the file is given a moment, not the window's whole time.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=250"));
    if (!m_db.open()) {
        *error = m_db.lastError().text();
        return false;
    }
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next() ||
        query.value(0).toString() != QLatin1String("wal")) {
        *error = query.lastError().isValid() ? query.lastError().text()
                                             : QStringLiteral("no write-ahead log");
        return false;
    }
    if (!query.exec(QStringLiteral("PRAGMA quick_check(1)")) || !query.next() ||
        query.value(0).toString() != QLatin1String("ok")) {
        *error = query.lastError().isValid() ? query.lastError().text() : query.value(0).toString();
        return false;
    }
    query.finish();
    if (!exec(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
        !exec(QStringLiteral("PRAGMA secure_delete=ON"))) {
        *error = m_db.lastError().text();
        return false;
    }
    for (const char* statement : kSchema) {
        if (!query.exec(QLatin1String(statement))) {
            *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

void BrowsingHistory::openInMemory() {
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(QStringLiteral(":memory:"));
    m_db.open();
    for (const char* statement : kSchema)
        exec(QLatin1String(statement));
}

bool BrowsingHistory::exec(const QString& statement) {
    QSqlQuery query(m_db);
    return query.exec(statement);
}

void BrowsingHistory::recordVisit(const QString& url, const QString& title, qint64 time) {
    queue({url, title, time});
}

void BrowsingHistory::setTitle(const QString& url, const QString& title) {
    queue({url, title, 0});
}

void BrowsingHistory::queue(const Pending& pending) {
    m_pending.append(pending);
    // The pages in memory take it at once: the suggestions never wait for a write.
    if (m_pagesLoaded)
        notePending(pending);
    if (!m_writeTimer->isActive())
        m_writeTimer->start();
}

void BrowsingHistory::flush() {
    m_writeTimer->stop();
    if (m_pending.isEmpty())
        return;
    openOnce();
    m_db.transaction();
    QSqlQuery visit(m_db);
    visit.prepare(
        QStringLiteral("INSERT INTO visits (url, host, title, time) VALUES (?, ?, ?, ?)"));
    QSqlQuery page(m_db);
    page.prepare(QStringLiteral(
        "INSERT INTO pages (url, host, title, visits, last) VALUES (?, ?, ?, 1, ?) "
        "ON CONFLICT (url) DO UPDATE SET visits = visits + 1, last = max(last, excluded.last), "
        "title = CASE WHEN excluded.title = '' THEN title ELSE excluded.title END"));
    QSqlQuery visitTitle(m_db);
    visitTitle.prepare(QStringLiteral(
        "UPDATE visits SET title = ? WHERE id = (SELECT max(id) FROM visits WHERE url = ?)"));
    QSqlQuery pageTitle(m_db);
    pageTitle.prepare(QStringLiteral("UPDATE pages SET title = ? WHERE url = ?"));
    for (const Pending& p : std::as_const(m_pending)) {
        if (p.time == 0) {
            for (QSqlQuery* q : {&visitTitle, &pageTitle}) {
                q->addBindValue(p.title);
                q->addBindValue(p.url);
                q->exec();
            }
            continue;
        }
        const QString host = hostOf(p.url);
        for (QSqlQuery* q : {&visit, &page}) {
            q->addBindValue(p.url);
            q->addBindValue(host);
            q->addBindValue(p.title);
            q->addBindValue(p.time);
            q->exec();
        }
    }
    m_db.commit();
    m_pending.clear();
    Q_EMIT changed();
}

std::vector<Visit> BrowsingHistory::visits(const Visit* after, qsizetype limit) {
    if (!after)
        flush();
    openOnce();
    std::vector<Visit> result;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (limit < 0 && query.exec(QStringLiteral("SELECT count(*) FROM visits")) && query.next())
        result.reserve(query.value(0).toLongLong());
    // The time index holds the id too, so the order and the place to go on from cost no sort.
    query.prepare(QStringLiteral("SELECT id, url, title, time FROM visits %1 "
                                 "ORDER BY time DESC, id DESC LIMIT ?")
                      .arg(after ? QStringLiteral("WHERE (time, id) < (?, ?)") : QString()));
    if (after) {
        query.addBindValue(after->time);
        query.addBindValue(after->id);
    }
    query.addBindValue(limit);
    query.exec();
    while (query.next()) {
        result.push_back({query.value(0).toLongLong(), query.value(1).toString(),
                          query.value(2).toString(), query.value(3).toLongLong()});
    }
    return result;
}

QList<VisitedPage> BrowsingHistory::pagesMatching(const QStringList& words) {
    openOnce();
    loadPages();
    const QStringList folded = foldedWords(words);
    // Typing on lengthens a word or adds one: only what matched before can match now.
    const bool narrower = m_lastSearchKept && narrows(m_lastWords, folded);
    std::vector<qsizetype> matches;
    const auto look = [&](qsizetype row) {
        if (holdsEveryWord(folded, m_foldedPages[row].first, m_foldedPages[row].second))
            matches.push_back(row);
    };
    if (narrower) {
        for (qsizetype row : m_lastMatches)
            look(row);
    } else {
        for (qsizetype row = 0; row < qsizetype(m_pages.size()); ++row)
            look(row);
    }
    QList<VisitedPage> result;
    result.reserve(qsizetype(matches.size()));
    for (qsizetype row : matches)
        result.append(m_pages[row]);
    m_lastWords = folded;
    m_lastMatches = std::move(matches);
    m_lastSearchKept = true;
    return result;
}

void BrowsingHistory::loadPages() {
    if (std::exchange(m_pagesLoaded, true))
        return;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral("SELECT count(*) FROM pages")) && query.next()) {
        const qsizetype count = query.value(0).toLongLong();
        m_pages.reserve(count);
        m_foldedPages.reserve(count);
        m_pageRow.reserve(count);
    }
    query.exec(QStringLiteral("SELECT url, title, visits, last FROM pages"));
    while (query.next()) {
        const QString url = query.value(0).toString();
        const QString title = query.value(1).toString();
        m_pageRow.insert(url, qsizetype(m_pages.size()));
        m_pages.push_back({url, title, query.value(2).toInt(), query.value(3).toLongLong()});
        m_foldedPages.emplace_back(foldedForMatching(title), foldedForMatching(url));
    }
    for (const Pending& pending : std::as_const(m_pending))
        notePending(pending);
}

// What flush() writes to a page row, done to its copy in memory.
void BrowsingHistory::notePending(const Pending& pending) {
    m_lastSearchKept = false;
    const auto row = m_pageRow.constFind(pending.url);
    if (row == m_pageRow.cend()) {
        if (pending.time != 0) {
            m_pageRow.insert(pending.url, qsizetype(m_pages.size()));
            m_pages.push_back({pending.url, pending.title, 1, pending.time});
            m_foldedPages.emplace_back(foldedForMatching(pending.title),
                                       foldedForMatching(pending.url));
        }
        return;
    }
    VisitedPage& page = m_pages[*row];
    if (pending.time != 0) {
        ++page.visitCount;
        page.lastVisit = qMax(page.lastVisit, pending.time);
    }
    if (pending.time == 0 || !pending.title.isEmpty()) {
        page.title = pending.title;
        m_foldedPages[*row].first = foldedForMatching(page.title);
    }
}

void BrowsingHistory::forgetPages() {
    m_pagesLoaded = m_lastSearchKept = false;
    m_pages = {};
    m_foldedPages = {};
    m_pageRow = {};
}

void BrowsingHistory::refreshPages(const QStringList& urls) {
    QSqlQuery drop(m_db);
    drop.prepare(QStringLiteral("DELETE FROM pages WHERE url = ?"));
    QSqlQuery rebuild(m_db);
    rebuild.prepare(QStringLiteral(
        "INSERT INTO pages (url, host, title, visits, last) SELECT url, host, "
        "coalesce((SELECT title FROM visits WHERE url = ? AND title <> '' ORDER BY time DESC "
        "LIMIT 1), ''), count(*), max(time) FROM visits WHERE url = ? GROUP BY url"));
    for (const QString& url : urls) {
        drop.addBindValue(url);
        drop.exec();
        rebuild.addBindValue(url);
        rebuild.addBindValue(url);
        rebuild.exec();
    }
}

void BrowsingHistory::removeVisits(const QList<qint64>& ids) {
    flush();
    openOnce();
    m_db.transaction();
    QSqlQuery find(m_db);
    find.prepare(QStringLiteral("SELECT url FROM visits WHERE id = ?"));
    QSqlQuery remove(m_db);
    remove.prepare(QStringLiteral("DELETE FROM visits WHERE id = ?"));
    QStringList urls;
    for (qint64 id : ids) {
        find.addBindValue(id);
        if (find.exec() && find.next())
            urls.append(find.value(0).toString());
        find.finish();
        remove.addBindValue(id);
        remove.exec();
    }
    urls.removeDuplicates();
    refreshPages(urls);
    m_db.commit();
    forgetPages();
    Q_EMIT changed();
}

void BrowsingHistory::removeSite(const QString& url) {
    flush();
    openOnce();
    const QString host = hostOf(url);
    // An address without a host (a file) is a site of its own.
    const QString column = host.isEmpty() ? QStringLiteral("url") : QStringLiteral("host");
    const QString key = host.isEmpty() ? url : host;
    m_db.transaction();
    for (const QString& table : {QStringLiteral("visits"), QStringLiteral("pages")}) {
        QSqlQuery remove(m_db);
        remove.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table, column));
        remove.addBindValue(key);
        remove.exec();
    }
    m_db.commit();
    forgetPages();
    Q_EMIT changed();
}

void BrowsingHistory::clear() {
    m_pending.clear();
    m_writeTimer->stop();
    openOnce();
    m_db.transaction();
    exec(QStringLiteral("DELETE FROM visits"));
    exec(QStringLiteral("DELETE FROM pages"));
    m_db.commit();
    forgetPages();
    // What was deleted leaves the log as well, not only the tables.
    exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    Q_EMIT changed();
}

} // namespace kelvane
