#include "documents/tabrules.h"

#include <limits>

namespace kelvane {

TabLook tabLook(const QString& title, bool shrunk, int icon) {
    TabLook look;
    look.caption = title.size() < 51 ? title : title.left(50) + QStringLiteral("...");
    look.icon = icon;
    if (shrunk) {
        look.caption = title.left(3);
        if (icon % 2 == 0)
            look.icon = icon + 1;
    } else if (icon % 2 != 0) {
        look.icon = icon - 1;
    }
    return look;
}

int loadingIcon(int percent, bool shrunk, int icon) {
    if (percent == 100)
        return icon;
    int even = 0;
    if (percent >= 75)
        even = 6;
    else if (percent >= 50)
        even = 4;
    else if (percent >= 25)
        even = 2;
    return even + (shrunk ? 1 : 0);
}

int loadedIcon(bool shrunk) {
    return kTabIconLoaded + (shrunk ? 1 : 0);
}

int highlightFlip(int icon) {
    switch (icon) {
    case 8:
        return 10;
    case 9:
        return 11;
    case 10:
        return 8;
    case 11:
        return 9;
    default:
        return icon;
    }
}

int highlightEnd(int icon) {
    return icon == 10 || icon == 11 ? icon - 2 : icon;
}

std::optional<int> loadPercentOf(int progress, int progressMax) {
    if (progress > progressMax)
        return std::nullopt;
    if (progressMax == 0)
        return 0;
    if (progress == -1)
        return 100;
    const qint64 scaled = qint64(progress) * 100;
    if (scaled > std::numeric_limits<qint32>::max() || scaled < std::numeric_limits<qint32>::min())
        return 0; // does not fit the 32-bit arithmetic: no percentage for this report
    return static_cast<int>(scaled / progressMax); // truncates toward zero
}

int nextTabIndex(int count, int current, bool backwards) {
    if (count < 2)
        return 0;
    if (current < 1 || current > count)
        current = 1;
    if (backwards)
        return current == 1 ? count : current - 1;
    return current == count ? 1 : current + 1;
}

} // namespace kelvane
