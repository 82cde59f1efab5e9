#include "favorites/browserbookmarks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

namespace kelvane {

namespace {

// A JSON file larger than this is no bookmarks file.
constexpr qint64 kMaxJsonBytes = 64 * 1024 * 1024;

std::optional<Bookmark> failure(QString* error, const QString& why) {
    if (error)
        *error = why;
    return std::nullopt;
}

// --- Firefox ------------------------------------------------------------------------------

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

class PlacesTree {
public:
    QHash<qint64, QList<PlacesRow>> children; // by parent id, in position order

    void fill(Bookmark& folder, qint64 id, int depth) {
        // Every folder is entered once: a damaged table could make one its own ancestor.
        if (m_seen.contains(id))
            return;
        m_seen.insert(id);
        for (const PlacesRow& row : children.value(id)) {
            Bookmark node;
            node.title = row.title;
            if (row.type == 1) {
                node.kind = Bookmark::Kind::Link;
                node.url = row.url;
            } else if (row.type == 3) {
                node.kind = Bookmark::Kind::Separator;
            } else if (row.type == 2 && depth >= kMaxBookmarkDepth) {
                fill(folder, row.id, depth);
                continue;
            } else if (row.type == 2) {
                fill(node, row.id, depth + 1);
            } else {
                continue;
            }
            folder.children.append(std::move(node));
        }
    }

private:
    QSet<qint64> m_seen;
};

std::optional<Bookmark> readPlaces(const QString& copy, QString* error) {
    const QString connection = QUuid::createUuid().toString();
    std::optional<Bookmark> result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(copy);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            result = failure(error, db.lastError().text());
        } else {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            if (!query.exec(QStringLiteral(
                    "SELECT b.id, b.type, b.parent, b.title, b.guid, p.url FROM moz_bookmarks b "
                    "LEFT JOIN moz_places p ON b.fk = p.id ORDER BY b.parent, b.position"))) {
                result = failure(error, QStringLiteral("no Firefox bookmarks in it (%1)")
                                            .arg(query.lastError().text()));
            } else {
                PlacesTree tree;
                QList<PlacesRow> roots;
                qint64 rootId = -1;
                while (query.next()) {
                    const PlacesRow row{query.value(0).toLongLong(), query.value(1).toInt(),
                                        query.value(3).toString(), query.value(4).toString(),
                                        query.value(5).toString()};
                    const qint64 parent = query.value(2).toLongLong();
                    if (row.guid == QLatin1String("root________") || (parent == 0 && rootId < 0))
                        rootId = row.id;
                    tree.children[parent].append(row);
                }
                Bookmark root;
                root.title = QStringLiteral("Firefox");
                for (const PlacesRow& top : tree.children.value(rootId)) {
                    const char* title = rootTitle(top.guid);
                    if (!title || top.type != 2)
                        continue; // the tags, and anything unknown at the top
                    Bookmark folder;
                    folder.title = QLatin1String(title);
                    tree.fill(folder, top.id, 1);
                    if (!folder.children.isEmpty())
                        root.children.append(std::move(folder));
                }
                result = std::move(root);
            }
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}

// --- Chromium -----------------------------------------------------------------------------

void fillChromium(Bookmark& folder, const QJsonArray& children, int depth) {
    for (const QJsonValue& value : children) {
        const QJsonObject object = value.toObject();
        const QString type = object.value(QLatin1String("type")).toString();
        Bookmark node;
        node.title = object.value(QLatin1String("name")).toString();
        if (type == QLatin1String("url")) {
            node.kind = Bookmark::Kind::Link;
            node.url = object.value(QLatin1String("url")).toString();
        } else if (type == QLatin1String("folder")) {
            const QJsonArray inner = object.value(QLatin1String("children")).toArray();
            if (depth >= kMaxBookmarkDepth) {
                fillChromium(folder, inner, depth);
                continue;
            }
            fillChromium(node, inner, depth + 1);
        } else {
            continue;
        }
        folder.children.append(std::move(node));
    }
}

// --- where browsers keep them ---------------------------------------------------------------

// The [Profile...] sections of a profiles.ini: each profile's name and folder.
QList<std::pair<QString, QString>> firefoxProfiles(const QString& base) {
    QFile file(base + QStringLiteral("/profiles.ini"));
    if (file.size() > kMaxJsonBytes || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<std::pair<QString, QString>> profiles;
    QString name, path;
    bool relative = true, inProfile = false;
    const auto flush = [&] {
        if (inProfile && !path.isEmpty())
            profiles.append(
                {name.isEmpty() ? path : name, relative ? base + QLatin1Char('/') + path : path});
        name.clear(), path.clear(), relative = true;
    };
    for (const QString& raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[')) {
            flush();
            inProfile = line.startsWith(QLatin1String("[Profile"), Qt::CaseInsensitive);
        } else if (line.startsWith(QLatin1String("Name="))) {
            name = line.mid(5);
        } else if (line.startsWith(QLatin1String("Path="))) {
            path = line.mid(5);
        } else if (line.startsWith(QLatin1String("IsRelative="))) {
            relative = line.mid(11) != QLatin1String("0");
        }
    }
    flush();
    return profiles;
}

// The names Chromium gives its profile folders, from its "Local State".
QHash<QString, QString> chromiumProfileNames(const QString& base) {
    QFile file(base + QStringLiteral("/Local State"));
    QHash<QString, QString> names;
    if (file.size() > kMaxJsonBytes || !file.open(QIODevice::ReadOnly))
        return names;
    const QJsonObject cache = QJsonDocument::fromJson(file.readAll())
                                  .object()
                                  .value(QLatin1String("profile"))
                                  .toObject()
                                  .value(QLatin1String("info_cache"))
                                  .toObject();
    for (auto it = cache.begin(); it != cache.end(); ++it)
        names.insert(it.key(), it.value().toObject().value(QLatin1String("name")).toString());
    return names;
}

} // namespace

QList<BookmarkSource> findBookmarkSources(const QString& home) {
    QList<BookmarkSource> sources;
    for (const char* base : {"/.mozilla/firefox", "/snap/firefox/common/.mozilla/firefox",
                             "/.var/app/org.mozilla.firefox/.mozilla/firefox"}) {
        for (const auto& [name, folder] : firefoxProfiles(home + QLatin1String(base))) {
            const QString places = folder + QStringLiteral("/places.sqlite");
            if (QFileInfo(places).isFile())
                sources.append(
                    {BookmarkSource::Kind::Firefox, QStringLiteral("Firefox: ") + name, places});
        }
    }
    const std::pair<const char*, const char*> chromiums[] = {
        {"Google Chrome", "/.config/google-chrome"},
        {"Chromium", "/.config/chromium"},
        {"Chromium", "/snap/chromium/common/chromium"},
        {"Brave", "/.config/BraveSoftware/Brave-Browser"},
        {"Microsoft Edge", "/.config/microsoft-edge"},
        {"Vivaldi", "/.config/vivaldi"},
        {"Opera", "/.config/opera"},
    };
    for (const auto& [browser, folder] : chromiums) {
        const QString base = home + QLatin1String(folder);
        const QHash<QString, QString> names = chromiumProfileNames(base);
        QStringList profiles = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        profiles.prepend(QString()); // Opera keeps its bookmarks in the folder itself
        for (const QString& profile : profiles) {
            const QString file = QDir(base).filePath(profile + QStringLiteral("/Bookmarks"));
            if (!QFileInfo(file).isFile())
                continue;
            const QString shown = names.value(profile, profile);
            sources.append({BookmarkSource::Kind::Chromium,
                            QLatin1String(browser) +
                                (shown.isEmpty() ? QString() : QStringLiteral(": ") + shown),
                            QDir::cleanPath(file)});
        }
    }
    return sources;
}

std::optional<Bookmark> readFirefoxBookmarks(const QString& placesPath, QString* error) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return failure(error, QStringLiteral("Qt's SQLite driver is not installed"));
    const QTemporaryDir copyFolder;
    const QString copy = copyFolder.filePath(QStringLiteral("places.sqlite"));
    if (!copyFolder.isValid() || !QFile::copy(placesPath, copy))
        return failure(error, QStringLiteral("cannot be read"));
    // What Firefox has not yet moved into the database itself is in its write-ahead log.
    const QString log = placesPath + QStringLiteral("-wal");
    if (QFileInfo::exists(log))
        QFile::copy(log, copy + QStringLiteral("-wal"));
    return readPlaces(copy, error);
}

std::optional<Bookmark> readChromiumBookmarks(const QByteArray& json, QString* error) {
    if (json.size() > kMaxJsonBytes)
        return failure(error, QStringLiteral("too large for a bookmarks file"));
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    const QJsonObject roots = document.object().value(QLatin1String("roots")).toObject();
    if (parse.error != QJsonParseError::NoError || roots.isEmpty())
        return failure(error, QStringLiteral("not a Chromium bookmarks file"));
    Bookmark root;
    root.title = QStringLiteral("Chromium");
    const std::pair<const char*, const char*> folders[] = {{"bookmark_bar", "Bookmarks bar"},
                                                           {"other", "Other bookmarks"},
                                                           {"synced", "Mobile bookmarks"}};
    for (const auto& [key, title] : folders) {
        const QJsonObject object = roots.value(QLatin1String(key)).toObject();
        Bookmark folder;
        folder.title = object.value(QLatin1String("name")).toString(QLatin1String(title));
        fillChromium(folder, object.value(QLatin1String("children")).toArray(), 1);
        if (!folder.children.isEmpty())
            root.children.append(std::move(folder));
    }
    return root;
}

} // namespace kelvane
