#include "navigator/navigatorrules.h"

namespace kelvane {

NavigatorTick navigatorTick(int heightTwips, bool shrinking, bool pinned) {
    if (shrinking) {
        if (heightTwips <= navigator::kShrunkHeight)
            return {heightTwips, true};
        return {pinned ? heightTwips : heightTwips - navigator::kStep, false};
    }
    if (heightTwips >= navigator::kGrownHeight)
        return {heightTwips, true};
    return {pinned ? heightTwips : heightTwips + navigator::kStep, false};
}

int nextLoadingDots(int dots) {
    return (dots + 1) % 6;
}

QString loadingCaption(const QString& caption, int dots) {
    return caption + QString(dots, QLatin1Char('.'));
}

} // namespace kelvane
