#pragma once

#include <QByteArray>
#include <QString>

namespace kelvane {

// The methods of the Quick Search dialog, as indexes of its method box.
enum class SearchMethod { Web = 0, Groups = 1 };

// The query as it goes into an address: leading and trailing blanks dropped, every blank a
// "+", every other character but the unreserved ones (letters, digits, "-", ".", "_", "~")
// percent-encoded as UTF-8. "red & blue" gives "red+%26+blue", "c++" gives "c%2B%2B".
QByteArray encodeSearchQuery(const QString& query);

// The result page of a query: the web search for method index 0, the groups search for any
// other index (a stored index that names no method still searches the groups).
QString searchAddress(int methodIndex, const QString& query);

} // namespace kelvane
