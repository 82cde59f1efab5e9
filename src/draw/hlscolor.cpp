#include "draw/hlscolor.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kelvane {

namespace {

// std::nearbyint rounds in the current mode, which is to nearest with halves to even.
int toByte(double channel) {
    return std::clamp(int(std::nearbyint(channel * 255.0)), 0, 255);
}

} // namespace

Hls rgbToHls(int red, int green, int blue) {
    const double r = red / 255.0;
    const double g = green / 255.0;
    const double b = blue / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    Hls hls;
    hls.lightness = (max + min) / 2;
    if (max == min)
        return hls;
    const double delta = max - min;
    hls.saturation = hls.lightness <= 0.5 ? delta / (max + min) : delta / (2 - max - min);
    if (r == max)
        hls.hue = (g - b) / delta;
    else if (g == max)
        hls.hue = 2 + (b - r) / delta;
    else
        hls.hue = 4 + (r - g) / delta;
    return hls;
}

QRgb hlsToRgb(const Hls& hls) {
    const double l = hls.lightness;
    const double s = hls.saturation;
    if (s == 0) {
        const int grey = toByte(l);
        return qRgb(grey, grey, grey);
    }
    const double m1 = l <= 0.5 ? l * (1 - s) : l - (1 - l) * s;
    const double m2 = 2 * l - m1;
    const double d = m2 - m1;
    const double h = hls.hue;
    const auto [r, g, b] = [&]() -> std::array<double, 3> {
        if (h < 0)
            return {m2, m1, m1 - d * h};
        if (h < 1)
            return {m2, m1 + d * h, m1};
        if (h < 2)
            return {m1 + d * (2 - h), m2, m1};
        if (h < 3)
            return {m1, m2, m1 + d * (h - 2)};
        if (h < 4)
            return {m1, m1 + d * (4 - h), m2};
        return {m1 + d * (h - 4), m1, m2};
    }();
    return qRgb(toByte(r), toByte(g), toByte(b));
}

} // namespace kelvane
