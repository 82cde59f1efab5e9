#include "popups/popuprules.h"

#include "popups/blockedsites.h"

namespace kelvane {

namespace {
constexpr int kFlashTicks = 5; // ticks that toggle before the one that settles
} // namespace

bool isPopupToKill(bool popUpEnabled, bool requesterLoading, bool requesterClosing) {
    return !popUpEnabled && (requesterLoading || requesterClosing);
}

bool isBlockedFirstNavigation(bool popUpEnabled, bool firstNavigation,
                              const QStringList& blockedSites, const QString& address) {
    return !popUpEnabled && firstNavigation && isBlockedSite(blockedSites, address);
}

PopupFlashStep popupFlashTick(PopupPicture shown, int ticks, bool popUpEnabled) {
    if (ticks < kFlashTicks) {
        const PopupPicture next =
            shown == PopupPicture::Killed ? PopupPicture::Blocked : PopupPicture::Killed;
        return {next, ticks + 1, false};
    }
    return {settledPopupPicture(popUpEnabled), 0, true};
}

} // namespace kelvane
