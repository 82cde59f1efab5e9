#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace kelvane {

// The program's string table: every user-visible text of its windows, addressed by a 16-bit
// identifier. Window designs carry identifiers in place of texts (see app/captions.h); code
// that shows a message or sets a caption at run time reads the table directly.

// The text of `id`, or nullopt when the table has no such identifier.
std::optional<QString> findTableString(int id);

// The text of `id`; an empty text when the table has no such identifier.
QString tableString(int id);

// Every identifier of the table, ascending.
QList<int> tableIdentifiers();

} // namespace kelvane
