#pragma once

#include <QString>
#include <QStringList>

namespace kelvane {

// The popup blocker's decisions. popUpEnabled is the user's setting: true lets pages open new
// windows (the blocker is off), false turns the blocker on.

// Whether a page's request for a new window is a popup to kill: the blocker is on and the
// requesting document is still loading or is being closed.
bool isPopupToKill(bool popUpEnabled, bool requesterLoading, bool requesterClosing);

// Whether a document's navigation is to be cancelled and the document closed because its
// address contains a blocked site. Only the first navigation of a document is checked, and
// only while the blocker is on; otherwise the list is not looked at.
bool isBlockedFirstNavigation(bool popUpEnabled, bool firstNavigation,
                              const QStringList& blockedSites, const QString& address);

// The popup panel's picture.
enum class PopupPicture {
    Allowed, // popups are allowed (blocker off)
    Blocked, // the blocker is on
    Killed,  // the bright phase of the flash after a kill
};

// The picture that shows the blocker's setting.
inline PopupPicture settledPopupPicture(bool popUpEnabled) {
    return popUpEnabled ? PopupPicture::Allowed : PopupPicture::Blocked;
}

// One tick of the flash that follows a kill (every 800 ms). The "killed" and "blocked" pictures
// take turns; ticks counts the ticks so far. On the sixth tick the flash ends: the picture
// settles on the setting and ticks goes back to 0.
struct PopupFlashStep {
    PopupPicture picture;
    int ticks;
    bool finished;
};
PopupFlashStep popupFlashTick(PopupPicture shown, int ticks, bool popUpEnabled);

} // namespace kelvane
