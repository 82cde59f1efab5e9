#include "favorites/favoritesimport.h"

#include "base/shortcutfile.h"
#include "favorites/browserbookmarks.h"
#include "favorites/favoritesscan.h"
#include "favorites/favoritesstore.h"
#include "favorites/firefoxplaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QUrl>

#include <algorithm>

namespace kelvane {

namespace {

// Larger files are not read: no bookmark file comes near it.
constexpr qint64 kMaxFileBytes = 256 * 1024 * 1024;
// How many numbered names are tried before a name counts as unavailable.
constexpr int kMaxNameTries = 1000;

// The summary's texts in the user's language.
QString summaryText(const char* text) {
    return QCoreApplication::translate("ImportSummary", text);
}

// A count with its words. A translation gives its language's plural forms under the English
// plural; English, or a language without one, takes the English singular or plural.
QString counted(int count, const char* one, const char* many) {
    const QString number = QString::number(count);
    const QString translated = QCoreApplication::translate("ImportSummary", many, nullptr, count);
    if (translated != QLatin1String(many).toString().replace(QLatin1String("%n"), number))
        return translated;
    return QLatin1String(count == 1 ? one : many).toString().replace(QLatin1String("%n"), number);
}

enum class AddressKind { Page, Unsafe, NoPage };

// A script or an inline document is never stored: opened from a favorite, it would run with no
// page of its own to answer for it. Firefox's "place:" addresses are queries of its own.
AddressKind kindOf(const QString& url) {
    const QString scheme = url.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
    const bool hasScheme = url.contains(QLatin1Char(':'));
    if (hasScheme && (scheme == QLatin1String("javascript") ||
                      scheme == QLatin1String("vbscript") || scheme == QLatin1String("data")))
        return AddressKind::Unsafe;
    if (url.trimmed().isEmpty() || (hasScheme && scheme == QLatin1String("place")))
        return AddressKind::NoPage;
    return AddressKind::Page;
}

// Whether importing folder leaves anything in the Favorites: an empty folder does (itself), one
// that holds only addresses that are skipped does not.
bool leavesSomething(const Bookmark& folder) {
    return folder.children.isEmpty() ||
           std::any_of(folder.children.cbegin(), folder.children.cend(), [](const Bookmark& c) {
               return c.kind == Bookmark::Kind::Folder
                          ? leavesSomething(c)
                          : c.kind == Bookmark::Kind::Link && kindOf(c.url) == AddressKind::Page;
           });
}

// name with " (n)" for the n-th try, cut so that it still fits a file name with ".url".
QString numberedName(const QString& name, int n) {
    if (n == 1)
        return name;
    const QString suffix = QStringLiteral(" (%1)").arg(n);
    QString cut;
    qsizetype bytes = suffix.size();
    for (const char32_t c : name.toUcs4()) {
        bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (bytes > 251)
            break;
        cut += QString::fromUcs4(&c, 1);
    }
    return cut + suffix;
}

bool isFree(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}

constexpr QFile::Permissions kPrivateFile = QFile::ReadOwner | QFile::WriteOwner;

// What one folder holds, listed once when the import first writes into it and kept up to date
// with what the import adds: listing it again for every name would make an import of n links
// take n^2.
struct FolderNames {
    QSet<QString> taken;               // every name in it, of any kind
    QSet<QString> folders;             // those that are real folders, not links to one
    QHash<QString, QString> shortcuts; // favorite name -> its file's name
    QHash<QString, QString> urls;      // a shortcut's file name -> its address, once read
    // For a favorite name: the first number not yet known to be taken, and the addresses of
    // the shortcuts before it.
    struct Chain {
        int next = 1;
        QSet<QString> urls;
    };
    QHash<QString, Chain> chains;

    explicit FolderNames(const QString& dir) {
        const QFileInfoList entries = QDir(dir).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                              QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo& entry : entries) {
            const QString name = entry.fileName();
            taken.insert(name);
            if (entry.isDir() && !entry.isSymLink())
                folders.insert(name);
            const QString favorite = entry.isFile() ? favoriteNameOf(name) : QString();
            // The name with ".url" as written wins over one in another case, as it does when
            // the favorite is opened.
            if (!favorite.isEmpty() && (!shortcuts.contains(favorite) || name.endsWith(u".url")))
                shortcuts.insert(favorite, name);
        }
    }
};

int countLinks(const Bookmark& folder) {
    int count = 0;
    for (const Bookmark& child : folder.children)
        count += child.kind == Bookmark::Kind::Link ? 1 : countLinks(child);
    return count;
}

class Importer {
public:
    Importer(const QString& root, int limit, const ImportProgress& progress)
        : m_root(QFileInfo(root).canonicalFilePath())
        , m_limit(limit)
        , m_progress(progress) {}

    ImportSummary run(const Bookmark& tree) {
        if (m_root.isEmpty())
            m_summary.failed += countLinks(tree);
        else
            fill(tree, m_root);
        return m_summary;
    }

private:
    bool isInside(const QString& dir) const {
        return QFileInfo(dir).canonicalFilePath().startsWith(m_root + QLatin1Char('/'));
    }

    FolderNames& namesOf(const QString& dir) {
        auto it = m_folders.find(dir);
        if (it == m_folders.end())
            it = m_folders.insert(dir, FolderNames(dir));
        return *it;
    }

    void fill(const Bookmark& folder, const QString& dir) {
        for (const Bookmark& child : folder.children) {
            if (m_summary.cancelled)
                return;
            if (child.kind == Bookmark::Kind::Folder && !leavesSomething(child)) {
                fill(child, QString()); // counts what is skipped, writes nothing
            } else if (child.kind == Bookmark::Kind::Folder) {
                const QString sub = folderFor(dir, child.title);
                if (sub.isEmpty())
                    m_summary.failed += countLinks(child);
                else
                    fill(child, sub);
            } else if (child.kind == Bookmark::Kind::Link) {
                link(dir, child);
                m_summary.cancelled = m_progress && !m_progress(++m_done);
            }
        }
    }

    // The folder named title in dir: the one there, when it is a real folder, or a new one.
    QString folderFor(const QString& dir, const QString& title) {
        QString name = favoriteFileName(title);
        if (name.isEmpty())
            name = QStringLiteral("Folder");
        FolderNames& names = namesOf(dir);
        for (int n = 1; n <= kMaxNameTries; ++n) {
            const QString numbered = numberedName(name, n);
            const QString path = QDir(dir).filePath(numbered);
            if (names.folders.contains(numbered))
                return isInside(path) ? path : QString();
            if (names.taken.contains(numbered))
                continue;
            if (!QDir().mkdir(path, kPrivateFile | QFile::ExeOwner)) {
                if (isFree(path))
                    return {};
                names.taken.insert(numbered); // appeared meanwhile
                continue;
            }
            names.taken.insert(numbered);
            names.folders.insert(numbered);
            if (!isInside(path))
                return {};
            ++m_summary.folders;
            return path;
        }
        return {};
    }

    // Moves chain past the names that are taken, noting the addresses of the shortcuts there.
    void skipTaken(const QString& dir, FolderNames& names, FolderNames::Chain& chain,
                   const QString& name) {
        for (; chain.next <= kMaxNameTries; ++chain.next) {
            const QString numbered = numberedName(name, chain.next);
            const auto shortcut = names.shortcuts.constFind(numbered);
            if (shortcut != names.shortcuts.cend()) {
                auto url = names.urls.find(*shortcut);
                if (url == names.urls.end())
                    url = names.urls.insert(*shortcut,
                                            readShortcutUrl(QDir(dir).filePath(*shortcut)));
                chain.urls.insert(*url);
            } else if (!names.taken.contains(numbered + QStringLiteral(".url"))) {
                return;
            }
        }
    }

    void link(const QString& dir, const Bookmark& link) {
        QString url;
        for (const QChar c : link.url) {
            if (c.unicode() >= 0x20) // a line end would start a line of its own
                url += c;
        }
        switch (kindOf(url)) {
        case AddressKind::Unsafe:
            ++m_summary.unsafe;
            return;
        case AddressKind::NoPage:
            ++m_summary.noPage;
            return;
        case AddressKind::Page:
            break;
        }
        if (m_summary.added + m_summary.present >= m_limit) {
            ++m_summary.overLimit;
            return;
        }
        QString name = favoriteFileName(link.title);
        if (name.isEmpty())
            name = favoriteFileName(QUrl(url).host());
        if (name.isEmpty())
            name = QStringLiteral("Favorite");
        FolderNames& names = namesOf(dir);
        FolderNames::Chain& chain = names.chains[name];
        for (;;) {
            skipTaken(dir, names, chain, name);
            if (chain.urls.contains(url)) {
                ++m_summary.present;
                return;
            }
            if (chain.next > kMaxNameTries)
                break;
            const QString numbered = numberedName(name, chain.next);
            const QString file = numbered + QStringLiteral(".url");
            const QString path = QDir(dir).filePath(file);
            // Made new or not at all: a file that appeared meanwhile is never written over.
            QFile out(path);
            if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly, kPrivateFile)) {
                if (isFree(path))
                    break;
                names.taken.insert(file);
                continue;
            }
            const QByteArray content = "[InternetShortcut]\r\nURL=" + url.toUtf8() + "\r\n";
            if (out.write(content) != content.size() || !out.flush()) {
                out.remove();
                break;
            }
            names.taken.insert(file);
            names.shortcuts.insert(numbered, file);
            names.urls.insert(file, url);
            ++m_summary.added;
            return;
        }
        ++m_summary.failed;
    }

    QString m_root;
    int m_limit;
    const ImportProgress& m_progress;
    int m_done = 0;
    QHash<QString, FolderNames> m_folders;
    ImportSummary m_summary;
};

Bookmark buildTree(const FavoritesScan& scan, const QString& key,
                   const QHash<QString, QList<int>>& folders,
                   const QHash<QString, QList<int>>& links) {
    Bookmark tree;
    for (const int i : folders.value(key)) {
        Bookmark sub = buildTree(scan, scan.nodes().at(i).key, folders, links);
        sub.title = scan.nodes().at(i).text;
        tree.children.append(std::move(sub));
    }
    for (const int i : links.value(key)) {
        const FavoriteEntry& entry = scan.entries().at(i);
        tree.children.append({Bookmark::Kind::Link, entry.name, entry.url, {}});
    }
    return tree;
}

} // namespace

QString ImportSummary::text() const {
    QString result = cancelled
                         ? summaryText(QT_TRANSLATE_NOOP("ImportSummary", "Cancelled.")) + u' '
                         : QString();
    result += added > 0 || folders > 0
                  ? summaryText(QT_TRANSLATE_NOOP("ImportSummary", "Added %1 and %2."))
                        .arg(counted(added, "%n favorite",
                                     QT_TRANSLATE_N_NOOP("ImportSummary", "%n favorites")),
                             counted(folders, "%n folder",
                                     QT_TRANSLATE_N_NOOP("ImportSummary", "%n folders")))
                  : summaryText(QT_TRANSLATE_NOOP("ImportSummary", "Nothing was added."));
    QStringList skipped;
    if (present > 0)
        skipped << counted(present, "%n already in Favorites",
                           QT_TRANSLATE_N_NOOP("ImportSummary", "%n already in Favorites"));
    if (unsafe > 0)
        skipped << counted(
            unsafe, "%n javascript: or data: address",
            QT_TRANSLATE_N_NOOP("ImportSummary", "%n javascript: or data: addresses"));
    if (noPage > 0)
        skipped << counted(noPage, "%n without a page address",
                           QT_TRANSLATE_N_NOOP("ImportSummary", "%n without a page address"));
    if (overLimit > 0)
        skipped << counted(overLimit, "%n past the %1 one import takes",
                           QT_TRANSLATE_N_NOOP("ImportSummary", "%n past the %1 one import takes"))
                       .arg(kMaxImportedFavorites);
    if (failed > 0)
        skipped << counted(failed, "%n that could not be written",
                           QT_TRANSLATE_N_NOOP("ImportSummary", "%n that could not be written"));
    if (!skipped.isEmpty())
        result += u' ' + summaryText(QT_TRANSLATE_NOOP("ImportSummary", "Skipped: %1."))
                             .arg(skipped.join(QStringLiteral(", ")));
    return result;
}

ImportSummary importBookmarks(const Bookmark& root, const QString& favoritesFolder, int limit,
                              const ImportProgress& progress) {
    return Importer(favoritesFolder, limit, progress).run(root);
}

int countBookmarkLinks(const Bookmark& root) {
    return countLinks(root);
}

Bookmark favoritesTree(const QString& favoritesFolder) {
    FavoritesScan scan(favoritesFolder, QStringLiteral("Favorites"));
    scan.run();
    QHash<QString, QList<int>> folders, links;
    for (int i = 1; i < scan.nodes().size(); ++i)
        folders[scan.nodes().at(i).parentKey].append(i);
    for (int i = 0; i < scan.entries().size(); ++i)
        links[scan.entries().at(i).folder].append(i);
    if (scan.nodes().isEmpty())
        return {};
    Bookmark tree = buildTree(scan, scan.nodes().first().key, folders, links);
    tree.title = scan.nodes().first().text;
    return tree;
}

std::optional<Bookmark> readBookmarkFile(const QString& path, QString* error,
                                         const std::function<bool()>& goOn) {
    const auto failure = [error](const QString& why) -> std::optional<Bookmark> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return failure(QCoreApplication::translate("BookmarkFiles", "cannot be read"));
    if (file.size() > kMaxFileBytes)
        return failure(
            QCoreApplication::translate("BookmarkFiles", "too large for a bookmark file"));
    if (file.peek(16) == QByteArray("SQLite format 3", 16))
        return readFirefoxBookmarks(path, error, goOn);
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().startsWith('{'))
        return readChromiumBookmarks(bytes, error);
    if (!looksLikeBookmarkHtml(bytes))
        return failure(QCoreApplication::translate("BookmarkFiles", "not a bookmark file"));
    return readBookmarkHtml(bytes);
}

bool exportFavorites(const QString& favoritesFolder, const QString& filePath, QString* error) {
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(writeBookmarkHtml(favoritesTree(favoritesFolder))) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace kelvane
