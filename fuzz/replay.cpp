// Feeds every kept input (the seed corpus and the regression cases of each target) to its
// target, built with the ordinary compiler: a finding, once mended, stays mended.
#include "fuzztarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    kelvane::fuzz::isolate();
    const QDir fuzzFolder(QStringLiteral(KELVANE_FUZZ_DIR));
    int failures = 0;
    for (const kelvane::fuzz::Target& target : kelvane::fuzz::targets()) {
        int fed = 0;
        for (const char* kind : {"corpus", "regressions"}) {
            const QDir folder(fuzzFolder.filePath(QStringLiteral("%1/%2").arg(kind, target.name)));
            for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
                QFile file(folder.filePath(name));
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                // A failing check aborts: the name printed last is the input that failed.
                std::fprintf(stderr, "%s %s/%s\n", target.name, kind, qUtf8Printable(name));
                const QByteArray input = file.readAll();
                target.run(input);
                ++fed;
            }
        }
        if (fed == 0) {
            std::fprintf(stderr, "%s: no seed inputs in corpus/%s\n", target.name, target.name);
            ++failures;
        }
        std::printf("%-16s %d inputs\n", target.name, fed);
    }
    return failures == 0 ? 0 : 1;
}
