// The notes file as another editor may have left it, read as the notes pane reads it at start;
// what was read, saved and read again, comes back the same.
#include "../fuzztarget.h"

#include "notes/notesfile.h"

using namespace kelvane;
using namespace kelvane::fuzz;

KELVANE_FUZZ_TARGET(notes_file) {
    const char* name = "notes_file";
    const QString path = writeInput(QStringLiteral("notes.kvn"), input);
    NotesFile notes(path);
    const QString text = notes.read();
    check(!text.contains(u'\r'), name, QStringLiteral("a carriage return in the notes box"));
    check(text.isEmpty() || text.endsWith(u'\n'), name, QStringLiteral("last line not ended"));

    check(notes.write(text.split(u'\n')), name, QStringLiteral("not written"));
    const QString again = NotesFile(path).read();
    check(again == text, name,
          QStringLiteral("read %1, saved and read again %2").arg(escaped(text), escaped(again)));
}
