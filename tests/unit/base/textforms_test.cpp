#include "base/textforms.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kelvane;

TEST(TextForms, BoolFromText) {
    const struct {
        const char* text;
        std::optional<bool> expected;
    } cases[] = {
        {"True", true},
        {"False", false},
        {"true", true},
        {"FALSE", false},
        {"tRuE", true},
        {"  True\t", true},
        {"1", true},
        {"-1", true},
        {"0", false},
        {"0.0", false},
        {"0.5", true},
        {" 2 ", true},
        {"+3", true},
        {"1e3", true},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"yes", std::nullopt},
        {"Truex", std::nullopt},
        {"T rue", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"0x1", std::nullopt},
        {"1,0", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(boolFromText(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(TextForms, PositionTextIsShortestPlainDecimal) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {1000.0f, "1000"},
        {1234.5f, "1234.5"},
        {-15.0f, "-15"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {6500.0f, "6500"},
        {0.1f, "0.1"},
        {100000.0f, "100000"},
        {28800.0f, "28800"},
        {1e7f, "10000000"},
        {16777216.0f, "16777216"},
        {1234.56f, "1234.56"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(positionText(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(TextForms, PositionRoundTripsExactly) {
    const float values[] = {0.1f,
                            1.0f / 3.0f,
                            1234.567f,
                            -98765.4f,
                            16777217.0f,
                            3.4e38f,
                            std::numeric_limits<float>::min(),
                            7.0f / 9.0f};
    for (float v : values) {
        const std::optional<float> back = positionFromText(positionText(v));
        ASSERT_TRUE(back.has_value()) << v;
        EXPECT_EQ(*back, v);
    }
}

TEST(TextForms, PositionFromText) {
    const struct {
        const char* text;
        std::optional<float> expected;
    } cases[] = {
        {"1000", 1000.0f},     {" 1234.5 ", 1234.5f},   {"-15", -15.0f},
        {"+7", 7.0f},          {"1e3", 1000.0f},        {".5", 0.5f},
        {"5.", 5.0f},          {"", std::nullopt},      {"abc", std::nullopt},
        {"1,5", std::nullopt}, {"1 000", std::nullopt}, {"1e39", std::nullopt},
        {"nan", std::nullopt}, {"-inf", std::nullopt},  {"12px", std::nullopt},
        {"+-1", std::nullopt}, {"0x10", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(positionFromText(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(TextForms, Int16FromTextRoundsHalfToEvenAndChecksRange) {
    const struct {
        const char* text;
        std::optional<qint16> expected;
    } cases[] = {
        {"12", 12},
        {" 12 ", 12},
        {"-7", -7},
        {"+7", 7},
        {"12.5", 12},
        {"13.5", 14},
        {"-12.5", -12},
        {"-13.5", -14},
        {"0.5", 0},
        {"1.5", 2},
        {"12.4", 12},
        {"12.6", 13},
        {"32767", 32767},
        {"-32768", -32768},
        {"32767.4", 32767},
        {"-32768.5", -32768},
        {"32767.5", std::nullopt},
        {"32768", std::nullopt},
        {"-32769", std::nullopt},
        {"1e3", 1000},
        {"", std::nullopt},
        {"twelve", std::nullopt},
        {"1,000", std::nullopt},
        {"12abc", std::nullopt},
        {"nan", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(int16FromText(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(TextForms, Int32FromTextRoundsHalfToEvenAndChecksRange) {
    const struct {
        const char* text;
        std::optional<qint32> expected;
    } cases[] = {
        {"0", 0},
        {"16777215", 16777215},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483646.5", 2147483646},
        {"2147483647.5", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"2.5", 2},
        {"3.5", 4},
        {"", std::nullopt},
        {"&HFF", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(int32FromText(QString::fromUtf8(c.text)), c.expected) << c.text;
}
