// Internet shortcuts in every encoding a browser writes (8-bit, UTF-8 with or without a mark,
// UTF-16 either way round, UTF-7 in the wide section): the reader of the favorites and of a
// shortcut opened from the command line, and the writer that stores an edited address.
#include "../fuzztarget.h"

#include "base/shortcutfile.h"

using namespace kelvane;
using namespace kelvane::fuzz;

KELVANE_FUZZ_TARGET(shortcut_file) {
    const QString path = writeInput(QStringLiteral("link.url"), input);
    const QString url = readShortcutUrl(path);
    check(!hasControlCharacter(url), "shortcut_file",
          QStringLiteral("an address with a control character: ") + escaped(url));

    // Whatever else the file holds, the address the writer stores is the one read back. The
    // address is the input's tail, as the writer and the reader keep it (no control
    // characters, no blanks at either end).
    QString address;
    for (const QChar c : QString::fromUtf8(input.last(qMin<qsizetype>(input.size(), 48)))) {
        if (!hasControlCharacter(QStringView(&c, 1)))
            address += c;
    }
    address = address.trimmed();
    if (address.isEmpty())
        address = QStringLiteral("http://example.org/\u00E9t\u00E9?a=1;b,c\\d+e#\u65E5");
    if (writeShortcutUrl(path, address)) {
        const QString back = readShortcutUrl(path);
        check(back == address, "shortcut_file",
              QStringLiteral("wrote %1, read back %2").arg(escaped(address), escaped(back)));
    }
}
