// The arguments of a start (NUL bytes separate them), read as the program reads them and the
// address resolved against the folder the user started from.
#include "../fuzztarget.h"

#include "base/commandline.h"

#include <QDir>

using namespace kelvane;
using namespace kelvane::fuzz;

KELVANE_FUZZ_TARGET(command_line) {
    const char* name = "command_line";
    const QStringList arguments = QString::fromUtf8(input).split(QChar(0));
    const CommandLine line = parseCommandLine(arguments);
    check((line.action == CommandLine::Action::Error) == !line.error.isEmpty(), name,
          QStringLiteral("an error without its message, or a message without the error"));
    check(!hasControlCharacter(line.text), name,
          QStringLiteral("an address with a control character: ") + escaped(line.text));
    const QString resolved = resolveAgainst(line.text, QDir::currentPath());
    check(!hasControlCharacter(resolved), name,
          QStringLiteral("resolved to an address with a control character: ") + escaped(resolved));
}
