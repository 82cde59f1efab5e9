#pragma once

#include <QString>

#include <optional>

namespace kelvane {

// Number rules of the caption loader (app/captions.h), kept free of widgets.

// Reads `text` as a whole as a 16-bit integer, the way BASIC's CInt reads a string: blanks and
// tabs around it are allowed, then an optional sign, decimal digits with an optional fraction
// and exponent ("E" or "D"), rounded half to even. Anything else after the number, an empty
// text or a value outside -32768..32767 gives nullopt. "1503" -> 1503, " -1 " -> -1,
// "1503a" -> nullopt.
std::optional<qint16> wholeInt16(const QString& text);

// Reads the leading number of `text`, the way BASIC's Val does, rounded half to even to a
// 16-bit integer. Blanks, tabs and line feeds are ignored throughout, reading stops at the
// first character that cannot continue the number, and a text without a leading number is 0.
// Overflow gives nullopt. "1503a" -> 1503, "" -> 0, "abc" -> 0, "2.5" -> 2.
// Radix prefixes (&H, &O) are not read: identifiers are written in decimal.
std::optional<qint16> leadingNumber16(const QString& text);

// The table text of the identifier written as a whole in `property` (a label's caption, a
// menu item's caption, a tab's Tag...); nullopt when it is no number or no entry.
std::optional<QString> wholeIdText(const QString& property);

// The general rule: the table text of the leading number of `property` (a Tag, a tool tip)
// when that number is above 0; nullopt otherwise, so the property stays as it is.
std::optional<QString> leadingIdText(const QString& property);

// The window title for a window's Tag: the text of the identifier the Tag holds as a whole,
// except -1, which means "keep the designed title".
std::optional<QString> windowTitleText(const QString& tag);

} // namespace kelvane
