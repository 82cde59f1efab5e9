#pragma once

namespace kelvane {

// Window geometry is kept in twips (1/1440 inch); the screen works in logical pixels.
inline constexpr double kTwipsPerInch = 1440.0;

// Rounds to the nearest integer, halves to even (12.5 -> 12, 13.5 -> 14).
int roundHalfEven(double value);

// Twips per pixel at a logical DPI (15 at 96 DPI).
double twipsPerPixel(double logicalDpi = 96.0);
int twipsToPixels(double twips, double logicalDpi = 96.0);
double pixelsToTwips(int pixels, double logicalDpi = 96.0);

} // namespace kelvane
