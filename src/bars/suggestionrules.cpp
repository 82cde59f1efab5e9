#include "bars/suggestionrules.h"

#include "base/wordmatch.h"

#include <QHash>
#include <QSet>

namespace kelvane {

namespace {

constexpr qint64 kDayMs = 24 * 3600 * 1000;

// A favorite or history page that matched; pointers into the sources, copied only when chosen.
struct Candidate {
    const QString* url = nullptr;
    const QString* title = nullptr;
    SuggestionSource source = SuggestionSource::History;
    int score = 0;
    qint64 lastVisit = 0;
};

} // namespace

int visitScore(int visitCount, qint64 lastVisit, qint64 now) {
    const qint64 age = now - lastVisit;
    int weight = 10;
    if (age <= 4 * kDayMs)
        weight = 100;
    else if (age <= 14 * kDayMs)
        weight = 70;
    else if (age <= 31 * kDayMs)
        weight = 50;
    else if (age <= 90 * kDayMs)
        weight = 30;
    return visitCount * weight;
}

QList<Suggestion> rankSuggestions(const QString& text, const SuggestionSources& sources, qint64 now,
                                  int limit) {
    const QStringList words = searchWords(text);
    QList<Suggestion> result;
    if (words.isEmpty() || limit <= 0)
        return result;
    // The history may offer every address it knows: only the few typed and favorite addresses
    // are looked up in it, so a key press costs one pass over the history's matches.
    QHash<QString, const VisitedPage*> known;
    for (const QString& url : sources.typed)
        known.insert(url, nullptr);
    for (const FavoriteLink& favorite : sources.favorites)
        known.insert(favorite.url, nullptr);
    for (const VisitedPage& page : sources.visited) {
        const auto it = known.find(page.url);
        if (it != known.end())
            *it = &page;
    }
    const auto titleOf = [&](const QString& url, const QString& fallback) {
        const VisitedPage* page = known.value(url);
        return page && !page->title.isEmpty() ? page->title : fallback;
    };
    QSet<QString> taken;

    for (const QString& url : sources.typed) {
        if (result.size() == limit)
            return result;
        const QString title = titleOf(url, QString());
        if (url.isEmpty() || taken.contains(url) || !matchesEveryWord(words, title, url))
            continue;
        taken.insert(url);
        result.append({url, title, SuggestionSource::Typed});
    }

    std::vector<Candidate> candidates;
    std::vector<QString> favoriteTitles;
    favoriteTitles.reserve(sources.favorites.size()); // pointed to by candidates
    for (const FavoriteLink& favorite : sources.favorites) {
        const QString title = titleOf(favorite.url, favorite.title);
        if (favorite.url.isEmpty() || taken.contains(favorite.url) ||
            !(matchesEveryWord(words, title, favorite.url) ||
              matchesEveryWord(words, favorite.title, favorite.url)))
            continue;
        taken.insert(favorite.url);
        const VisitedPage* page = known.value(favorite.url);
        const int count = page ? page->visitCount : 0;
        const qint64 last = page ? page->lastVisit : 0;
        favoriteTitles.push_back(title);
        candidates.push_back(
            {&favorite.url, &favoriteTitles.back(), SuggestionSource::Favorite,
             (count > 0 ? visitScore(count, last, now) : 0) + visitScore(1, now, now), last});
    }
    // The history's pages are one per address; only the typed and favorite ones are taken.
    for (const VisitedPage& page : sources.visited) {
        if (taken.contains(page.url) || !matchesEveryWord(words, page.title, page.url))
            continue;
        candidates.push_back({&page.url, &page.title, SuggestionSource::History,
                              visitScore(page.visitCount, page.lastVisit, now), page.lastVisit});
    }
    const auto better = [](const Candidate& a, const Candidate& b) {
        if (a.score != b.score)
            return a.score > b.score;
        if (a.lastVisit != b.lastVisit)
            return a.lastVisit > b.lastVisit;
        if (a.url->size() != b.url->size())
            return a.url->size() < b.url->size();
        if (a.source != b.source)
            return a.source < b.source;
        return *a.url < *b.url;
    };
    const auto chosen = candidates.begin() +
                        std::min<qsizetype>(limit - result.size(), qsizetype(candidates.size()));
    std::partial_sort(candidates.begin(), chosen, candidates.end(), better);
    for (auto it = candidates.begin(); it != chosen; ++it)
        result.append({*it->url, *it->title, it->source});
    return result;
}

} // namespace kelvane
