#include "bars/resizerule.h"

#include "platform/twips.h"

#include <algorithm>

namespace kelvane {

AddressRowLayout computeAddressRow(const AddressRowInput& in) {
    const double w = in.windowWidth;
    AddressRowLayout out;
    out.addressWidth = std::max(
        0, roundHalfEven(w - in.goWidth - in.goNewWidth - in.labelWidth - in.addressLeft - 200));
    out.goLeft = w - in.goWidth - in.goNewWidth - 600;
    out.goNewLeft = w - in.goNewWidth - 500;
    out.tabBarWidth = std::max(0, roundHalfEven(w - 5 * in.tabBarLeft));
    return out;
}

} // namespace kelvane
