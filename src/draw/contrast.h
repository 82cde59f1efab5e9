#pragma once

#include <QColor>

namespace kelvane {

// The relative luminance of a colour as the web's accessibility guidelines define it: 0 for
// black, 1 for white.
double relativeLuminance(QRgb colour);

// How far apart two colours read, from 1 (the same) to 21 (black on white); 4.5 is the least
// the guidelines ask of body text.
double contrastRatio(QRgb a, QRgb b);

// Black or white, whichever reads better on the background.
QRgb readableOn(QRgb background);

} // namespace kelvane
