#include "base/wordmatch.h"

#include <QRegularExpression>

namespace kelvane {

QStringList searchWords(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

bool matchesEveryWord(const QStringList& words, const QString& title, const QString& url) {
    return holdsEveryWord(foldedWords(words), foldedForMatching(title, url));
}

// A word holds no white space, so none is found across the line break between the two.
QString foldedForMatching(const QString& title, const QString& url) {
    return title.toCaseFolded() + QLatin1Char('\n') + url.toCaseFolded();
}

QStringList foldedWords(const QStringList& words) {
    QStringList folded;
    folded.reserve(words.size());
    for (const QString& word : words)
        folded.append(word.toCaseFolded());
    return folded;
}

bool holdsEveryWord(const QStringList& foldedWords, const QString& folded) {
    return std::all_of(foldedWords.cbegin(), foldedWords.cend(),
                       [&](const QString& word) { return folded.contains(word); });
}

} // namespace kelvane
