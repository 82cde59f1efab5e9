#include "app/startup.h"

#include "platform/enginesetup.h"

#include <QApplication>

namespace kelvane {

int Main(int argc, char** argv)
{
    prepareEngineEnvironment();
    QApplication app(argc, argv);
    return 0;
}

} // namespace kelvane
