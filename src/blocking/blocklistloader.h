#pragma once

#include "platform/blocklist.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace kelvane {

// What one list file gave.
struct ListFileSummary {
    QString path;
    int rules = 0;
    int skipped = 0;
    bool readable = true;
};

struct LoadedLists {
    std::shared_ptr<const HostMatcher> matcher;
    QList<ListFileSummary> files;
};

// Reads and merges the lists; a file that cannot be read, or is larger than 64 MiB, adds
// nothing. Touches no widget, so it runs on any thread.
LoadedLists loadBlockLists(const QStringList& files);

} // namespace kelvane
