#include "app/trace.h"

namespace kelvane {

Q_LOGGING_CATEGORY(lcStartup, "kelvane.startup", QtWarningMsg)

void Trace(const char* text)
{
    qCDebug(lcStartup, "%s", text);
}

} // namespace kelvane
