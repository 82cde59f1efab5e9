#include "draw/contrast.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kelvane {

double relativeLuminance(QRgb colour) {
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> table{};
        for (size_t i = 0; i < table.size(); ++i) {
            const double v = double(i) / 255.0;
            table[i] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return table;
    }();
    return 0.2126 * linear[size_t(qRed(colour))] + 0.7152 * linear[size_t(qGreen(colour))] +
           0.0722 * linear[size_t(qBlue(colour))];
}

double contrastRatio(QRgb a, QRgb b) {
    const double first = relativeLuminance(a), second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QRgb readableOn(QRgb background) {
    // Black and white read equally well at the luminance where (L + 0.05)^2 = 0.05 * 1.05.
    return relativeLuminance(background) > 0.179 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
}

} // namespace kelvane
