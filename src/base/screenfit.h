#pragma once

#include <QRect>

namespace kelvane {

// A window's frame moved and, where it must, shrunk to lie inside the screen's free area: a
// geometry kept from a larger screen, or one that grew past the edge, never puts the window's
// title or its status bar out of reach. A frame that fits is returned unchanged.
QRect fitIntoArea(const QRect& frame, const QRect& area);

} // namespace kelvane
