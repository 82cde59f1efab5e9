// Includes point down the layers only: the top composes, the bottom knows nothing above it, and
// feature folders never reach into each other (the frame connects them).
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Top to bottom; folders on one line are one layer and may not include each other.
const QStringList kLayers[] = {
    {"app"},
    {"frame"},
    {"bars", "navigator", "favorites", "quicksearch", "notes", "dialogs"},
    {"documents"},
    {"popups"},
    {"ui"},
    {"base"},
    {"draw", "platform"},
};

int layerOf(const QString& folder) {
    for (int i = 0; i < int(std::size(kLayers)); ++i) {
        if (kLayers[i].contains(folder))
            return i;
    }
    return -1;
}

TEST(Layering, IncludesPointDownOnly) {
    const QString src = QStringLiteral(KELVANE_SOURCE_DIR);
    const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s+"([a-z_]+)/)"));
    QStringList wrong;
    int files = 0;
    QDirIterator it(src, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(src.size() + 1);
        const QString folder = relative.section(QLatin1Char('/'), 0, 0);
        const int layer = layerOf(folder);
        if (!relative.contains(QLatin1Char('/')))
            continue; // main.cpp sits above every layer
        ++files;
        if (layer < 0) {
            wrong << relative + QStringLiteral(": folder '") + folder +
                         QStringLiteral("' is in no layer");
            continue;
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
        int lineNumber = 0;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine());
            ++lineNumber;
            const auto match = include.match(line);
            if (!match.hasMatch())
                continue;
            const QString target = match.captured(1);
            const int targetLayer = layerOf(target);
            if (target == folder || targetLayer < 0)
                continue; // own folder, or a Qt or system header
            if (targetLayer <= layer)
                wrong << QStringLiteral("%1:%2: %3 -> %4 points %5")
                             .arg(relative)
                             .arg(lineNumber)
                             .arg(folder, target,
                                  targetLayer == layer ? QStringLiteral("sideways")
                                                       : QStringLiteral("up"));
        }
    }
    EXPECT_GT(files, 20) << "sources not found under " << qPrintable(src);
    EXPECT_TRUE(wrong.isEmpty()) << qPrintable(wrong.join(QLatin1Char('\n')));
}

} // namespace
