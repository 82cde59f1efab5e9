#include "documents/arrangement.h"

#include <algorithm>

namespace kelvane {

QList<QRect> cascadeLayout(const QRect& area, int count, int step) {
    QList<QRect> windows;
    if (count <= 0 || area.isEmpty())
        return windows;
    step = std::max(1, step);
    // Windows per round: as many as fit while the size stays at two thirds of the area.
    const int room = std::min(area.width(), area.height()) / 3;
    const int perRound = std::clamp(room / step + 1, 1, count);
    const QSize size(area.width() - (perRound - 1) * step, area.height() - (perRound - 1) * step);
    for (int i = 0; i < count; ++i) {
        const int offset = (i % perRound) * step;
        windows.append(QRect(area.topLeft() + QPoint(offset, offset), size));
    }
    return windows;
}

QList<QRect> tileLayout(const QRect& area, int count, bool rows) {
    QList<QRect> windows;
    for (int i = 0; i < count; ++i) {
        if (rows) {
            const int top = area.height() * i / count;
            windows.append(QRect(area.left(), area.top() + top, area.width(),
                                 area.height() * (i + 1) / count - top));
        } else {
            const int left = area.width() * i / count;
            windows.append(QRect(area.left() + left, area.top(),
                                 area.width() * (i + 1) / count - left, area.height()));
        }
    }
    return windows;
}

} // namespace kelvane
