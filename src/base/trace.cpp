#include "base/trace.h"

namespace kelvane {

Q_LOGGING_CATEGORY(lcStartup, "kelvane.startup", QtWarningMsg)
Q_LOGGING_CATEGORY(lcBench, "kelvane.bench", QtWarningMsg)

void Trace(const char* text) {
    qCDebug(lcStartup, "%s", text);
}

void BenchMark(const char* milestone) {
    qCDebug(lcBench, "%s", milestone);
}

} // namespace kelvane
