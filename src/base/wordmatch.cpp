#include "base/wordmatch.h"

#include <QRegularExpression>

namespace kelvane {

QStringList searchWords(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

bool matchesEveryWord(const QStringList& words, const QString& title, const QString& url) {
    return std::all_of(words.cbegin(), words.cend(), [&](const QString& word) {
        return title.contains(word, Qt::CaseInsensitive) || url.contains(word, Qt::CaseInsensitive);
    });
}

} // namespace kelvane
