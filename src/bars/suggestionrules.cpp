#include "bars/suggestionrules.h"

#include "base/wordmatch.h"

#include <QHash>
#include <QSet>

namespace kelvane {

namespace {

constexpr qint64 kDayMs = 24 * 3600 * 1000;

struct Candidate {
    Suggestion suggestion;
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
    QHash<QString, const VisitedPage*> visitedByUrl;
    for (const VisitedPage& page : sources.visited)
        visitedByUrl.insert(page.url, &page);
    const auto titleOf = [&](const QString& url, const QString& fallback) {
        const VisitedPage* page = visitedByUrl.value(url);
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
    for (const FavoriteLink& favorite : sources.favorites) {
        const QString title = titleOf(favorite.url, favorite.title);
        if (favorite.url.isEmpty() || taken.contains(favorite.url) ||
            !(matchesEveryWord(words, title, favorite.url) ||
              matchesEveryWord(words, favorite.title, favorite.url)))
            continue;
        taken.insert(favorite.url);
        const VisitedPage* page = visitedByUrl.value(favorite.url);
        const int count = page ? page->visitCount : 0;
        const qint64 last = page ? page->lastVisit : 0;
        candidates.push_back(
            {{favorite.url, title, SuggestionSource::Favorite},
             (count > 0 ? visitScore(count, last, now) : 0) + visitScore(1, now, now),
             last});
    }
    for (const VisitedPage& page : sources.visited) {
        if (taken.contains(page.url) || !matchesEveryWord(words, page.title, page.url))
            continue;
        taken.insert(page.url);
        candidates.push_back({{page.url, page.title, SuggestionSource::History},
                              visitScore(page.visitCount, page.lastVisit, now),
                              page.lastVisit});
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) {
                         if (a.score != b.score)
                             return a.score > b.score;
                         if (a.lastVisit != b.lastVisit)
                             return a.lastVisit > b.lastVisit;
                         return a.suggestion.url.size() < b.suggestion.url.size();
                     });
    for (const Candidate& candidate : candidates) {
        if (result.size() == limit)
            break;
        result.append(candidate.suggestion);
    }
    return result;
}

} // namespace kelvane
