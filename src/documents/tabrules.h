#pragma once

#include <QString>

#include <optional>

namespace kelvane {

// Tab icons: the index encodes the load state, its parity whether the tab is shrunk.
inline constexpr int kTabIconLoading = 0;    // 0-24 %; 2, 4, 6 the next quarters
inline constexpr int kTabIconLoaded = 8;     // a loaded page
inline constexpr int kTabIconHighlight = 10; // the flash after a background load

struct TabLook {
    QString caption;
    int icon = 0;
};

// The tab-caption rule: a title of 51 characters or more is cut to 50 followed by "..."; a
// shrunk tab shows its first 3 characters and an odd icon, a normal tab an even one.
TabLook tabLook(const QString& title, bool shrunk, int icon);

// The icon while a page loads at percent; 100 % leaves the icon as it is (returns icon).
int loadingIcon(int percent, bool shrunk, int icon);
// The icon of a loaded page.
int loadedIcon(bool shrunk);
// One step of the background-load flash: 8 <-> 10, 9 <-> 11; other icons stay.
int highlightFlip(int icon);
// The loaded icon a flash ends on: 10 -> 8, 11 -> 9; other icons stay.
int highlightEnd(int icon);

// The load percentage of a progress report; nullopt when the report changes nothing
// (progress above its maximum). A maximum of 0 ends the load and gives 0.
std::optional<int> loadPercentOf(int progress, int progressMax);

// Ctrl+Tab: the 1-based tab to select among count tabs, from the 1-based current one (0 when
// none is selected, which counts as the first). 0 when fewer than two tabs exist.
int nextTabIndex(int count, int current, bool backwards);

} // namespace kelvane
