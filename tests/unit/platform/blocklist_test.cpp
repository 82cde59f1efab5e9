#include "platform/blocklist.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

using Action = HostRule::Action;
using Party = HostRule::Party;

TEST(BlockList, ParsesRealWorldLines) {
    const std::tuple<const char*, std::vector<HostRule>, int> cases[] = {
        {"0.0.0.0 ads.example.com", {{"ads.example.com", Action::Block, Party::Any}}, 0},
        {"127.0.0.1\tTrack.Example.org\t# tracker", {{"track.example.org"}}, 0},
        {"0.0.0.0 a.example b.example", {{"a.example"}, {"b.example"}}, 0},
        {"::1 ip6-localhost ip6-loopback", {}, 2},
        {"||ads.example.com^", {{"ads.example.com"}}, 0},
        {"||ads.example.com^|", {{"ads.example.com"}}, 0},
        {"||cdn.example^$third-party", {{"cdn.example", Action::Block, Party::Third}}, 0},
        {"||own.example^$~third-party", {{"own.example", Action::Block, Party::First}}, 0},
        {"@@||good.example^", {{"good.example", Action::Allow, Party::Any}}, 0},
        {"||b\u00fccher.example^", {{"xn--bcher-kva.example"}}, 0},
        {"\xef\xbb\xbf||first.example^\r\n\r\n0.0.0.0 second.example\r\n||third.example^",
         {{"first.example"}, {"second.example"}, {"third.example"}},
         0},
    };
    for (const auto& [line, rules, skipped] : cases) {
        const ParsedBlockList parsed = parseBlockList(line);
        EXPECT_EQ(parsed.rules, rules) << line;
        EXPECT_EQ(parsed.skipped, skipped) << line;
    }
    // Comments and blank lines are not counted; what it cannot keep is: a redirection, a type
    // or domain option it does not tell apart, cosmetic rules, address patterns.
    const std::pair<std::vector<const char*>, int> empty[] = {
        {{"# 0.0.0.0 commented.example", "! Title: a list", "[Adblock Plus 2.0]", "   "}, 0},
        {{"127.0.0.1 localhost", "0.0.0.0 0.0.0.0", "10.0.0.1 redirected.example",
          "||x.example^$script,third-party", "||x.example^$third-party,first-party",
          "||x.example^$domain=site.example", "@@||good.example^$document", "example.com##.advert",
          "##.banner", "site.example#@#.ad", "||x.example/ads/*", "||*.example^", "||^", "||nodot^",
          "/banner[0-9]+/", "&ad_box_"},
         1}};
    for (const auto& [lines, skipped] : empty) {
        for (const char* line : lines) {
            const ParsedBlockList parsed = parseBlockList(line);
            EXPECT_TRUE(parsed.rules.empty() && parsed.skipped == skipped) << line;
        }
    }
}

TEST(BlockList, MatchesHostsSubdomainsAndExceptions) {
    HostMatcher matcher;
    matcher.add(parseBlockList("||ads.example^\n"
                               "@@||ok.ads.example^\n"
                               "||cdn.example^$third-party\n"
                               "||own.example^$~third-party\n"
                               "@@||shared.example^$third-party\n"
                               "||shared.example^\n")
                    .rules);
    const std::tuple<const char*, bool, bool> cases[] = {
        {"ads.example", true, true},      {"x.y.ads.example", false, true},
        {"badads.example", true, false},  {"example", true, false},
        {"ok.ads.example", true, false},  {"deep.ok.ads.example", true, false},
        {"cdn.example", true, true},      {"cdn.example", false, false},
        {"own.example", false, true},     {"own.example", true, false},
        {"shared.example", false, true},  {"shared.example", true, false},
        {"ads.example.org", true, false}, {"", true, false},
    };
    for (const auto& [host, thirdParty, blocked] : cases)
        EXPECT_EQ(matcher.blocks(host, thirdParty), blocked) << host << thirdParty;
    // A site's exception covers it and its subdomains.
    HostMatcher exceptions;
    exceptions.add(HostRule{"news.example"});
    EXPECT_TRUE(exceptions.covers("news.example") && exceptions.covers("www.news.example"));
    EXPECT_FALSE(exceptions.covers("example") || exceptions.covers("othernews.example"));
    // Third party: another site, by its registrable domain.
    EXPECT_FALSE(isThirdParty("cdn.example.com", "www.example.com") ||
                 isThirdParty("img.news.co.uk", "news.co.uk") ||
                 isThirdParty("127.0.0.1", "127.0.0.1"));
    EXPECT_TRUE(isThirdParty("tracker.net", "www.example.com") &&
                isThirdParty("other.co.uk", "news.co.uk") &&
                isThirdParty("127.0.0.2", "127.0.0.1"));
}

} // namespace
