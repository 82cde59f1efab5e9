// A Chromium-family "Bookmarks" file in any state: read without a crash, a failure always with
// its reason, no folder deeper than the limit, and every link of the file (up to that depth)
// found in the tree.
#include "../fuzztarget.h"

#include "favorites/browserbookmarks.h"

using namespace kelvane;
using namespace kelvane::fuzz;

KELVANE_FUZZ_TARGET(chromium_bookmarks) {
    const char* name = "chromium_bookmarks";
    const QByteArray json = input.toByteArray();
    QString error;
    const std::optional<Bookmark> tree = readChromiumBookmarks(json, &error);
    check(tree || !error.isEmpty(), name, QStringLiteral("refused without a reason"));
    if (!tree)
        return;
    check(tree->title == QLatin1String("Chromium"), name, QStringLiteral("the root is renamed"));
    QList<std::pair<const Bookmark*, int>> folders{{&*tree, 0}};
    while (!folders.isEmpty()) {
        const auto [folder, depth] = folders.takeLast();
        check(depth <= kMaxBookmarkDepth, name, QStringLiteral("a folder at depth %1").arg(depth));
        for (const Bookmark& child : folder->children) {
            check(child.kind != Bookmark::Kind::Separator, name, QStringLiteral("a separator"));
            if (child.kind == Bookmark::Kind::Folder)
                folders.append({&child, depth + 1});
        }
    }
}
