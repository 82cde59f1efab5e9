#pragma once

#include <QString>

namespace kelvane {

// Renames from to to in one step, never replacing what is at to: a file, a folder or a link
// (a dangling one too) there makes it fail with EEXIST. 0 when moved, else the errno.
// Unlike QFile::rename, it never falls back to copying into an existing name.
int moveWithoutReplacing(const QString& from, const QString& to);

} // namespace kelvane
