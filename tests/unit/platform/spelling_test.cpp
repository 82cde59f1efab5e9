#include "platform/spelling.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(Spelling, LanguagesFromTheChoiceTheLocaleOrEnglish) {
    const QStringList available = {"de-DE", "en-GB", "en-US", "fr"};
    // clang-format off
    const struct { QStringList chosen, locale, expected; } cases[] = {
        {{}, {"de-DE", "en-US"}, {"de-DE", "en-US"}},
        {{}, {"de_CH"}, {"de-DE"}},           // another German
        {{}, {"fr-CA", "fr"}, {"fr"}},        // once only
        {{}, {"ja-JP"}, {"en-US"}},           // English when none fits
        {{"fr", "xx"}, {"de-DE"}, {"fr"}},    // the user's choice, without a dictionary dropped
        {{"xx"}, {"de-DE"}, {}}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(spellingLanguages(c.chosen, c.locale, available), c.expected)
            << c.locale.join(',').toStdString();
    EXPECT_EQ(spellingLanguages({}, {"de-DE"}, {}), QStringList());
}

} // namespace
