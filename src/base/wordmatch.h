#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// The words of a search text: split at white space, empty ones dropped.
QStringList searchWords(const QString& text);

// True when every word occurs in the title or the address (each word in either), letter case
// ignored (Unicode case folding: "Ü" finds "ü"). No words match everything.
bool matchesEveryWord(const QStringList& words, const QString& title, const QString& url);

// The same rule in steps, for a list searched again and again: its titles and addresses folded
// once (foldedForMatching), the words per search (foldedWords).
QString foldedForMatching(const QString& text);
QStringList foldedWords(const QStringList& words);
bool holdsEveryWord(const QStringList& foldedWords, const QString& foldedTitle,
                    const QString& foldedUrl);

// True when whatever the folded words after match, the folded words before match too (each word
// before is part of one after): typing on only narrows a search.
bool narrows(const QStringList& before, const QStringList& after);

} // namespace kelvane
