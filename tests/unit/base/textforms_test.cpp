#include "base/captionrules.h"
#include "base/textforms.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

template <typename T> QString shown(std::optional<T> value) {
    return value ? QString::number(*value) : QStringLiteral("-");
}

TEST(TextForms, ReadingAcceptsNumbersAndRejectsTheRest) {
    // The form read ('b'ool, 16- or 32-bit 'i'nteger, 'p'osition), a text, what it reads as
    // ("-": nothing).
    // clang-format off
    const char* const cases[][3] = {
        {"b", "True", "1"}, {"b", "  tRuE\t", "1"}, {"b", "-1", "1"}, {"b", "0.5", "1"},
        {"b", "FALSE", "0"}, {"b", "0.0", "0"}, {"b", "", "-"}, {"b", "yes", "-"},
        {"b", "Truex", "-"}, {"b", "nan", "-"}, {"b", "0x1", "-"}, {"b", "1,0", "-"},
        {"i", " 12 ", "12"}, {"i", "12.5", "12"}, {"i", "13.5", "14"}, {"i", "-12.5", "-12"},
        {"i", "32767.4", "32767"}, {"i", "-32768.5", "-32768"}, {"i", "1e3", "1000"},
        {"i", "32767.5", "-"}, {"i", "-32769", "-"}, {"i", "1,000", "-"}, {"i", "12abc", "-"},
        {"I", "-2147483648", "-2147483648"}, {"I", "2147483647.5", "-"}, {"I", "&HFF", "-"},
        {"p", " 1234.5 ", "1234.5"}, {"p", ".5", "0.5"}, {"p", "1,5", "-"}, {"p", "1 000", "-"},
        {"p", "1e39", "-"}, {"p", "-inf", "-"}, {"p", "12px", "-"}};
    // clang-format on
    for (const auto& [form, text, value] : cases) {
        const QString read = *form == 'b'   ? shown(boolFromText(text))
                             : *form == 'i' ? shown(int16FromText(text))
                             : *form == 'I' ? shown(int32FromText(text))
                                            : shown(positionFromText(text));
        EXPECT_EQ(read, value) << form << " " << text;
    }
}

TEST(TextForms, PositionsAreShortestPlainDecimalsThatReadBackExactly) {
    const std::pair<float, const char*> written[] = {
        {1000.0f, "1000"}, {1234.5f, "1234.5"}, {-0.0f, "0"}, {0.1f, "0.1"}, {1e7f, "10000000"}};
    for (const auto& [value, text] : written)
        EXPECT_EQ(positionText(value), QLatin1String(text)) << text;
    for (float v : {1.0f / 3.0f, -98765.4f, 16777217.0f, 3.4e38f, 1.2e-38f})
        EXPECT_EQ(positionFromText(positionText(v)), v) << v;
}

TEST(CaptionRules, WholeAndLeadingNumbers) {
    // A text; read as a whole (CInt), and its leading number (Val); "-" for nothing.
    // clang-format off
    const char* const cases[][3] = {
        {"1503", "1503", "1503"}, {"  -1\t", "-1", "-1"}, {"32767", "32767", "32767"},
        {"-32768", "-32768", "-32768"}, {"32768", "-", "-"}, {"2.5", "2", "2"}, {"3.5", "4", "4"},
        {"2.51", "3", "3"}, {"32767.5", "-", "-"}, {"1E3", "1000", "1000"},
        {"15d2", "1500", "1500"}, {"1503a", "-", "1503"}, {"a1503", "-", "0"},
        {"15 03", "-", "1503"}, {"1e", "-", "1"}, {"", "-", "0"}, {"-", "-", "0"},
        {"&H10", "-", "0"}, {"1e400", "-", "-"}, {"0x10", "-", "0"}, {"\xd9\xa1", "-", "0"}};
    // clang-format on
    for (const auto& [text, whole, leading] : cases) {
        EXPECT_EQ(shown(wholeInt16(QString::fromUtf8(text))), whole) << text;
        EXPECT_EQ(shown(leadingNumber16(QString::fromUtf8(text))), leading) << text;
    }
}

TEST(CaptionRules, IdentifierTexts) {
    EXPECT_EQ(wholeIdText(" 100 "), QStringLiteral("Kelvane"));
    EXPECT_EQ(leadingIdText("1503x"), QStringLiteral("&Yes"));
    EXPECT_EQ(windowTitleText("2500"), QStringLiteral("Navigator"));
    // Not a known identifier, not a positive leading one, not a window title.
    for (const char* text : {"-", "-100", "1121", "40000", "", "-1"}) {
        EXPECT_EQ(wholeIdText(text), std::nullopt) << text;
        EXPECT_EQ(leadingIdText(text), std::nullopt) << text;
        EXPECT_EQ(windowTitleText(text), std::nullopt) << text;
    }
    EXPECT_EQ(wholeIdText("1503a"), std::nullopt);
    EXPECT_EQ(windowTitleText("2500x"), std::nullopt);
}

} // namespace
