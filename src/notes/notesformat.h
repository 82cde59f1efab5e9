#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvane {

// The notes file: plain text, one paragraph of the notes box per line, each line ended by
// CR LF, UTF-8, no header and no escaping.
inline constexpr char kNotesFileName[] = "notes.kvn";

// The text a notes file adds to the notes box: each line of the file followed by a line break
// ("\n"), the last line too. A line ends at CR LF, or at a lone LF or CR (files edited
// elsewhere). Bytes that are not UTF-8 (a file from an 8-bit code page) are read as Latin-1,
// so every character of the file reaches the box. Byte-order marks at the start are skipped.
QString notesTextFromFile(const QByteArray& bytes);

// The file of the paragraphs of the notes box: every one whole, however long, followed by
// CR LF. The empty paragraph after a final line break holds no notes and is not written, so a
// file loaded and saved again comes back unchanged.
QByteArray notesFileFromLines(QStringList lines);

} // namespace kelvane
