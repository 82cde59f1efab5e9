#include "navigator/navigatorfilter.h"

#include <algorithm>

namespace kelvane {

NavigatorFilter::NavigatorFilter(const QString& text)
    // Tabs and other blanks separate words too; a word is kept once.
    : m_words(text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    m_words.removeDuplicates();
}

bool NavigatorFilter::matches(QStringView title, QStringView address) const {
    return std::all_of(m_words.cbegin(), m_words.cend(), [&](const QString& word) {
        return title.contains(word, Qt::CaseInsensitive) ||
               address.contains(word, Qt::CaseInsensitive);
    });
}

QList<TextRange> NavigatorFilter::highlights(QStringView text) const {
    QList<TextRange> found;
    for (const QString& word : m_words) {
        for (qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
             at = text.indexOf(word, at + 1, Qt::CaseInsensitive))
            found.append({at, word.size()});
    }
    std::sort(found.begin(), found.end(),
              [](const TextRange& a, const TextRange& b) { return a.start < b.start; });
    QList<TextRange> merged;
    for (const TextRange& range : found) {
        if (!merged.isEmpty() && range.start <= merged.last().start + merged.last().length) {
            TextRange& last = merged.last();
            last.length =
                std::max(last.start + last.length, range.start + range.length) - last.start;
        } else {
            merged.append(range);
        }
    }
    return merged;
}

} // namespace kelvane
