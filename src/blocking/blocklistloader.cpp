#include "blocking/blocklistloader.h"

#include <QFile>

namespace kelvane {

namespace {

constexpr qint64 kMaxListBytes = 64LL << 20;

} // namespace

LoadedLists loadBlockLists(const QStringList& files) {
    auto matcher = std::make_shared<HostMatcher>();
    LoadedLists loaded;
    for (const QString& path : files) {
        ListFileSummary summary{path, 0, 0, false};
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.size() <= kMaxListBytes) {
            ParsedBlockList parsed = parseBlockList(file.readAll());
            summary = {path, int(parsed.rules.size()), parsed.skipped, true};
            matcher->add(std::move(parsed.rules));
        }
        loaded.files.append(summary);
    }
    loaded.matcher = std::move(matcher);
    return loaded;
}

} // namespace kelvane
