#pragma once

#include <QRect>

namespace kelvane {

// A window's frame moved and, where it must, shrunk to lie inside the screen's free area: a
// geometry kept from a larger screen, or one that grew past the edge, never puts the window's
// title or its status bar out of reach. A frame that fits is returned unchanged.
QRect fitIntoArea(const QRect& frame, const QRect& area);

// Window places are kept in twips of the screen's device pixels rather than its logical ones,
// so a place saved at one scale factor comes back at the same spot and size of the screen at
// another (and is then fitted like any other). scale: the screen's device pixel ratio.
double placeToTwips(int pixels, double logicalDpi, double scale);
int placeFromTwips(double twips, double logicalDpi, double scale);

} // namespace kelvane
