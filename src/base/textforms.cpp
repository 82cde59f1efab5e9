#include "base/textforms.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace kelvane {

namespace {

// Parses a whole decimal number (optional sign, digits with an optional '.', optional exponent)
// surrounded by optional blanks. std::from_chars never looks at the locale, never skips blanks
// and refuses hexadecimal in this format, which is exactly the strictness wanted here.
template <typename T> std::optional<T> parseNumber(const QString& text) {
    const QByteArray bytes = text.trimmed().toUtf8();
    const char* first = bytes.constData();
    const char* const last = first + bytes.size();
    if (first != last && *first == '+') {
        ++first;
        if (first != last && (*first == '+' || *first == '-'))
            return std::nullopt;
    }
    if (first == last)
        return std::nullopt;
    T value{};
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

template <typename Int> std::optional<Int> integerFromText(const QString& text) {
    const std::optional<double> number = parseNumber<double>(text);
    if (!number)
        return std::nullopt;
    // The default rounding mode takes halves to even.
    const double rounded = std::nearbyint(*number);
    if (rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

QString boolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> boolFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> number = parseNumber<double>(trimmed))
        return *number != 0.0;
    return std::nullopt;
}

QString positionText(float twips) {
    if (twips == 0.0f)
        twips = 0.0f; // no "-0"
    // Fixed notation keeps large positions readable ("100000", not "1e+05"); without a
    // precision to_chars still gives the shortest text that reads back exactly.
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, twips, std::chars_format::fixed);
    if (ec != std::errc())
        return QString::number(double(twips), 'g', 9);
    return QString::fromLatin1(buffer, end - buffer);
}

std::optional<float> positionFromText(const QString& text) {
    return parseNumber<float>(text);
}

QString int16Text(qint16 value) {
    return QString::number(value);
}

std::optional<qint16> int16FromText(const QString& text) {
    return integerFromText<qint16>(text);
}

QString int32Text(qint32 value) {
    return QString::number(value);
}

std::optional<qint32> int32FromText(const QString& text) {
    return integerFromText<qint32>(text);
}

} // namespace kelvane
