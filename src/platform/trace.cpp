#include "platform/trace.h"

#include <QSet>

namespace kelvane {

Q_LOGGING_CATEGORY(lcStartup, "kelvane.startup", QtWarningMsg)
Q_LOGGING_CATEGORY(lcBench, "kelvane.bench", QtWarningMsg)

void trace(const char* text) {
    qCDebug(lcStartup, "%s", text);
}

void benchMark(const char* milestone) {
    qCDebug(lcBench, "%s", milestone);
}

void benchMarkOnce(const char* milestone) {
    if (!lcBench().isDebugEnabled())
        return;
    static QSet<QByteArray> seen;
    if (!seen.contains(milestone)) {
        seen.insert(milestone);
        benchMark(milestone);
    }
}

} // namespace kelvane
