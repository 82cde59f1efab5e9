#pragma once

namespace kelvane {

// The steps of the font-size commands over the engine's five text sizes, 0 (smallest) to
// 4 (largest), 2 being the medium size.
namespace zoomrule {

inline constexpr int kSmallest = 0;
inline constexpr int kMedium = 2;
inline constexpr int kLargest = 4;

// One size larger; 4 stays 4.
int increased(int level);
// One size smaller; 0 stays 0.
int decreased(int level);

// What Reset Font runs, decided once from the level first queried: `count` runs of Increase
// (increase true) or of Decrease.
struct ResetSteps {
    int count = 0;
    bool increase = false;
    bool operator==(const ResetSteps&) const = default;
};
ResetSteps resetSteps(int level);

} // namespace zoomrule
} // namespace kelvane
