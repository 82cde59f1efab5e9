#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// The words of a search text: split at white space, empty ones dropped.
QStringList searchWords(const QString& text);

// True when every word occurs in the title or the address (each word in either), letter case
// ignored (Unicode case folding: "Ü" finds "ü"). No words match everything.
bool matchesEveryWord(const QStringList& words, const QString& title, const QString& url);

// The same rule in two steps, for a list searched again and again: the title and address folded
// once (foldedForMatching), the words folded per search (foldedWords).
QString foldedForMatching(const QString& title, const QString& url);
QStringList foldedWords(const QStringList& words);
bool holdsEveryWord(const QStringList& foldedWords, const QString& folded);

} // namespace kelvane
