#pragma once

#include <QList>
#include <QString>

#include <optional>

class QTranslator;

namespace kelvane {

// The program's string table: every user-visible text of its windows, addressed by a 16-bit
// identifier. Window designs carry identifiers in place of texts (see app/captions.h); code
// that shows a message or sets a caption at run time reads the table directly.

// Texts in the user's language: each entry's translation (context "StringTable", the English
// text as its source) comes from `translator`, the English text where it has none. The table
// keeps its English texts; null goes back to them.
void setTableTranslator(const QTranslator* translator);

// The text of `id`, or nullopt when the table has no such identifier.
std::optional<QString> findTableString(int id);

// The text of `id`; an empty text when the table has no such identifier.
QString tableString(int id);

// Every identifier of the table, ascending.
QList<int> tableIdentifiers();

} // namespace kelvane
