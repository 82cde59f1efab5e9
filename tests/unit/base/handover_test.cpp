#include "base/handover.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <optional>

using namespace kelvane;
using State = HandOverDecoder::State;

namespace {

QByteArray u32(quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    return QByteArray(bytes, 4);
}

// A frame built by hand, any field overridable, to feed the decoder what no honest sender would.
struct RawFrame {
    QByteArray magic = "KVHO";
    char version = 1;
    QByteArray directory = "/home/u";
    QByteArray text = "page.html";
    std::optional<quint32> bodyLength, directoryLength, textLength;

    QByteArray bytes() const {
        const QByteArray body = u32(directoryLength.value_or(directory.size())) + directory +
                                u32(textLength.value_or(text.size())) + text;
        return magic + QByteArray(1, version) + u32(bodyLength.value_or(body.size())) + body;
    }
};

// What the decoder makes of the bytes fed whole, and fed one at a time.
std::pair<State, State> decode(const QByteArray& bytes, HandOverMessage* message = nullptr) {
    HandOverDecoder whole, piecewise;
    const State wholeState = whole.feed(bytes);
    State state = State::NeedMore;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        state = piecewise.feed(QByteArrayView(bytes).sliced(i, 1));
        if (state != State::NeedMore && i + 1 < bytes.size())
            return {wholeState, State::Invalid}; // decided too early
    }
    if (message)
        *message = piecewise.message();
    return {wholeState, state};
}

TEST(HandOverTest, RoundTripKeepsEveryTextInTheDocumentedLayout) {
    const QString texts[] = {"", "\"/home/u/my file.html\" 'single' ?q=a b&c=d",
                             QStringLiteral("\uFEFFünï 日本語 \U0001F600"),
                             QString(100000, u'x') + QStringLiteral("é")};
    for (const QString& directory : {QString(), QStringLiteral("/home/u/dir with blanks/ä"),
                                     QString(QString(QChar(0)) + "after a zero")}) {
        for (const QString& text : texts) {
            SCOPED_TRACE(text.left(40).toStdString());
            HandOverMessage message;
            EXPECT_EQ(decode(encodeHandOver({text, directory}), &message),
                      std::pair(State::Complete, State::Complete));
            EXPECT_EQ(message.text, text);
            EXPECT_EQ(message.workingDirectory, directory);
        }
    }
    EXPECT_EQ(encodeHandOver({"page.html", "/home/u"}), RawFrame().bytes());
    HandOverMessage message;
    decode(encodeHandOver({QStringLiteral("a\tb\x7f\u0085c"), "/"}), &message);
    EXPECT_EQ(message.text, "abc") << "an address keeps no control character";
}

TEST(HandOverTest, RefusesMalformedFrames) {
    std::vector<std::pair<const char*, RawFrame>> cases;
    const auto add = [&](const char* name, auto change) {
        RawFrame raw;
        change(raw);
        cases.emplace_back(name, raw);
    };
    add("wrong magic", [](RawFrame& r) { r.magic = "KVHX"; });
    add("wrong version", [](RawFrame& r) { r.version = 2; });
    add("body length too small for its fields", [](RawFrame& r) { r.bodyLength = 7; });
    add("body length past the bound",
        [](RawFrame& r) { r.bodyLength = quint32(HandOverDecoder::kMaxMessage + 1); });
    add("directory longer than the body", [](RawFrame& r) { r.directoryLength = 1000; });
    add("directory length wraps", [](RawFrame& r) { r.directoryLength = 0xFFFFFFF0u; });
    add("text shorter than its length", [](RawFrame& r) { r.textLength = 100; });
    add("text longer than its length", [](RawFrame& r) { r.textLength = 2; });
    add("overlong zero", [](RawFrame& r) { r.text = "a\xC0\x80"; });
    add("encoded surrogate", [](RawFrame& r) { r.text = "\xED\xA0\x80"; });
    add("past U+10FFFF", [](RawFrame& r) { r.text = "\xF4\x90\x80\x80"; });
    add("stray byte", [](RawFrame& r) { r.text = "ab\xFF"; });
    add("truncated sequence", [](RawFrame& r) { r.text = "ab\xE2\x82"; });
    add("bad directory", [](RawFrame& r) { r.directory = "/home/\xC3"; });
    for (const auto& [name, frame] : cases) {
        EXPECT_EQ(decode(frame.bytes()), std::pair(State::Invalid, State::Invalid)) << name;
        HandOverDecoder refused;
        refused.feed(frame.bytes());
        EXPECT_EQ(refused.feed(RawFrame().bytes()), State::Invalid) << name << ": for good";
    }
}

TEST(HandOverTest, RefusesEarlyAndNothingMayFollow) {
    // Garbage is refused at its first byte, an oversized length as soon as the header is in.
    HandOverDecoder garbage, header, trailing, after;
    EXPECT_EQ(garbage.feed("X"), State::Invalid);
    RawFrame huge;
    huge.bodyLength = quint32(HandOverDecoder::kMaxMessage + 1);
    EXPECT_EQ(header.feed(huge.bytes().first(9)), State::Invalid);

    const QByteArray frame = encodeHandOver({"text", "/"});
    EXPECT_EQ(trailing.feed(QByteArray(frame + "x")), State::Invalid);
    EXPECT_EQ(after.feed({}), State::NeedMore);
    EXPECT_EQ(after.feed(QByteArrayView(frame).chopped(1)), State::NeedMore);
    EXPECT_EQ(after.feed(QByteArrayView(frame).last(1)), State::Complete);
    EXPECT_EQ(after.feed({}), State::Complete);
    EXPECT_EQ(after.feed(frame), State::Invalid);
}

} // namespace
