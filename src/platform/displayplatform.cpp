#include "platform/displayplatform.h"

namespace kelvane {

QByteArray preferredPlatform(const QByteArray& qpaPlatform, const QByteArray& waylandDisplay,
                             const QByteArray& display, bool platformArgument) {
    if (!qpaPlatform.isEmpty() || platformArgument || waylandDisplay.isEmpty() || display.isEmpty())
        return {};
    return QByteArrayLiteral("xcb");
}

} // namespace kelvane
