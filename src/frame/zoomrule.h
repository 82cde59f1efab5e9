#pragma once

namespace kelvane {

// The steps of the font-size commands over the engine's five text sizes, 0 (smallest) to
// 4 (largest), 2 being the medium size. An engine only reports sizes 0..4; anything else is read
// as the nearest of them, so no command steps outside the range or resets hundreds of times.

// One size larger; 4 stays 4.
int increasedZoomLevel(int level);
// One size smaller; 0 stays 0.
int decreasedZoomLevel(int level);

// What Reset Font runs, decided once from the level first queried: `count` runs of Increase
// (increase true) or of Decrease.
struct ZoomResetSteps {
    int count = 0;
    bool increase = false;
};
ZoomResetSteps zoomResetSteps(int level);

} // namespace kelvane
