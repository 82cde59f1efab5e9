#pragma once

#include <QString>

namespace kelvane {

// The Navigator shrinks to its caption strip and grows back in steps of 450 twips.
inline constexpr int kNavigatorShrunkHeight = 600;
inline constexpr int kNavigatorGrownHeight = 5000;
inline constexpr int kNavigatorStep = 450;
inline constexpr int kNavigatorTickMs = 50;
inline constexpr int kNavigatorLoadingTickMs = 300;

struct NavigatorTick {
    int height = 0;    // twips
    bool stop = false; // the timer stops
};

// One tick of the shrink/grow timer; a pinned window keeps its height.
NavigatorTick navigatorTick(int heightTwips, bool shrinking, bool pinned);

// The loading animation: the next dot count (0..5) and the caption with that many dots.
int nextLoadingDots(int dots);
QString loadingCaption(const QString& caption, int dots);

} // namespace kelvane
