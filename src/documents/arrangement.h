#pragma once

#include <QList>
#include <QRect>

namespace kelvane {

// How the Window menu arranges n document windows in an area (all in pixels, area-relative).

// Cascade: each window a fixed step right of and below the one before, all of one size that
// reaches the area's lower right corner from the last window's place. So that no window gets
// smaller than two thirds of the area, a long cascade starts over at the top left.
QList<QRect> cascadeLayout(const QRect& area, int count, int step);

// Tiles: the windows one above the other (rows) or side by side, sharing the area evenly.
QList<QRect> tileLayout(const QRect& area, int count, bool rows);

} // namespace kelvane
