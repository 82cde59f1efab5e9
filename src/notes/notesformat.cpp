#include "notes/notesformat.h"

#include <QStringDecoder>

namespace kelvane {

QString notesTextFromFile(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    // The decoder takes one byte-order mark; one more (an editor's own before ours) would reach
    // the box and be lost at the next save and load.
    qsizetype marks = 0;
    while (marks < text.size() && text[marks] == QChar::ByteOrderMark)
        ++marks;
    text.remove(0, marks);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    return text;
}

QByteArray notesFileFromLines(QStringList lines) {
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    QString text;
    for (const QString& line : std::as_const(lines)) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}

} // namespace kelvane
