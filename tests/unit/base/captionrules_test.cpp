#include "base/captionrules.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

QString shown(std::optional<qint16> value) {
    return value ? QString::number(*value) : QStringLiteral("-");
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
