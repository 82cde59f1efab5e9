#pragma once

#include <QRgb>

namespace kelvane {

// A colour as hue, lightness and saturation: hue on a 0-to-6 scale (red 0, green 2, blue 4;
// just below 0 for reds leaning to blue), lightness and saturation from 0 to 1.
struct Hls {
    double hue = 0;
    double lightness = 0;
    double saturation = 0;
};

// The hue, lightness and saturation of an 8-bit red, green and blue, in double precision.
Hls rgbToHls(int red, int green, int blue);

// Back to 8-bit red, green and blue (alpha 255), each channel rounded to nearest, halves to even.
QRgb hlsToRgb(const Hls& hls);

} // namespace kelvane
