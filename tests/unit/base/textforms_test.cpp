#include "base/textforms.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

// A text and what reading it gives, "-" for nothing.
using Case = std::pair<const char*, const char*>;

template <typename T> QString shown(std::optional<T> value) {
    return value ? QString::number(*value) : QStringLiteral("-");
}

TEST(TextForms, ReadingAcceptsNumbersAndRejectsTheRest) {
    const Case bools[] = {{"True", "1"}, {"  tRuE\t", "1"}, {"-1", "1"},  {"0.5", "1"},
                          {"1e3", "1"},  {"FALSE", "0"},    {"0.0", "0"}, {"", "-"},
                          {"yes", "-"},  {"Truex", "-"},    {"nan", "-"}, {"inf", "-"},
                          {"0x1", "-"},  {"1,0", "-"}};
    for (const auto& [text, value] : bools)
        EXPECT_EQ(shown(boolFromText(text)), value) << text;
    const Case int16s[] = {{" 12 ", "12"},   {"12.5", "12"},       {"13.5", "14"},
                           {"-12.5", "-12"}, {"32767.4", "32767"}, {"-32768.5", "-32768"},
                           {"1e3", "1000"},  {"32767.5", "-"},     {"-32769", "-"},
                           {"1,000", "-"},   {"12abc", "-"},       {"", "-"}};
    for (const auto& [text, value] : int16s)
        EXPECT_EQ(shown(int16FromText(text)), value) << text;
    const Case int32s[] = {{"-2147483648", "-2147483648"},
                           {"2147483646.5", "2147483646"},
                           {"2147483647.5", "-"},
                           {"&HFF", "-"}};
    for (const auto& [text, value] : int32s)
        EXPECT_EQ(shown(int32FromText(text)), value) << text;
    const Case positions[] = {{" 1234.5 ", "1234.5"}, {".5", "0.5"},  {"1e3", "1000"},
                              {"1,5", "-"},           {"1 000", "-"}, {"1e39", "-"},
                              {"-inf", "-"},          {"12px", "-"}};
    for (const auto& [text, value] : positions)
        EXPECT_EQ(shown(positionFromText(text)), value) << text;
}

TEST(TextForms, PositionsAreShortestPlainDecimalsThatReadBackExactly) {
    const std::pair<float, const char*> written[] = {
        {1000.0f, "1000"}, {1234.5f, "1234.5"}, {-0.0f, "0"}, {0.1f, "0.1"}, {1e7f, "10000000"}};
    for (const auto& [value, text] : written)
        EXPECT_EQ(positionText(value), QLatin1String(text)) << text;
    for (float v : {1.0f / 3.0f, -98765.4f, 16777217.0f, 3.4e38f, 1.2e-38f})
        EXPECT_EQ(positionFromText(positionText(v)), v) << v;
}

} // namespace
