// Content blocking: a generated list of 150 000 rules loaded, and one request's match against
// the loaded rules, each against a floor measured in the same run: reading the same hosts into
// a bare hash set, and one lookup of the whole host in it. Rounds alternate matcher and floor;
// each figure is the median (and 99th percentile) over batches, per match.
#include "benchsupport.h"
#include "blocking/blocklistloader.h"
#include "platform/blocklist.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <unordered_set>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRules = 150'000;
constexpr int kQueries = 20'000;
constexpr int kBatch = 32;

std::string hostName(std::mt19937& random, int labels) {
    static const char* const kWords[] = {"ads", "track", "pixel", "cdn",  "stats", "beacon",
                                         "img", "media", "srv",   "edge", "tag",   "sync"};
    std::string host;
    for (int i = 0; i < labels; ++i) {
        host += kWords[random() % 12];
        host += std::to_string(random() % 100'000);
        host += '.';
    }
    return host + (random() % 2 ? "com" : "net");
}

struct Lists {
    QByteArray text;
    std::vector<std::string> hosts;
    std::vector<std::string> queries; // half under a listed host, half not
};

Lists generate() {
    std::mt19937 random(42);
    Lists lists;
    lists.text = "[Adblock Plus 2.0]\n! generated\n";
    for (int i = 0; i < kRules; ++i) {
        const std::string host = hostName(random, 1 + int(random() % 2));
        lists.hosts.push_back(host);
        switch (i % 4) {
        case 0:
            lists.text += "0.0.0.0 " + QByteArray::fromStdString(host) + '\n';
            break;
        case 1:
            lists.text += "||" + QByteArray::fromStdString(host) + "^$third-party\n";
            break;
        case 2:
            lists.text += "@@||ok." + QByteArray::fromStdString(host) + "^\n";
            break;
        default:
            lists.text += "||" + QByteArray::fromStdString(host) + "^\n";
        }
    }
    for (int i = 0; i < kQueries; ++i) {
        if (i % 2)
            lists.queries.push_back("www.sub." + lists.hosts[random() % lists.hosts.size()]);
        else
            lists.queries.push_back(hostName(random, 3));
    }
    return lists;
}

double nsSince(Clock::time_point start, int count) {
    return double(
               std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count()) /
           count;
}

QString spread(const QList<double>& values) {
    return QStringLiteral("median %1, quartiles %2 .. %3, p99 %4")
        .arg(kelvane::bench::median(values), 0, 'f', 1)
        .arg(kelvane::bench::quantile(values, 0.25), 0, 'f', 1)
        .arg(kelvane::bench::quantile(values, 0.75), 0, 'f', 1)
        .arg(kelvane::bench::quantile(values, 0.99), 0, 'f', 1);
}

} // namespace

int main() {
    using namespace kelvane;
    const Lists lists = generate();
    QTemporaryDir dir;
    const QString file = dir.filePath("generated.txt");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(lists.text) != lists.text.size())
        return 1;
    out.close();

    // Loading: the file parsed into the matcher, against its hosts read into a bare set.
    QList<double> loadMs, floorMs, loadRatios;
    LoadedLists loaded;
    for (int round = 0; round < 7; ++round) {
        auto start = Clock::now();
        loaded = loadBlockLists({file});
        loadMs.append(nsSince(start, 1) / 1e6);
        start = Clock::now();
        QFile in(file);
        in.open(QIODevice::ReadOnly);
        std::unordered_set<std::string> set;
        for (const QByteArray& line : in.readAll().split('\n')) {
            const qsizetype space = line.lastIndexOf(' ');
            set.insert(line.mid(space + 1).toStdString());
        }
        floorMs.append(nsSince(start, 1) / 1e6);
        loadRatios.append(loadMs.last() / floorMs.last());
    }
    std::printf("Loading %d rules (%zu hosts, %d skipped):\n", kRules, loaded.matcher->size(),
                loaded.files.value(0).skipped);
    std::printf("  matcher     %s ms\n  bare set    %s ms\n  ratio       %s\n",
                qPrintable(spread(loadMs)), qPrintable(spread(floorMs)),
                qPrintable(spread(loadRatios)));

    // Matching: one request, its host and parent domains, against one lookup of the host.
    const HostMatcher& matcher = *loaded.matcher;
    const std::unordered_set<std::string> floorSet(lists.hosts.begin(), lists.hosts.end());
    QList<double> matchNs, lookupNs;
    std::size_t blocked = 0;
    std::size_t found = 0;
    for (int round = 0; round < 20; ++round) {
        for (std::size_t i = 0; i + kBatch <= lists.queries.size(); i += kBatch) {
            auto start = Clock::now();
            for (int j = 0; j < kBatch; ++j)
                blocked += matcher.blocks(lists.queries[i + j], (j & 1) != 0);
            matchNs.append(nsSince(start, kBatch));
            start = Clock::now();
            for (int j = 0; j < kBatch; ++j)
                found += floorSet.count(lists.queries[i + j]);
            lookupNs.append(nsSince(start, kBatch));
        }
    }
    QList<double> ratios;
    for (qsizetype i = 0; i < matchNs.size(); ++i)
        ratios.append(matchNs[i] / std::max(lookupNs[i], 1.0));
    std::printf("Matching, per request, over batches of %d (%zu blocked, %zu found):\n", kBatch,
                blocked, found);
    std::printf("  matcher     %s ns (goal: median under 2000 ns)\n", qPrintable(spread(matchNs)));
    std::printf("  hash lookup %s ns\n  ratio       %s\n", qPrintable(spread(lookupNs)),
                qPrintable(spread(ratios)));
    return 0;
}
