#pragma once

#include "base/browsinghistory.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kelvane {

enum class SuggestionSource { Typed, Favorite, History };

// One line of the address bar's completion list.
struct Suggestion {
    QString url;
    QString title;
    SuggestionSource source = SuggestionSource::History;

    bool operator==(const Suggestion&) const = default;
};

struct FavoriteLink {
    QString title;
    QString url;
};

// What the suggestions are chosen from.
struct SuggestionSources {
    QStringList typed; // the typed history, newest first
    QList<FavoriteLink> favorites;
    QList<VisitedPage> visited; // the history's pages that may match
};

inline constexpr int kMaxSuggestions = 12;

// How much a page weighs: its visits, each counted by how lately the page was last visited
// (within 4 days fully, then less and less down to a tenth after three months).
int visitScore(int visitCount, qint64 lastVisit, qint64 now);

// The best matches of text: every word in the title or the address (letter case ignored). The
// typed history comes first, newest first; then the favorites and the history together, by
// visitScore (a favorite counts one recent visit more than its history), then the later visit,
// then the shorter address. An address appears once, under the first source that offers it, with
// the title the history knows. No words: no suggestions.
QList<Suggestion> rankSuggestions(const QString& text, const SuggestionSources& sources, qint64 now,
                                  int limit = kMaxSuggestions);

} // namespace kelvane
