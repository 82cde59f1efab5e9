#include "platform/engine/enginesetup.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace kelvane {

void prepareEngineEnvironment(bool quiet) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        if (!quiet)
            std::fputs("kelvane: running as root, so the page sandbox is off\n", stderr);
    }
}

} // namespace kelvane
