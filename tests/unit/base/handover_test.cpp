#include "base/handover.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <optional>

using kelvane::HandOverDecoder;
using kelvane::HandOverMessage;
using State = HandOverDecoder::State;

namespace {

QByteArray u32(quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    return QByteArray(bytes, 4);
}

// Builds a frame by hand, with any field overridable, to feed the decoder what no honest
// sender would.
struct RawFrame {
    QByteArray magic = "KVHO";
    char version = 1;
    QByteArray directory;
    QByteArray text;
    std::optional<quint32> bodyLength;
    std::optional<quint32> directoryLength;
    std::optional<quint32> textLength;

    QByteArray bytes() const {
        const QByteArray body = u32(directoryLength.value_or(directory.size())) + directory +
                                u32(textLength.value_or(text.size())) + text;
        return magic + QByteArray(1, version) + u32(bodyLength.value_or(body.size())) + body;
    }
};

TEST(HandOverTest, RoundTripKeepsEveryText) {
    const QString texts[] = {
        "",
        "https://example.com/?q=a b&c=d",
        "\"/home/u/my file.html\" 'single'",
        QStringLiteral("ünïcödé 日本語 \U0001F600"),
        QStringLiteral("\uFEFFstarts with a byte-order mark"),
        QString(QChar(0)) + "after a zero",
        QString(100000, u'x') + QStringLiteral("é"),
    };
    const QString directories[] = {"", QStringLiteral("/home/u/dir with blanks/ä")};
    for (const QString& directory : directories) {
        for (const QString& text : texts) {
            SCOPED_TRACE(text.left(40).toStdString());
            const QByteArray frame = kelvane::encodeHandOver({text, directory});
            ASSERT_FALSE(frame.isEmpty());

            HandOverDecoder whole;
            ASSERT_EQ(whole.feed(frame), State::Complete);
            EXPECT_EQ(whole.message().text, text);
            EXPECT_EQ(whole.message().workingDirectory, directory);

            HandOverDecoder piecewise;
            for (qsizetype i = 0; i + 1 < frame.size(); ++i)
                ASSERT_EQ(piecewise.feed(QByteArrayView(frame).sliced(i, 1)), State::NeedMore);
            ASSERT_EQ(piecewise.feed(QByteArrayView(frame).last(1)), State::Complete);
            EXPECT_EQ(piecewise.message().text, text);
            EXPECT_EQ(piecewise.message().workingDirectory, directory);
        }
    }
}

TEST(HandOverTest, LayoutIsTheDocumentedOne) {
    RawFrame raw;
    raw.directory = "/d";
    raw.text = "t";
    EXPECT_EQ(kelvane::encodeHandOver({"t", "/d"}), raw.bytes());
}

TEST(HandOverTest, BoundIsExact) {
    const qint64 room = HandOverDecoder::kMaxMessage - 8; // the two length fields
    const QByteArray fits = kelvane::encodeHandOver({QString(room, u'a'), ""});
    ASSERT_FALSE(fits.isEmpty());
    HandOverDecoder decoder;
    EXPECT_EQ(decoder.feed(fits), State::Complete);
    EXPECT_EQ(decoder.message().text.size(), room);

    EXPECT_TRUE(kelvane::encodeHandOver({QString(room + 1, u'a'), ""}).isEmpty());
    EXPECT_TRUE(kelvane::encodeHandOver({QString(room, u'a'), "/"}).isEmpty());
}

TEST(HandOverTest, RefusesMalformedFrames) {
    const auto valid = [] {
        RawFrame raw;
        raw.directory = "/home/u";
        raw.text = "page.html";
        return raw;
    };
    struct Case {
        const char* name;
        RawFrame frame;
    };
    std::vector<Case> cases;
    const auto add = [&](const char* name, auto change) {
        RawFrame raw = valid();
        change(raw);
        cases.push_back({name, raw});
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

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = c.frame.bytes();
        HandOverDecoder whole;
        EXPECT_EQ(whole.feed(bytes), State::Invalid);

        HandOverDecoder piecewise;
        State state = State::NeedMore;
        for (qsizetype i = 0; i < bytes.size() && state == State::NeedMore; ++i)
            state = piecewise.feed(QByteArrayView(bytes).sliced(i, 1));
        EXPECT_EQ(state, State::Invalid);
        // Once refused, always refused.
        EXPECT_EQ(piecewise.feed(valid().bytes()), State::Invalid);
    }
}

TEST(HandOverTest, RefusesEarlyWithoutBuffering) {
    // Garbage is refused at its first byte, an oversized length as soon as the header is in.
    HandOverDecoder garbage;
    EXPECT_EQ(garbage.feed("X"), State::Invalid);

    RawFrame huge;
    huge.bodyLength = quint32(HandOverDecoder::kMaxMessage + 1);
    HandOverDecoder header;
    EXPECT_EQ(header.feed(huge.bytes().first(9)), State::Invalid);
}

TEST(HandOverTest, ShortFrameWaitsAndNothingMayFollow) {
    const QByteArray frame = kelvane::encodeHandOver({"text", "/"});

    HandOverDecoder empty;
    EXPECT_EQ(empty.feed({}), State::NeedMore);

    HandOverDecoder shortFrame;
    EXPECT_EQ(shortFrame.feed(QByteArrayView(frame).chopped(1)), State::NeedMore);

    HandOverDecoder trailing;
    EXPECT_EQ(trailing.feed(QByteArray(frame + "x")), State::Invalid);

    HandOverDecoder after;
    ASSERT_EQ(after.feed(frame), State::Complete);
    EXPECT_EQ(after.feed({}), State::Complete);
    EXPECT_EQ(after.feed(frame), State::Invalid);
}

} // namespace
