#include "bars/suggestionrules.h"
#include "support/isolation.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

constexpr qint64 kNow = 1'800'000'000'000;
constexpr qint64 kDay = 24 * 3600 * 1000;

QString listed(const QList<Suggestion>& suggestions) {
    QStringList lines;
    for (const Suggestion& s : suggestions)
        lines.append(QStringLiteral("%1:%2").arg("TFH"[int(s.source)]).arg(s.url));
    return lines.join(' ');
}

TEST(SuggestionRules, TypedFirstThenByVisitsAndHowLatelyEveryWordAnyCase) {
    const SuggestionSources sources = {
        {"http://typed.test/news", "http://other.test/", "http://typed.test/news", ""},
        {{"Fav News", "http://fav.test/"}, {"Fav Mail", "http://mail.test/"}},
        {
            {"http://often.test/news", "Often News", 5, kNow - 2 * kDay}, // 500
            {"http://old.test/news", "Old News", 40, kNow - 200 * kDay},  // 400
            {"http://week.test/news", "Week", 6, kNow - 10 * kDay},       // 420
            {"http://late.test/news", "Late", 1, kNow - kDay},            // 100
            {"http://early.test/news", "Early", 1, kNow - 2 * kDay},      // 100, older
            {"http://fav.test/", "Fav News Page", 1, kNow - 3 * kDay},    // favorite: 200
            {"http://typed.test/news", "Typed News Title", 1, kNow - 100 * kDay},
            {"http://nothing.test/", "Elsewhere", 99, kNow},
            {"http://xn--bcher-kva.test/", "Bücher ÜBER Alles", 1, kNow - 100 * kDay},
        }};
    const std::pair<const char*, const char*> cases[] = {
        {"news", "T:http://typed.test/news H:http://often.test/news H:http://week.test/news "
                 "H:http://old.test/news F:http://fav.test/ H:http://late.test/news "
                 "H:http://early.test/news"},
        {"NEWS often", "H:http://often.test/news"},
        {"  fav   page ", "F:http://fav.test/"}, // the history's title counts for a favorite
        {"fav mail", "F:http://mail.test/"},     // and the favorite's own name
        {"title", "T:http://typed.test/news"},   // a typed address matched by its page's title
        {"other.test", "T:http://other.test/"},
        {"news nowhere", ""},
        {"BÜCHER über", "H:http://xn--bcher-kva.test/"}, // any letter's case, not ASCII only
        {"   ", ""},
        {"", ""},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(listed(rankSuggestions(text, sources, kNow)), expected) << text;

    EXPECT_EQ(rankSuggestions("news", sources, kNow)[0].title, "Typed News Title");
    EXPECT_EQ(rankSuggestions("news", sources, kNow, 3).size(), 3);
    SuggestionSources many;
    for (int i = 0; i < 40; ++i)
        many.visited.append({QStringLiteral("http://x.test/%1").arg(i), "", 1, kNow});
    EXPECT_EQ(rankSuggestions("x", many, kNow).size(), kMaxSuggestions);
}

} // namespace
