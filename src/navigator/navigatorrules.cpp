#include "navigator/navigatorrules.h"

namespace kelvane {

NavigatorTick navigatorTick(int heightTwips, bool shrinking, bool pinned) {
    if (shrinking) {
        if (heightTwips <= kNavigatorShrunkHeight)
            return {heightTwips, true};
        return {pinned ? heightTwips : heightTwips - kNavigatorStep, false};
    }
    if (heightTwips >= kNavigatorGrownHeight)
        return {heightTwips, true};
    return {pinned ? heightTwips : heightTwips + kNavigatorStep, false};
}

int nextLoadingDots(int dots) {
    return (dots + 1) % 6;
}

QString loadingCaption(const QString& caption, int dots) {
    return caption + QString(dots, QLatin1Char('.'));
}

} // namespace kelvane
