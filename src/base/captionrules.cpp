#include "base/captionrules.h"

#include "base/stringtable.h"

#include <QLocale>

#include <cmath>

namespace kelvane {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isValBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// A decimal number read from the start of a text: the characters kept, in a form that
// QLocale::c() reads, and where reading stopped.
struct Scanned {
    QString number; // empty when no digit was found
    qsizetype end = 0;
};

// Reads [sign] digits [. digits] [E|D [sign] digits] from `pos`. With `skipBlanks` (Val),
// blanks between any two characters are passed over. An exponent without digits is not part
// of the number.
Scanned scanNumber(QStringView text, qsizetype pos, bool skipBlanks) {
    const auto skip = [&](qsizetype at) {
        while (skipBlanks && at < text.size() && isValBlank(text[at]))
            ++at;
        return at;
    };
    const auto digitsFrom = [&](qsizetype& at, QString& into) {
        for (at = skip(at); at < text.size() && isDigit(text[at]); at = skip(at + 1))
            into.append(text[at]);
    };

    QString sign, whole, fraction, exponent;
    qsizetype at = skip(pos);
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        sign = text[at];
        ++at;
    }
    digitsFrom(at, whole);
    qsizetype end = at;
    if (at < text.size() && text[at] == u'.') {
        ++at;
        digitsFrom(at, fraction);
        end = at;
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return {};

    if (at < text.size() && QStringView(u"EeDd").contains(text[at])) {
        qsizetype e = skip(at + 1);
        QString expSign;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-')) {
            expSign = text[e];
            ++e;
        }
        digitsFrom(e, exponent);
        if (!exponent.isEmpty()) {
            exponent = QLatin1Char('e') + expSign + exponent;
            end = e;
        }
    }

    Scanned result;
    result.number = sign + (whole.isEmpty() ? QStringLiteral("0") : whole);
    if (!fraction.isEmpty())
        result.number += QLatin1Char('.') + fraction;
    result.number += exponent;
    result.end = end;
    return result;
}

// Rounds half to even into the 16-bit range; nullopt on overflow.
std::optional<qint16> roundToInt16(const QString& number) {
    // The text is well formed, so the only failures are overflow (infinity, out of range
    // below) and underflow (0, which is the right value). The default rounding mode takes
    // halves to even.
    const double rounded = std::nearbyint(QLocale::c().toDouble(number));
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        return std::nullopt;
    return qint16(rounded);
}

} // namespace

std::optional<qint16> wholeInt16(const QString& text) {
    QStringView view(text);
    while (!view.isEmpty() && (view.front() == u' ' || view.front() == u'\t'))
        view = view.sliced(1);
    while (!view.isEmpty() && (view.back() == u' ' || view.back() == u'\t'))
        view.chop(1);

    const Scanned scanned = scanNumber(view, 0, /*skipBlanks=*/false);
    if (scanned.number.isEmpty() || scanned.end != view.size())
        return std::nullopt;
    return roundToInt16(scanned.number);
}

std::optional<qint16> leadingNumber16(const QString& text) {
    const Scanned scanned = scanNumber(text, 0, /*skipBlanks=*/true);
    if (scanned.number.isEmpty())
        return qint16(0);
    return roundToInt16(scanned.number);
}

std::optional<QString> wholeIdText(const QString& property) {
    const std::optional<qint16> id = wholeInt16(property);
    return id ? findTableString(*id) : std::nullopt;
}

std::optional<QString> leadingIdText(const QString& property) {
    const std::optional<qint16> id = leadingNumber16(property);
    return id && *id > 0 ? findTableString(*id) : std::nullopt;
}

std::optional<QString> windowTitleText(const QString& tag) {
    const std::optional<qint16> id = wholeInt16(tag);
    return id && *id != -1 ? findTableString(*id) : std::nullopt;
}

} // namespace kelvane
