#include "base/captionrules.h"

#include <gtest/gtest.h>

#include <optional>

using namespace kelvane;

namespace {

struct NumberCase {
    const char* text;
    std::optional<qint16> expected;
};

TEST(CaptionRules, WholeInt16) {
    const NumberCase cases[] = {
        {"1503", 1503},
        {"-1", -1},
        {"+7", 7},
        {"  1000\t", 1000},
        {"0", 0},
        {"00042", 42},
        {"32767", 32767},
        {"-32768", -32768},
        {"32768", std::nullopt},
        {"-32769", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"1e400", std::nullopt},
        {"2.5", 2}, // half to even
        {"3.5", 4},
        {"-2.5", -2},
        {"1503.4", 1503},
        {"32767.4", 32767},
        {"32767.5", std::nullopt}, // rounds out of range
        {".5", 0},
        {"1.", 1},
        {"1E3", 1000},
        {"15d2", 1500},
        {"1503a", std::nullopt},
        {"a1503", std::nullopt},
        {"15 03", std::nullopt},
        {"1e", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"&File", std::nullopt},
        {"-1-", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
        {"\xd9\xa1", std::nullopt}, // Arabic-Indic digit one is no decimal digit here
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(wholeInt16(QString::fromUtf8(c.text)), c.expected);
    }
}

TEST(CaptionRules, LeadingNumber16) {
    const NumberCase cases[] = {
        {"1503a", 1503},
        {"1503", 1503},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {".", 0},
        {"  12 apples", 12},
        {"1 5 0 3", 1503}, // blanks inside the number are passed over
        {"\t1\n0", 10},
        {"- 5", -5},
        {"-1", -1},
        {"0", 0},
        {"2.5", 2},
        {"2.51", 3},
        {"1503.5x", 1504},
        {"1.2.3", 1},
        {"1e3x", 1000},
        {"1e", 1},
        {"1e+", 1},
        {"1e-400", 0}, // too small to matter
        {"1e400", std::nullopt},
        {"40000", std::nullopt},
        {"99999999999999999999abc", std::nullopt},
        {"--5", 0},
        {"$5", 0},
        {"&H10", 0},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(leadingNumber16(QString::fromUtf8(c.text)), c.expected);
    }
}

struct TextCase {
    const char* property;
    std::optional<QString> expected;
};

TEST(CaptionRules, IdentifierTexts) {
    const TextCase whole[] = {
        {"1503", QStringLiteral("&Yes")},
        {" 100 ", QStringLiteral("Kelvane")},
        {"1503a", std::nullopt},
        {"1121", std::nullopt}, // not in the table
        {"-", std::nullopt},
        {"", std::nullopt},
        {"Close", std::nullopt},
    };
    for (const TextCase& c : whole) {
        SCOPED_TRACE(c.property);
        EXPECT_EQ(wholeIdText(QString::fromUtf8(c.property)), c.expected);
    }

    const TextCase leading[] = {
        {"1503", QStringLiteral("&Yes")},
        {"1503x", QStringLiteral("&Yes")},
        {"0", std::nullopt},
        {"", std::nullopt},
        {"-100", std::nullopt}, // only positive identifiers are taken
        {"1121", std::nullopt},
        {"Navigate to next site", std::nullopt},
        {"40000", std::nullopt},
    };
    for (const TextCase& c : leading) {
        SCOPED_TRACE(c.property);
        EXPECT_EQ(leadingIdText(QString::fromUtf8(c.property)), c.expected);
    }

    const TextCase titles[] = {
        {"2500", QStringLiteral("Navigator")},
        {"-1", std::nullopt},
        {"", std::nullopt},
        {"0", std::nullopt},
        {"2500x", std::nullopt},
        {"1121", std::nullopt},
    };
    for (const TextCase& c : titles) {
        SCOPED_TRACE(c.property);
        EXPECT_EQ(windowTitleText(QString::fromUtf8(c.property)), c.expected);
    }
}

} // namespace
