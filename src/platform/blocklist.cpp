#include "platform/blocklist.h"

#include <QString>
#include <QUrl>

#include <algorithm>
#include <array>

namespace kelvane {

namespace {

enum Flag : std::uint8_t {
    BlockAny = 1 << 0,
    BlockThird = 1 << 1,
    BlockFirst = 1 << 2,
    AllowAny = 1 << 3,
    AllowThird = 1 << 4,
    AllowFirst = 1 << 5,
};

std::uint8_t flagOf(const HostRule& rule) {
    const bool block = rule.action == HostRule::Action::Block;
    switch (rule.party) {
    case HostRule::Party::Third:
        return block ? BlockThird : AllowThird;
    case HostRule::Party::First:
        return block ? BlockFirst : AllowFirst;
    case HostRule::Party::Any:
        break;
    }
    return block ? BlockAny : AllowAny;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A host name as lists write it, in lower case and ASCII form; empty when it is not one. A
// name must have a dot: "localhost" and "broadcasthost" of a hosts file's own lines are not
// sites to block.
std::string normalizedHost(std::string_view name) {
    constexpr std::size_t kMaxHostLength = 253;
    if (name.empty() || name.size() > kMaxHostLength)
        return {};
    std::string host;
    const bool ascii = std::ranges::all_of(name, [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        host.assign(name);
    } else {
        // A name in its own script: the form requests carry.
        const QString unicode = QString::fromUtf8(name.data(), qsizetype(name.size()));
        host = QUrl::toAce(unicode, QUrl::AceTransitionalProcessing).toStdString();
        if (host.empty())
            return {};
    }
    for (char& c : host) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        const bool allowed =
            (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        if (!allowed)
            return {};
    }
    if (host.front() == '.' || host.back() == '.' || host.find("..") != std::string::npos ||
        host.find('.') == std::string::npos || host == "localhost.localdomain")
        return {};
    return host;
}

bool isCosmetic(std::string_view line) {
    static constexpr std::array<std::string_view, 6> kMarks = {"##",  "#@#", "#?#",
                                                               "#$#", "#%#", "#@?#"};
    return std::ranges::any_of(
        kMarks, [&](std::string_view mark) { return line.find(mark) != std::string_view::npos; });
}

// The party a rule's options name; false for any option this browser does not apply.
bool readOptions(std::string_view options, HostRule::Party& party) {
    party = HostRule::Party::Any;
    while (!options.empty()) {
        const std::size_t comma = options.find(',');
        const std::string_view option = trimmed(options.substr(0, comma));
        options = comma == std::string_view::npos ? std::string_view() : options.substr(comma + 1);
        HostRule::Party named;
        if (option == "third-party" || option == "3p" || option == "~first-party" ||
            option == "~1p")
            named = HostRule::Party::Third;
        else if (option == "first-party" || option == "1p" || option == "~third-party" ||
                 option == "~3p")
            named = HostRule::Party::First;
        else
            return false;
        if (party != HostRule::Party::Any && party != named)
            return false;
        party = named;
    }
    return true;
}

// "||host^", "||host^|" or "||host^$options", without the exception mark.
bool readNetworkRule(std::string_view rule, HostRule& out) {
    if (!rule.starts_with("||"))
        return false;
    rule.remove_prefix(2);
    const std::size_t caret = rule.find('^');
    if (caret == std::string_view::npos)
        return false;
    out.host = normalizedHost(rule.substr(0, caret));
    if (out.host.empty())
        return false;
    std::string_view rest = rule.substr(caret + 1);
    if (rest.starts_with('|'))
        rest.remove_prefix(1);
    if (rest.empty())
        return true;
    return rest.front() == '$' && readOptions(rest.substr(1), out.party);
}

bool isBlockingAddress(std::string_view address) {
    return address == "0.0.0.0" || address == "127.0.0.1" || address == "::" || address == "::1" ||
           address == "0";
}

// Reads one line into parsed: a rule taken, a line skipped, or nothing for a comment.
void readLine(std::string_view line, ParsedBlockList& parsed) {
    line = trimmed(line);
    if (line.empty() || line.front() == '!' || line.front() == '[')
        return;
    if (line.front() == '#' && !isCosmetic(line))
        return; // a hosts file's comment
    if (isCosmetic(line)) {
        ++parsed.skipped;
        return;
    }
    HostRule rule;
    if (line.starts_with("@@")) {
        rule.action = HostRule::Action::Allow;
        if (readNetworkRule(line.substr(2), rule))
            parsed.rules.push_back(std::move(rule));
        else
            ++parsed.skipped;
        return;
    }
    if (line.starts_with("||")) {
        if (readNetworkRule(line, rule))
            parsed.rules.push_back(std::move(rule));
        else
            ++parsed.skipped;
        return;
    }

    // A hosts line: an address, then one or more names, then perhaps a comment.
    if (const std::size_t hash = line.find('#'); hash != std::string_view::npos)
        line = trimmed(line.substr(0, hash));
    std::vector<std::string_view> fields;
    while (!line.empty()) {
        const auto end = std::ranges::find_if(line, isBlank);
        fields.emplace_back(line.data(), std::size_t(end - line.begin()));
        line = trimmed(line.substr(fields.back().size()));
    }
    if (fields.size() < 2 || !isBlockingAddress(fields.front())) {
        ++parsed.skipped;
        return;
    }
    for (std::size_t i = 1; i < fields.size(); ++i) {
        std::string host = normalizedHost(fields[i]);
        if (host.empty() || isBlockingAddress(host))
            ++parsed.skipped;
        else
            parsed.rules.push_back(
                HostRule{std::move(host), HostRule::Action::Block, HostRule::Party::Any});
    }
}

bool isNumeric(std::string_view host) {
    return !host.empty() &&
           (host.find(':') != std::string_view::npos ||
            std::ranges::all_of(host, [](char c) { return (c >= '0' && c <= '9') || c == '.'; }));
}

std::string_view siteOf(std::string_view host) {
    if (!host.empty() && host.back() == '.')
        host.remove_suffix(1);
    if (isNumeric(host))
        return host;
    const std::size_t last = host.rfind('.');
    if (last == std::string_view::npos || last == 0)
        return host;
    std::size_t start = host.rfind('.', last - 1);
    const std::size_t secondLength = start == std::string_view::npos ? last : last - start - 1;
    // "example.co.uk", "example.com.au": a short second level under a country's code.
    if (start != std::string_view::npos && host.size() - last - 1 == 2 && secondLength <= 3)
        start = start == 0 ? std::string_view::npos : host.rfind('.', start - 1);
    return start == std::string_view::npos ? host : host.substr(start + 1);
}

} // namespace

ParsedBlockList parseBlockList(QByteArrayView text) {
    std::string_view rest(text.data(), std::size_t(text.size()));
    if (rest.starts_with("\xef\xbb\xbf"))
        rest.remove_prefix(3);
    ParsedBlockList parsed;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        readLine(rest.substr(0, end), parsed);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return parsed;
}

void HostMatcher::add(const HostRule& rule) {
    if (!rule.host.empty())
        m_hosts[rule.host] |= flagOf(rule);
}

void HostMatcher::add(std::vector<HostRule>&& rules) {
    m_hosts.reserve(m_hosts.size() + rules.size());
    for (HostRule& rule : rules) {
        if (!rule.host.empty())
            m_hosts[std::move(rule.host)] |= flagOf(rule);
    }
}

std::uint8_t HostMatcher::flagsFor(std::string_view host) const {
    std::uint8_t flags = 0;
    if (m_hosts.empty())
        return flags;
    while (!host.empty()) {
        if (const auto it = m_hosts.find(host); it != m_hosts.end())
            flags |= it->second;
        const std::size_t dot = host.find('.');
        if (dot == std::string_view::npos)
            break;
        host.remove_prefix(dot + 1);
    }
    return flags;
}

bool HostMatcher::blocks(std::string_view host, bool thirdParty) const {
    const std::uint8_t flags = flagsFor(host);
    const std::uint8_t block = BlockAny | (thirdParty ? BlockThird : BlockFirst);
    const std::uint8_t allow = AllowAny | (thirdParty ? AllowThird : AllowFirst);
    return (flags & block) && !(flags & allow);
}

bool HostMatcher::covers(std::string_view host) const {
    return flagsFor(host) != 0;
}

bool isThirdParty(std::string_view host, std::string_view pageHost) {
    return siteOf(host) != siteOf(pageHost);
}

} // namespace kelvane
