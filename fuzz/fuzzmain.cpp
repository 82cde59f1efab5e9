// libFuzzer's entry points for a program built from one target.
#include "fuzztarget.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Never destroyed: libFuzzer ends the process from exit handlers, where Qt is half gone.
    static int arguments = *argc;
    static auto* app = new QCoreApplication(arguments, *argv);
    Q_UNUSED(app)
    kelvane::fuzz::isolate();
    if (kelvane::fuzz::targets().size() != 1) {
        std::fprintf(stderr, "a fuzz program holds exactly one target\n");
        return 1;
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kelvane::fuzz::targets().front().run(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
