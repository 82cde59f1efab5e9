#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kelvane {

// What a later start hands to the running instance: its address text and the folder it was
// started from, so that a relative file path opens the file the user meant.
struct HandOverMessage {
    QString text;
    QString workingDirectory;
};

// Frame layout (all integers unsigned 32-bit big-endian):
//   "KVHO"  version byte (1)  body length
//   body:   directory length, directory (UTF-8), text length, text (UTF-8)
// The body length is at most HandOverDecoder::kMaxMessage. Returns an empty array when the
// message does not fit that bound.
QByteArray encodeHandOver(const HandOverMessage& message);

// Reads one frame from bytes that arrive in arbitrary pieces. Anything malformed (wrong magic
// or version, a body length past the bound, lengths that disagree, bytes after the frame,
// invalid UTF-8) is Invalid, and the decoder stays Invalid. The text of a message comes without
// control characters.
class HandOverDecoder {
public:
    enum class State { NeedMore, Complete, Invalid };

    // A sane bound on the body; a larger length is refused from the header, before any of the
    // body is buffered.
    static constexpr qint64 kMaxMessage = 1 << 20;

    State feed(QByteArrayView bytes);
    State state() const { return m_state; }
    // The memory held for the frame so far; never more than the header and kMaxMessage.
    qint64 bufferedBytes() const { return m_header.capacity() + m_body.capacity(); }
    // Valid once feed() returned Complete.
    HandOverMessage message() const { return m_message; }

private:
    State fail();
    State finish();

    State m_state = State::NeedMore;
    QByteArray m_header;
    QByteArray m_body;
    qint64 m_bodyLength = -1;
    HandOverMessage m_message;
};

// The running instance answers a well-formed message with this one byte once it has acted on it.
inline constexpr char kHandOverAck = 0x06;

} // namespace kelvane
