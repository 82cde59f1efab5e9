#include "platform/twips.h"

#include <cmath>

namespace kelvane {

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value)); // the default rounding mode is to-even
}

double twipsPerPixel(double logicalDpi) {
    return logicalDpi > 0 ? kTwipsPerInch / logicalDpi : 15.0;
}

int twipsToPixels(double twips, double logicalDpi) {
    return roundHalfEven(twips / twipsPerPixel(logicalDpi));
}

double pixelsToTwips(int pixels, double logicalDpi) {
    return pixels * twipsPerPixel(logicalDpi);
}

} // namespace kelvane
