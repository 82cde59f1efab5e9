#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kelvane {

// One rule of a block list that names a host: requests to the host and its subdomains are
// blocked, or (an exception) let through although another rule blocks them.
struct HostRule {
    enum class Action : std::uint8_t { Block, Allow };
    // Which requests the rule is about: all, only those a page makes to another site, or only
    // those to its own site.
    enum class Party : std::uint8_t { Any, Third, First };

    std::string host; // lower case, in its ASCII (punycode) form
    Action action = Action::Block;
    Party party = Party::Any;

    bool operator==(const HostRule&) const = default;
};

struct ParsedBlockList {
    std::vector<HostRule> rules;
    // Rules this browser does not apply (cosmetic rules, address patterns, options it does not
    // know) and lines it cannot read; comments and blank lines are not counted.
    int skipped = 0;
};

// Reads a hosts file ("0.0.0.0 host", "127.0.0.1 host", "# comments") or the host rules of an
// adblock list ("||host^", "||host^$third-party", "@@||host^"), or a mix of both, in UTF-8 with
// or without a byte-order mark. A rule is taken only when it is understood whole; anything
// else is counted as skipped, so no rule is ever read as broader than it is.
ParsedBlockList parseBlockList(QByteArrayView text);

// The host rules of every list, looked up for a request by its host and each parent domain: a
// handful of hash lookups, whatever the number of rules.
class HostMatcher {
public:
    void add(const HostRule& rule);
    void add(std::vector<HostRule>&& rules);

    // Whether a request to host is blocked; thirdParty: the page that makes it is of another
    // site. An exception for the host or a parent domain wins over any block.
    bool blocks(std::string_view host, bool thirdParty) const;
    // Whether host or one of its parent domains has a rule of any kind.
    bool covers(std::string_view host) const;

    std::size_t size() const { return m_hosts.size(); }
    bool isEmpty() const { return m_hosts.empty(); }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept {
            return std::hash<std::string_view>{}(text);
        }
    };
    // The union of the flags of every suffix of host that has rules.
    std::uint8_t flagsFor(std::string_view host) const;

    std::unordered_map<std::string, std::uint8_t, Hash, std::equal_to<>> m_hosts;
};

// Whether a request to host from a page of pageHost goes to another site. A site is the last
// two labels of a name (three under a short second-level label such as "co.uk"); an address
// given as a number is a site of its own.
bool isThirdParty(std::string_view host, std::string_view pageHost);

} // namespace kelvane
