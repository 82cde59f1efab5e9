#include "favorites/browserbookmarks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kelvane {

namespace {

// A JSON file larger than this is no bookmarks file.
constexpr qint64 kMaxJsonBytes = 64 * 1024 * 1024;

std::optional<Bookmark> failure(QString* error, const QString& why) {
    if (error)
        *error = why;
    return std::nullopt;
}

// --- Chromium -----------------------------------------------------------------------------

// The folder's children, depth-first with a stack of our own rather than recursion; below
// kMaxBookmarkDepth a folder's contents go into the folder above.
void fillChromium(Bookmark& top, const QJsonArray& children) {
    struct Frame {
        Bookmark* folder;
        QJsonArray children;
        qsizetype next;
        int depth;
    };
    QList<Frame> stack{{&top, children, 0, 1}};
    while (!stack.isEmpty()) {
        Frame& frame = stack.last();
        if (frame.next == frame.children.size()) {
            stack.removeLast();
            continue;
        }
        const QJsonObject object = frame.children.at(frame.next++).toObject();
        const QString type = object.value(QLatin1String("type")).toString();
        const QString name = object.value(QLatin1String("name")).toString();
        Bookmark* folder = frame.folder;
        const int depth = frame.depth;
        if (type == QLatin1String("url")) {
            folder->children.append(
                {Bookmark::Kind::Link, name, object.value(QLatin1String("url")).toString(), {}});
        } else if (type == QLatin1String("folder")) {
            const QJsonArray inner = object.value(QLatin1String("children")).toArray();
            if (depth >= kMaxBookmarkDepth) {
                stack.append({folder, inner, 0, depth});
                continue;
            }
            folder->children.append({Bookmark::Kind::Folder, name, {}, {}});
            stack.append({&folder->children.last(), inner, 0, depth + 1});
        }
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

std::optional<Bookmark> readChromiumBookmarks(const QByteArray& json, QString* error) {
    if (json.size() > kMaxJsonBytes)
        return failure(
            error, QCoreApplication::translate("BookmarkFiles", "too large for a bookmarks file"));
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    const QJsonObject roots = document.object().value(QLatin1String("roots")).toObject();
    if (parse.error != QJsonParseError::NoError || roots.isEmpty())
        return failure(
            error, QCoreApplication::translate("BookmarkFiles", "not a Chromium bookmarks file"));
    Bookmark root;
    root.title = QStringLiteral("Chromium");
    const std::pair<const char*, const char*> folders[] = {{"bookmark_bar", "Bookmarks bar"},
                                                           {"other", "Other bookmarks"},
                                                           {"synced", "Mobile bookmarks"}};
    for (const auto& [key, title] : folders) {
        const QJsonObject object = roots.value(QLatin1String(key)).toObject();
        Bookmark folder;
        folder.title = object.value(QLatin1String("name")).toString(QLatin1String(title));
        fillChromium(folder, object.value(QLatin1String("children")).toArray());
        if (!folder.children.isEmpty())
            root.children.append(std::move(folder));
    }
    return root;
}

} // namespace kelvane
