#pragma once

#include <QString>

namespace kelvane {

// Control characters (C0, DEL and C1) in an address read from a file or from another process:
// they would cut the line of a file the address is written to, or hide part of it from the
// user, and no address needs one.
bool hasControlCharacter(QStringView text);
QString withoutControlCharacters(QStringView text);

} // namespace kelvane
