#pragma once

#include <QString>

namespace kelvane {

// The manual page kelvane(1), in roff with the man macros: the synopsis, description and
// options from the command line's own table (the one --help is written from), then the files,
// environment, signals and exit status.
QString manPageText();

// text as running roff text: backslashes and hyphens escaped, and a line that would begin with
// a control character ("." or "'") protected.
QString roffEscaped(const QString& text);

} // namespace kelvane
