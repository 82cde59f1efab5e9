// Includes point down the layers only: the top composes, the bottom knows nothing above it, and
// feature folders never reach into each other (the frame connects them).
#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Top to bottom; the folders of one layer may not include each other.
int layerOf(const QString& folder) {
    const QStringList layers = QStringLiteral("app|frame|bars navigator favorites quicksearch "
                                              "notes dialogs downloads blocking history|documents|"
                                              "popups|ui|base|draw platform")
                                   .split('|');
    for (int i = 0; i < layers.size(); ++i) {
        if (layers[i].split(' ').contains(folder))
            return i;
    }
    return -1;
}

TEST(Layering, IncludesPointDownOnly) {
    const QString src = QStringLiteral(KELVANE_SOURCE_DIR);
    const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s+"([a-z_]+)/)"));
    QStringList wrong;
    int files = 0;
    QDirIterator it(src, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = it.next().mid(src.size() + 1);
        const QString folder = relative.section('/', 0, 0);
        if (!relative.contains('/'))
            continue; // main.cpp sits above every layer
        ++files;
        const int layer = layerOf(folder);
        if (layer < 0)
            wrong << relative + ": folder '" + folder + "' is in no layer";
        QFile file(it.filePath());
        file.open(QIODevice::ReadOnly);
        for (int line = 1; layer >= 0 && !file.atEnd(); ++line) {
            const QString target = include.match(QString::fromUtf8(file.readLine())).captured(1);
            const int targetLayer = layerOf(target);
            if (target != folder && targetLayer >= 0 && targetLayer <= layer)
                wrong << QString("%1:%2: %3 -> %4 points %5")
                             .arg(relative)
                             .arg(line)
                             .arg(folder, target, targetLayer == layer ? "sideways" : "up");
        }
    }
    EXPECT_GT(files, 20) << "sources not found under " << qPrintable(src);
    EXPECT_TRUE(wrong.isEmpty()) << qPrintable(wrong.join('\n'));
}

} // namespace
