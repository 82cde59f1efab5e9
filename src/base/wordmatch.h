#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// The words of a search text: split at white space, empty ones dropped.
QStringList searchWords(const QString& text);

// True when every word occurs in the title or the address (each word in either), letter case
// ignored. No words match everything.
bool matchesEveryWord(const QStringList& words, const QString& title, const QString& url);

} // namespace kelvane
