#pragma once

#include <QPointer>
#include <QStringList>
#include <QTextDocument>

namespace kelvane {

// The lines a word-wrapped plain-text box shows for its document: each paragraph laid out with
// the document's font and text options at the width the box gives its text, as the box itself
// lays it out, but also while the box is hidden. The line breaks found are kept with each
// paragraph, so after an edit only the changed paragraphs are laid out again (laying out
// megabytes of text takes seconds).
class DisplayedLines {
public:
    explicit DisplayedLines(QTextDocument* document);

    // Every displayed line, an empty paragraph giving one empty line.
    QStringList lines(qreal textWidth);
    // Lays out paragraphs not laid out yet, for about budgetMs, going on where the last call
    // stopped; true once every paragraph is done.
    bool prepare(qreal textWidth, int budgetMs);

private:
    // The ends of the paragraph's lines, laid out now unless known for this text and look.
    const QList<int>& lineEnds(QTextBlock block, const QString& text);
    // A new font or width makes every kept line break stale.
    void useLook(qreal textWidth);

    QPointer<QTextDocument> m_document;
    QString m_look;
    qreal m_textWidth = 0;
    int m_generation = 0;
    int m_nextToPrepare = 0;
};

} // namespace kelvane
