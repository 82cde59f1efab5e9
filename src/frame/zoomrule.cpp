#include "frame/zoomrule.h"

#include "platform/engine/engine.h"

#include <algorithm>

namespace kelvane {

namespace {

int clamped(int level) {
    return std::clamp(level, kZoomLevelMin, kZoomLevelMax);
}

} // namespace

int increasedZoomLevel(int level) {
    return std::min(clamped(level) + 1, kZoomLevelMax);
}

int decreasedZoomLevel(int level) {
    return std::max(clamped(level) - 1, kZoomLevelMin);
}

ZoomResetSteps zoomResetSteps(int level) {
    level = clamped(level);
    if (level >= kZoomLevelMedium)
        return {level - kZoomLevelMedium, false};
    return {kZoomLevelMedium - level, true};
}

} // namespace kelvane
