// The blocked-sites list as another editor may have left it: loaded, saved and loaded again it
// is the same list, and an address that is one of its entries is blocked.
#include "../fuzztarget.h"

#include "popups/blockedsites.h"

using namespace kelvane;
using namespace kelvane::fuzz;

KELVANE_FUZZ_TARGET(blocked_sites) {
    const char* name = "blocked_sites";
    const QString path = writeInput(QStringLiteral("blacklist.kvn"), input);
    BlockedSitesFile file(path);
    const QStringList entries = file.load();
    for (const QString& entry : entries)
        check(!entry.contains(u'\r') && !entry.contains(u'\n'), name,
              QStringLiteral("a line end in an entry"));

    check(file.save(entries), name, QStringLiteral("not saved"));
    const QStringList again = BlockedSitesFile(path).load();
    check(again == entries, name,
          QStringLiteral("loaded %1 entries, saved and loaded again %2 (first %3 / %4)")
              .arg(entries.size())
              .arg(again.size())
              .arg(escaped(entries.value(0)), escaped(again.value(0))));

    for (const QString& address : {entries.value(entries.size() - 1), QString::fromUtf8(input)}) {
        const qsizetype found = findBlockedEntry(entries, address);
        check(found >= -1 && found < entries.size(), name, QStringLiteral("entry out of range"));
        if (found >= 0)
            check(!entries[found].isEmpty() &&
                      address.contains(entries[found], Qt::CaseInsensitive),
                  name, QStringLiteral("an entry that is not in the address"));
    }
    if (!entries.isEmpty() && !entries.last().isEmpty())
        check(isBlockedSite(entries, entries.last()), name,
              QStringLiteral("an entry does not block itself: ") + escaped(entries.last()));
}
