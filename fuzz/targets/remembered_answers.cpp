// The remembered answers to site questions as another program may have left them: every answer
// read is one the file could hold, and what was read, saved and read again is the same.
#include "../fuzztarget.h"

#include "base/rememberedanswers.h"

using namespace kelvane;
using namespace kelvane::fuzz;

KELVANE_FUZZ_TARGET(remembered_answers) {
    const char* name = "remembered_answers";
    const QString path = writeInput(QStringLiteral("permissions.txt"), input);
    RememberedAnswers answers(path);
    answers.load();
    const QList<RememberedAnswer> entries = answers.entries();
    for (const RememberedAnswer& entry : entries)
        check(RememberedAnswers::isValidSite(entry.site) &&
                  RememberedAnswers::isValidKind(entry.kind),
              name, QStringLiteral("an answer the file cannot hold: ") + escaped(entry.site));
    check(answers.save(), name, QStringLiteral("not saved"));
    RememberedAnswers again(path);
    again.load();
    check(again.entries() == entries, name,
          QStringLiteral("read %1 answers, saved and read again %2")
              .arg(entries.size())
              .arg(again.entries().size()));
}
