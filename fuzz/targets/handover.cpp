// Frames from another local process, arriving in pieces of any size, or without end: the
// decoder decides without buffering past its bound, and a message it takes is one a later
// start could have sent.
#include "../fuzztarget.h"

#include "base/handover.h"

using namespace kelvane;
using namespace kelvane::fuzz;

namespace {

// Header: "KVHO", the version, the body length.
constexpr qint64 kFrameBound = 4 + 1 + 4 + HandOverDecoder::kMaxMessage;

} // namespace

KELVANE_FUZZ_TARGET(handover) {
    const char* name = "handover";
    if (input.isEmpty())
        return;
    // The first byte says how the rest arrives: in pieces of (byte / 2 + 1) bytes, and, when
    // the byte is odd, over and over as from a peer that never stops sending.
    const qsizetype piece = (quint8(input.front()) >> 1) + 1;
    const bool endless = input.front() & 1;
    const QByteArrayView bytes = input.sliced(1);

    HandOverDecoder decoder;
    HandOverDecoder::State state = HandOverDecoder::State::NeedMore;
    const auto feed = [&](QByteArrayView part) {
        state = decoder.feed(part);
        check(decoder.bufferedBytes() <= kFrameBound, name,
              QStringLiteral("%1 bytes buffered").arg(decoder.bufferedBytes()));
    };
    for (qsizetype at = 0; at < bytes.size() && state == HandOverDecoder::State::NeedMore;
         at += piece)
        feed(bytes.sliced(at, qMin(piece, bytes.size() - at)));
    if (endless && !bytes.isEmpty()) {
        QByteArray chunk;
        while (chunk.size() < 4096)
            chunk += bytes;
        qint64 sent = bytes.size();
        while (state == HandOverDecoder::State::NeedMore && sent <= 2 * kFrameBound) {
            feed(chunk);
            sent += chunk.size();
        }
        check(state != HandOverDecoder::State::NeedMore, name,
              QStringLiteral("still waiting after %1 bytes").arg(sent));
    }
    check(decoder.state() == state, name, QStringLiteral("state"));
    if (state != HandOverDecoder::State::Complete)
        return;

    const HandOverMessage message = decoder.message();
    check(!hasControlCharacter(message.text), name,
          QStringLiteral("an address with a control character: ") + escaped(message.text));
    check(decoder.feed("x") == HandOverDecoder::State::Invalid, name,
          QStringLiteral("bytes after the frame taken"));
    HandOverDecoder again;
    check(again.feed(encodeHandOver(message)) == HandOverDecoder::State::Complete &&
              again.message().text == message.text &&
              again.message().workingDirectory == message.workingDirectory,
          name, QStringLiteral("the message sent again reads differently"));
}
