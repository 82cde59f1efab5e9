#include "base/handover.h"

#include "base/controlcharacters.h"

#include <QStringDecoder>
#include <QtEndian>

#include <optional>

namespace kelvane {

namespace {

constexpr char kMagic[] = {'K', 'V', 'H', 'O'};
constexpr qsizetype kMagicSize = sizeof(kMagic);
constexpr char kVersion = 1;
constexpr qsizetype kHeaderSize = kMagicSize + 1 + 4;
// The two length fields of the body.
constexpr qint64 kMinBody = 8;

void appendU32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

quint32 readU32(const char* bytes) {
    return qFromBigEndian<quint32>(bytes);
}

// Strict: any invalid or truncated sequence fails instead of turning into U+FFFD, and a
// leading U+FEFF is kept, so the text arrives exactly as it was sent.
std::optional<QString> decodeUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QByteArray encodeHandOver(const HandOverMessage& message) {
    const QByteArray directory = message.workingDirectory.toUtf8();
    const QByteArray text = message.text.toUtf8();
    const qint64 bodyLength = kMinBody + directory.size() + text.size();
    if (bodyLength > HandOverDecoder::kMaxMessage)
        return {};

    QByteArray frame;
    frame.reserve(kHeaderSize + bodyLength);
    frame.append(kMagic, kMagicSize);
    frame.append(kVersion);
    appendU32(frame, quint32(bodyLength));
    appendU32(frame, quint32(directory.size()));
    frame.append(directory);
    appendU32(frame, quint32(text.size()));
    frame.append(text);
    return frame;
}

HandOverDecoder::State HandOverDecoder::feed(QByteArrayView bytes) {
    if (m_state == State::Invalid)
        return m_state;
    if (m_state == State::Complete)
        return bytes.isEmpty() ? m_state : fail(); // one message per frame, nothing after it

    // Header, checked byte by byte so that garbage is refused at its first wrong byte.
    if (m_header.isEmpty())
        m_header.reserve(kHeaderSize);
    while (m_header.size() < kHeaderSize && !bytes.isEmpty()) {
        const qsizetype at = m_header.size();
        const char byte = bytes.front();
        bytes = bytes.sliced(1);
        if (at < kMagicSize && byte != kMagic[at])
            return fail();
        if (at == kMagicSize && byte != kVersion)
            return fail();
        m_header.append(byte);
        if (m_header.size() == kHeaderSize) {
            m_bodyLength = readU32(m_header.constData() + kMagicSize + 1);
            if (m_bodyLength < kMinBody || m_bodyLength > kMaxMessage)
                return fail();
        }
    }
    if (m_header.size() < kHeaderSize)
        return m_state;

    const qint64 needed = m_body.size() + bytes.size();
    if (needed > m_bodyLength)
        return fail();
    // Grown in steps, never past the length the header announced (growing by itself the array
    // could take twice that).
    if (needed > m_body.capacity())
        m_body.reserve(qMin(qMax(needed, 2 * qint64(m_body.capacity())), m_bodyLength));
    m_body.append(bytes.data(), bytes.size());
    if (m_body.size() < m_bodyLength)
        return m_state;
    return finish();
}

HandOverDecoder::State HandOverDecoder::fail() {
    m_state = State::Invalid;
    m_header.clear();
    m_body = QByteArray(); // give the memory back at once
    m_message = {};
    return m_state;
}

HandOverDecoder::State HandOverDecoder::finish() {
    const char* data = m_body.constData();
    const qint64 size = m_body.size();

    const qint64 directoryLength = readU32(data);
    if (directoryLength > size - kMinBody)
        return fail();
    const qint64 textAt = 4 + directoryLength;
    const qint64 textLength = readU32(data + textAt);
    if (textLength != size - textAt - 4)
        return fail();

    const auto directory = decodeUtf8(QByteArrayView(data + 4, directoryLength));
    const auto text = decodeUtf8(QByteArrayView(data + textAt + 4, textLength));
    if (!directory || !text)
        return fail();

    // The text is an address: a peer's control characters are dropped, as a start drops them
    // from its own command line. The folder is the peer's own, whatever its name.
    m_message = {withoutControlCharacters(*text), *directory};
    m_body = QByteArray();
    m_state = State::Complete;
    return m_state;
}

} // namespace kelvane
