#include "notes/displayedlines.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextLayout>

namespace kelvane {

namespace {

// Kept with a paragraph: its line breaks, and what they were found for.
struct LineBreaks : QTextBlockUserData {
    size_t textHash = 0;
    qsizetype textSize = -1;
    int generation = -1;
    QList<int> ends;
};

} // namespace

DisplayedLines::DisplayedLines(QTextDocument* document)
    : m_document(document) {}

void DisplayedLines::useLook(qreal textWidth) {
    const QString look = m_document->defaultFont().toString() + QLatin1Char('/') +
                         QString::number(textWidth) + QLatin1Char('/') +
                         QString::number(int(m_document->defaultTextOption().wrapMode()));
    if (look != m_look) {
        m_look = look;
        m_textWidth = textWidth;
        ++m_generation;
        m_nextToPrepare = 0;
    }
}

const QList<int>& DisplayedLines::lineEnds(QTextBlock block, const QString& text) {
    auto* breaks = static_cast<LineBreaks*>(block.userData());
    if (!breaks) {
        breaks = new LineBreaks;
        block.setUserData(breaks);
    }
    const size_t hash = qHash(text);
    if (breaks->generation == m_generation && breaks->textSize == text.size() &&
        breaks->textHash == hash)
        return breaks->ends;

    // As the box lays out a paragraph: the document's font and options, the full text width
    // less the document's margin on either side.
    const qreal width = qMax(qreal(0), m_textWidth - 2 * m_document->documentMargin());
    QTextLayout layout(text, m_document->defaultFont());
    layout.setTextOption(m_document->defaultTextOption());
    breaks->ends.clear();
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        breaks->ends.append(line.textStart() + line.textLength());
    }
    layout.endLayout();
    if (breaks->ends.isEmpty())
        breaks->ends.append(0);
    breaks->generation = m_generation;
    breaks->textSize = text.size();
    breaks->textHash = hash;
    return breaks->ends;
}

QStringList DisplayedLines::lines(qreal textWidth) {
    QStringList lines;
    if (!m_document)
        return lines;
    useLook(textWidth);
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        int start = 0;
        for (int end : lineEnds(block, text)) {
            QString line = text.mid(start, end - start);
            // A line break typed within a paragraph (Shift+Enter) ends the line; the file's
            // own line end takes its place.
            if (line.endsWith(QChar::LineSeparator))
                line.chop(1);
            lines.append(line);
            start = end;
        }
    }
    return lines;
}

bool DisplayedLines::prepare(qreal textWidth, int budgetMs) {
    if (!m_document)
        return true;
    useLook(textWidth);
    QElapsedTimer elapsed;
    elapsed.start();
    QTextBlock block = m_document->findBlockByNumber(m_nextToPrepare);
    for (; block.isValid() && !elapsed.hasExpired(budgetMs); block = block.next())
        lineEnds(block, block.text());
    m_nextToPrepare = block.isValid() ? block.blockNumber() : m_document->blockCount();
    return !block.isValid();
}

} // namespace kelvane
