#include "quicksearch/searchaddress.h"

#include <QUrl>

namespace kelvane {

namespace {

// The search services, kept here only.
constexpr char kWebSearchHost[] = "https://www.google.com";
constexpr char kGroupsSearchHost[] = "https://groups.google.com";

constexpr char kWebPath[] = "/search?hl=en&lr=&ie=UTF-8&oe=UTF-8&q=";
constexpr char kGroupsPath[] = "/groups?hl=en&lr=&ie=UTF-8&oe=UTF-8&tab=nf&q=";
constexpr char kGroupsSuffix[] = "&sa=N&tab=fg";

QStringView trimBlanks(QStringView text) {
    while (text.startsWith(QLatin1Char(' ')))
        text = text.mid(1);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace

QByteArray encodeSearchQuery(const QString& query) {
    // A "+" of the query is encoded as %2B first, so every "+" left afterwards is a blank.
    QByteArray encoded = QUrl::toPercentEncoding(trimBlanks(query).toString());
    encoded.replace("%20", "+");
    return encoded;
}

QString searchAddress(int methodIndex, const QString& query) {
    const QString encoded = QString::fromLatin1(encodeSearchQuery(query));
    if (methodIndex != int(SearchMethod::Web)) {
        return QLatin1String(kGroupsSearchHost) + QLatin1String(kGroupsPath) + encoded +
               QLatin1String(kGroupsSuffix);
    }
    return QLatin1String(kWebSearchHost) + QLatin1String(kWebPath) + encoded;
}

} // namespace kelvane
