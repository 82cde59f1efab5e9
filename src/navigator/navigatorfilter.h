#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kelvane {

// A stretch of a text: where it starts and how many characters it holds.
struct TextRange {
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

// What the user typed into the Navigator's filter box. A document stays listed when every word
// of it occurs in the document's title or in its address, in any letter case and in any order.
class NavigatorFilter {
public:
    explicit NavigatorFilter(const QString& text = {});

    // No words: every document is listed.
    bool isEmpty() const { return m_words.isEmpty(); }
    const QStringList& words() const { return m_words; }

    bool matches(QStringView title, QStringView address) const;
    // Where the words occur in text, every occurrence, overlapping ones merged, in order.
    QList<TextRange> highlights(QStringView text) const;

private:
    QStringList m_words;
};

} // namespace kelvane
