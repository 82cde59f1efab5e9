#include "favorites/firefoxplaces.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <cerrno>
#include <signal.h>
#include <sqlite3.h>
#include <unistd.h>

namespace kelvane {

namespace {

// The copies are made in folders named after the process that reads them.
const char kCopyPrefix[] = "kelvane-places-";
// No title or address of a real profile comes near this; a generated column could.
constexpr int kMaxValueBytes = 4 * 1024 * 1024;

std::optional<Bookmark> failure(QString* error, const QString& why) {
    if (error)
        *error = why;
    return std::nullopt;
}

struct PlacesRow {
    qint64 id = 0;
    int type = 0; // 1 link, 2 folder, 3 separator
    QString title;
    QString guid;
    QString url;
};

const char* rootTitle(const QString& guid) {
    if (guid == QLatin1String("menu________"))
        return "Bookmarks Menu";
    if (guid == QLatin1String("toolbar_____"))
        return "Bookmarks Toolbar";
    if (guid == QLatin1String("unfiled_____"))
        return "Other Bookmarks";
    if (guid == QLatin1String("mobile______"))
        return "Mobile Bookmarks";
    return nullptr;
}

using PlacesChildren = QHash<qint64, QList<PlacesRow>>; // by parent id, in position order

// The folder id's contents, depth-first with a stack of our own: a table can nest folders far
// deeper than a thread's stack. Every folder is entered once (a damaged table could make one
// its own ancestor); below kMaxBookmarkDepth a folder's contents go into the folder above.
void fillFolder(Bookmark& top, qint64 topId, const PlacesChildren& children, QSet<qint64>& seen) {
    struct Frame {
        Bookmark* folder;
        const QList<PlacesRow>* rows;
        qsizetype next;
        int depth;
    };
    const QList<PlacesRow> none;
    const auto rows = children.constFind(topId);
    if (seen.contains(topId) || rows == children.cend())
        return;
    seen.insert(topId);
    QList<Frame> stack{{&top, &*rows, 0, 1}};
    while (!stack.isEmpty()) {
        Frame& frame = stack.last();
        if (frame.next == frame.rows->size()) {
            stack.removeLast();
            continue;
        }
        const PlacesRow& row = frame.rows->at(frame.next++);
        Bookmark* folder = frame.folder;
        const int depth = frame.depth;
        if (row.type == 2) {
            if (seen.contains(row.id))
                continue;
            seen.insert(row.id);
            const auto rows = children.constFind(row.id);
            const QList<PlacesRow>* inner = rows == children.cend() ? &none : &*rows;
            if (depth >= kMaxBookmarkDepth) {
                stack.append({folder, inner, 0, depth});
                continue;
            }
            folder->children.append({Bookmark::Kind::Folder, row.title, {}, {}});
            stack.append({&folder->children.last(), inner, 0, depth + 1});
        } else if (row.type == 1) {
            folder->children.append({Bookmark::Kind::Link, row.title, row.url, {}});
        } else if (row.type == 3) {
            folder->children.append({Bookmark::Kind::Separator, row.title, {}, {}});
        }
    }
}

struct ReadGuard {
    QElapsedTimer clock;
    const std::function<bool()>* goOn;
    bool stopped = false;
};

// SQLite's progress handler: a non-zero answer interrupts the statement.
int stopWhenDue(void* context) {
    auto* guard = static_cast<ReadGuard*>(context);
    guard->stopped =
        guard->clock.hasExpired(kMaxPlacesReadMs) || (*guard->goOn && !(*guard->goOn)());
    return guard->stopped ? 1 : 0;
}

bool arePlainTables(QSqlDatabase& db) {
    QSqlQuery query(db);
    return query.exec(QStringLiteral(
               "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND lower(name) IN "
               "('moz_bookmarks', 'moz_places') AND sql NOT LIKE 'CREATE VIRTUAL%'")) &&
           query.next() && query.value(0).toInt() == 2;
}

std::optional<Bookmark> readPlaces(QSqlDatabase& db, QString* error, ReadGuard& guard) {
    if (!db.open())
        return failure(error, db.lastError().text());
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0 ||
        !*static_cast<sqlite3* const*>(handle.data()))
        return failure(error, QCoreApplication::translate("BookmarkFiles",
                                                          "Qt's SQLite driver gives no handle"));
    sqlite3* sqlite = *static_cast<sqlite3* const*>(handle.data());
    sqlite3_limit(sqlite, SQLITE_LIMIT_LENGTH, kMaxValueBytes);
    sqlite3_progress_handler(sqlite, 10'000, stopWhenDue, &guard);
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA query_only = 1"));
    pragma.exec(QStringLiteral("PRAGMA trusted_schema = 0"));
    if (!arePlainTables(db))
        return failure(
            error,
            guard.stopped
                ? QCoreApplication::translate("BookmarkFiles", "reading it took too long")
                : QCoreApplication::translate("BookmarkFiles", "no Firefox bookmarks in it"));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT b.id, b.type, b.parent, b.title, b.guid, p.url FROM "
                                   "moz_bookmarks b LEFT JOIN moz_places p ON b.fk = p.id "
                                   "ORDER BY b.parent, b.position LIMIT %1")
                        .arg(kMaxPlacesRows + 1)))
        return failure(
            error, QCoreApplication::translate("BookmarkFiles", "no Firefox bookmarks in it (%1)")
                       .arg(query.lastError().text()));
    PlacesChildren children;
    qint64 rootId = -1, rows = 0;
    while (query.next()) {
        if (++rows > kMaxPlacesRows)
            return failure(error, QCoreApplication::translate("BookmarkFiles",
                                                              "it holds more than %1 bookmarks")
                                      .arg(kMaxPlacesRows));
        const PlacesRow row{query.value(0).toLongLong(), query.value(1).toInt(),
                            query.value(3).toString(), query.value(4).toString(),
                            query.value(5).toString()};
        const qint64 parent = query.value(2).toLongLong();
        if (row.guid == QLatin1String("root________") || (parent == 0 && rootId < 0))
            rootId = row.id;
        children[parent].append(row);
    }
    if (guard.stopped || query.lastError().isValid())
        return failure(
            error, guard.stopped ? QCoreApplication::translate(
                                       "BookmarkFiles", "reading it took too long or was cancelled")
                                 : query.lastError().text());
    Bookmark root;
    root.title = QStringLiteral("Firefox");
    QSet<qint64> seen{rootId};
    for (const PlacesRow& top : children.value(rootId)) {
        const char* title = rootTitle(top.guid);
        if (!title || top.type != 2)
            continue; // the tags, and anything unknown at the top
        Bookmark folder;
        folder.title = QLatin1String(title);
        fillFolder(folder, top.id, children, seen);
        if (!folder.children.isEmpty())
            root.children.append(std::move(folder));
    }
    return root;
}

// Copies left by readers that died before they could delete them.
void removeOrphanedCopies(const QString& base) {
    const QStringList names =
        QDir(base).entryList({QLatin1String(kCopyPrefix) + u'*'}, QDir::Dirs | QDir::Hidden);
    for (const QString& name : names) {
        bool number = false;
        const qint64 pid = name.mid(qstrlen(kCopyPrefix)).section(u'-', 0, 0).toLongLong(&number);
        const bool alive = number && pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
        if (!alive)
            QDir(base + u'/' + name).removeRecursively();
    }
}

} // namespace

std::optional<Bookmark> readFirefoxBookmarks(const QString& placesPath, QString* error,
                                             const std::function<bool()>& goOn) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return failure(error, QCoreApplication::translate("BookmarkFiles",
                                                          "Qt's SQLite driver is not installed"));
    // The copy holds the user's whole history: a private folder of ours that the next read
    // deletes if this process dies before the end of this function.
    const QString base = runtimeFolder();
    removeOrphanedCopies(base);
    const QTemporaryDir copyFolder(base + u'/' + QLatin1String(kCopyPrefix) +
                                   QString::number(::getpid()) + QStringLiteral("-XXXXXX"));
    const QString copy = copyFolder.filePath(QStringLiteral("places.sqlite"));
    if (!copyFolder.isValid() || !QFile::copy(placesPath, copy))
        return failure(error, QCoreApplication::translate("BookmarkFiles", "cannot be read"));
    // What Firefox has not yet moved into the database itself is in its write-ahead log.
    const QString log = placesPath + QStringLiteral("-wal");
    if (QFileInfo::exists(log))
        QFile::copy(log, copy + QStringLiteral("-wal"));
    const QString connection = QUuid::createUuid().toString();
    std::optional<Bookmark> result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(copy);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        ReadGuard guard{{}, &goOn};
        guard.clock.start();
        result = readPlaces(db, error, guard);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}

} // namespace kelvane
