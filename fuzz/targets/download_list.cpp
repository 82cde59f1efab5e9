// The list of earlier downloads as a damaged disk or another program may have left it: no
// record with an address or path holding a control character, and what was read, written and
// read again is the same list.
#include "../fuzztarget.h"

#include "base/downloadlist.h"

using namespace kelvane;
using namespace kelvane::fuzz;

KELVANE_FUZZ_TARGET(download_list) {
    const char* name = "download_list";
    const QString path = writeInput(QStringLiteral("downloads.kvn"), input);
    const QList<DownloadRecord> records = readDownloadList(path);
    check(records.size() <= kDownloadListSize, name, QStringLiteral("more records than kept"));
    for (const DownloadRecord& record : records) {
        for (const QString& field : {record.url, record.path})
            for (const QChar c : field)
                check(c.category() != QChar::Other_Control, name,
                      QStringLiteral("a control character in ") + escaped(field));
    }
    check(writeDownloadList(records, path), name, QStringLiteral("not written"));
    const QList<DownloadRecord> again = readDownloadList(path);
    check(again == records, name,
          QStringLiteral("read %1 records, written and read again %2")
              .arg(records.size())
              .arg(again.size()));
}
