#include "popups/killedpopups.h"

namespace kelvane {

void KilledPopups::add(const KilledPopup& popup) {
    ++m_count;
    m_recent.prepend(popup);
    if (m_recent.size() > kRecentCount)
        m_recent.removeLast();
}

} // namespace kelvane
