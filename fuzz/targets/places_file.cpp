// A Firefox places.sqlite in any state, as a damaged disk or a hostile profile may hold it: read
// without a crash or a hang, a failure always with its reason, no folder deeper than the limit,
// and no copy of the file left behind.
#include "../fuzztarget.h"

#include "favorites/firefoxplaces.h"
#include "platform/paths.h"

#include <QDir>

using namespace kelvane;
using namespace kelvane::fuzz;

KELVANE_FUZZ_TARGET(places_file) {
    const char* name = "places_file";
    const QString path = writeInput(QStringLiteral("places.sqlite"), input);
    QString error;
    const std::optional<Bookmark> tree = readFirefoxBookmarks(path, &error);
    check(tree || !error.isEmpty(), name, QStringLiteral("refused without a reason"));
    QList<std::pair<const Bookmark*, int>> folders;
    if (tree)
        folders.append({&*tree, 0});
    while (!folders.isEmpty()) {
        const auto [folder, depth] = folders.takeLast();
        check(depth <= kMaxBookmarkDepth, name, QStringLiteral("a folder at depth %1").arg(depth));
        for (const Bookmark& child : folder->children)
            if (child.kind == Bookmark::Kind::Folder)
                folders.append({&child, depth + 1});
    }
    check(QDir(runtimeFolder())
              .entryList({QStringLiteral("kelvane-places-*")}, QDir::AllEntries)
              .isEmpty(),
          name, QStringLiteral("a copy was left behind"));
}
