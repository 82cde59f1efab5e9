#include "base/wordmatch.h"

#include <QRegularExpression>

namespace kelvane {

QStringList searchWords(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// A case-insensitive search folds each letter as foldedForMatching does, without copying the
// texts: this runs for every page a word matched, on every key.
bool matchesEveryWord(const QStringList& words, const QString& title, const QString& url) {
    return std::all_of(words.cbegin(), words.cend(), [&](const QString& word) {
        return title.contains(word, Qt::CaseInsensitive) || url.contains(word, Qt::CaseInsensitive);
    });
}

QString foldedForMatching(const QString& text) {
    return text.toCaseFolded(); // shares the text when it has nothing to fold
}

QStringList foldedWords(const QStringList& words) {
    QStringList folded;
    folded.reserve(words.size());
    for (const QString& word : words)
        folded.append(foldedForMatching(word));
    return folded;
}

bool holdsEveryWord(const QStringList& foldedWords, const QString& foldedTitle,
                    const QString& foldedUrl) {
    return std::all_of(foldedWords.cbegin(), foldedWords.cend(), [&](const QString& word) {
        return foldedTitle.contains(word) || foldedUrl.contains(word);
    });
}

bool narrows(const QStringList& before, const QStringList& after) {
    return std::all_of(before.cbegin(), before.cend(), [&](const QString& earlier) {
        return std::any_of(after.cbegin(), after.cend(),
                           [&](const QString& word) { return word.contains(earlier); });
    });
}

} // namespace kelvane
