#include "frame/zoomrule.h"

#include <algorithm>

namespace kelvane::zoomrule {

namespace {

// An engine only reports sizes 0..4; anything else is read as the nearest of them, so no
// command steps outside the range or runs a reset hundreds of times.
int clamped(int level) {
    return std::clamp(level, kSmallest, kLargest);
}

} // namespace

int increased(int level) {
    level = clamped(level);
    return level < kLargest ? level + 1 : kLargest;
}

int decreased(int level) {
    level = clamped(level);
    return level > kSmallest ? level - 1 : kSmallest;
}

ResetSteps resetSteps(int level) {
    level = clamped(level);
    if (level >= kMedium)
        return {level - kMedium, false};
    return {kMedium - level, true};
}

} // namespace kelvane::zoomrule
