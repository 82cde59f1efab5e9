// The start guard's record as a crash or an editor may have left it: read as a start reads it,
// and written and read again, the same.
#include "../fuzztarget.h"

#include "base/startguard.h"

#include <QFile>

using namespace kelvane;
using namespace kelvane::fuzz;

KELVANE_FUZZ_TARGET(start_record) {
    const char* name = "start_record";
    const UncleanStarts record = parseUncleanStarts(input.toByteArray());
    check(record.count >= 0, name, QStringLiteral("a negative count"));
    const UncleanStarts again = parseUncleanStarts(uncleanStartsText(record));
    check(again.count == record.count && again.documents == record.documents, name,
          QStringLiteral("written and read again differs"));

    const QString path = writeInput(QStringLiteral("starts.kvn"), input);
    StartGuard(path).beginRestore({QStringLiteral("http://a/")});
    QFile file(path);
    check(file.open(QIODevice::ReadOnly) && parseUncleanStarts(file.readAll()).count >= 1, name,
          QStringLiteral("this start not recorded"));
}
