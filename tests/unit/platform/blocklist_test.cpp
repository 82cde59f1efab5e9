#include "platform/blocklist.h"

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

using Action = HostRule::Action;
using Party = HostRule::Party;

TEST(BlockList, ParsesRealWorldLines) {
    struct Case {
        const char* line;
        std::vector<HostRule> rules;
        int skipped;
    };
    const Case cases[] = {
        {"0.0.0.0 ads.example.com", {{"ads.example.com", Action::Block, Party::Any}}, 0},
        {"127.0.0.1\tTrack.Example.org\t# tracker", {{"track.example.org"}}, 0},
        {"0.0.0.0 a.example b.example", {{"a.example"}, {"b.example"}}, 0},
        {"# 0.0.0.0 commented.example", {}, 0},
        {"127.0.0.1 localhost", {}, 1},
        {"::1 ip6-localhost ip6-loopback", {}, 2},
        {"0.0.0.0 0.0.0.0", {}, 1},
        {"10.0.0.1 redirected.example", {}, 1}, // a redirection, not a block
        {"||ads.example.com^", {{"ads.example.com"}}, 0},
        {"||ads.example.com^|", {{"ads.example.com"}}, 0},
        {"||cdn.example^$third-party", {{"cdn.example", Action::Block, Party::Third}}, 0},
        {"||own.example^$~third-party", {{"own.example", Action::Block, Party::First}}, 0},
        {"||x.example^$script,third-party", {}, 1}, // a type it does not tell apart
        {"||x.example^$third-party,first-party", {}, 1},
        {"||x.example^$domain=site.example", {}, 1},
        {"@@||good.example^", {{"good.example", Action::Allow, Party::Any}}, 0},
        {"@@||good.example^$document", {}, 1},
        {"example.com##.advert", {}, 1},
        {"##.banner", {}, 1},
        {"site.example#@#.ad", {}, 1},
        {"||x.example/ads/*", {}, 1},
        {"||*.example^", {}, 1},
        {"||^", {}, 1},
        {"||nodot^", {}, 1},
        {"/banner[0-9]+/", {}, 1},
        {"&ad_box_", {}, 1},
        {"! Title: a list", {}, 0},
        {"[Adblock Plus 2.0]", {}, 0},
        {"   ", {}, 0},
        {"||b\u00fccher.example^", {{"xn--bcher-kva.example"}}, 0},
    };
    for (const Case& c : cases) {
        const ParsedBlockList parsed = parseBlockList(c.line);
        EXPECT_EQ(parsed.rules, c.rules) << c.line;
        EXPECT_EQ(parsed.skipped, c.skipped) << c.line;
    }
}

TEST(BlockList, ReadsAWholeFileWithMarkAndLineEnds) {
    const ParsedBlockList parsed =
        parseBlockList("\xef\xbb\xbf||first.example^\r\n\r\n0.0.0.0 second.example\r\n"
                       "||third.example^");
    EXPECT_EQ(parsed.rules,
              (std::vector<HostRule>{{"first.example"}, {"second.example"}, {"third.example"}}));
    EXPECT_EQ(parsed.skipped, 0);
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
    struct Case {
        const char* host;
        bool thirdParty;
        bool blocked;
    };
    const Case cases[] = {
        {"ads.example", true, true},      {"x.y.ads.example", false, true},
        {"badads.example", true, false},  {"example", true, false},
        {"ok.ads.example", true, false},  {"deep.ok.ads.example", true, false},
        {"cdn.example", true, true},      {"cdn.example", false, false},
        {"own.example", false, true},     {"own.example", true, false},
        {"shared.example", false, true},  {"shared.example", true, false},
        {"ads.example.org", true, false}, {"", true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matcher.blocks(c.host, c.thirdParty), c.blocked) << c.host << c.thirdParty;
}

TEST(BlockList, SiteExceptionCoversTheSiteAndItsSubdomains) {
    HostMatcher exceptions;
    exceptions.add(HostRule{"news.example"});
    EXPECT_TRUE(exceptions.covers("news.example"));
    EXPECT_TRUE(exceptions.covers("www.news.example"));
    EXPECT_FALSE(exceptions.covers("example"));
    EXPECT_FALSE(exceptions.covers("othernews.example"));
}

TEST(BlockList, ThirdPartyComparesSites) {
    EXPECT_FALSE(isThirdParty("cdn.example.com", "www.example.com"));
    EXPECT_TRUE(isThirdParty("tracker.net", "www.example.com"));
    EXPECT_FALSE(isThirdParty("img.news.co.uk", "news.co.uk"));
    EXPECT_TRUE(isThirdParty("other.co.uk", "news.co.uk"));
    EXPECT_TRUE(isThirdParty("127.0.0.2", "127.0.0.1"));
    EXPECT_FALSE(isThirdParty("127.0.0.1", "127.0.0.1"));
}

} // namespace
