#include "base/screenfit.h"

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

} // namespace kelvane
