#include "base/screenfit.h"

#include "platform/twips.h"

#include <algorithm>

namespace kelvane {

QRect fitIntoArea(const QRect& frame, const QRect& area) {
    if (area.isEmpty())
        return frame;
    QRect fitted(frame.topLeft(), frame.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() - fitted.height() + 1));
    return fitted;
}

namespace {

// Inches counted in device pixels at the logical DPI: a logical pixel spans scale of them.
double logicalPixelsPerInch(double logicalDpi, double scale) {
    return scale > 0 ? logicalDpi / scale : logicalDpi;
}

} // namespace

double placeToTwips(int pixels, double logicalDpi, double scale) {
    return pixelsToTwips(pixels, logicalPixelsPerInch(logicalDpi, scale));
}

int placeFromTwips(double twips, double logicalDpi, double scale) {
    return twipsToPixels(twips, logicalPixelsPerInch(logicalDpi, scale));
}

} // namespace kelvane
