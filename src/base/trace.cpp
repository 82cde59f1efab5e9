#include "base/trace.h"

namespace kelvane {

Q_LOGGING_CATEGORY(lcStartup, "kelvane.startup", QtWarningMsg)
Q_LOGGING_CATEGORY(lcBench, "kelvane.bench", QtWarningMsg)

void trace(const char* text) {
    qCDebug(lcStartup, "%s", text);
}

void benchMark(const char* milestone) {
    qCDebug(lcBench, "%s", milestone);
}

} // namespace kelvane
