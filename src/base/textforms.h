#pragma once

#include <QString>

#include <optional>

// The written forms of setting values and their conversions back. Every conversion reads the
// C locale: '.' is the decimal point and group separators are not numbers.
namespace kelvane {

// "True" or "False".
QString boolText(bool value);
// "True"/"False" in any letter case, or a number where non-zero means true; blanks around the
// text are ignored.
std::optional<bool> boolFromText(const QString& text);

// The shortest decimal text that reads back as the same single-precision number: 1000, 1234.5,
// -15. Never uses an exponent.
QString positionText(float twips);
std::optional<float> positionFromText(const QString& text);

// Integers are written as plain decimal text. Reading accepts any number: a fraction rounds
// to the nearest integer with halves to even ("12.5" gives 12, "13.5" gives 14); a number out of
// the type's range, or a text that is not a number, gives nothing.
QString int16Text(qint16 value);
std::optional<qint16> int16FromText(const QString& text);
QString int32Text(qint32 value);
std::optional<qint32> int32FromText(const QString& text);

} // namespace kelvane
