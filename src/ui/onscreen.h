#pragma once

class QWidget;

namespace kelvane {

// Moves a top-level window, and shrinks it where it must, so that its frame lies within the
// free area of the screen that shows its centre (or else the nearest screen). Saved places
// are in logical pixels, so a place saved at one scale can lie beyond the screen at a larger
// one; designed sizes can be wider than a small or highly scaled screen.
void keepOnScreen(QWidget* window);

// The device pixel ratio of the screen a window is on (or will show on), for its saved place.
double screenScale(const QWidget* window);

} // namespace kelvane
