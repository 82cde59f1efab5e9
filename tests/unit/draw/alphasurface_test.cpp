#include "draw/alphasurface.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>
#include <cstring>

using namespace kelvane;

namespace {

// A surface whose every byte is value.
AlphaSurface filled(int width, int height, uchar value) {
    AlphaSurface surface;
    EXPECT_TRUE(surface.create(width, height));
    std::memset(surface.bits(), value, size_t(surface.sizeInBytes()));
    return surface;
}

TEST(AlphaSurface, CreateGivesRowsWithoutPaddingAndClearZeroesEveryByte) {
    AlphaSurface surface = filled(10, 5, 0xAB);
    EXPECT_EQ(surface.bytesPerLine(), 40);
    EXPECT_EQ(surface.height(), 5);
    surface.clear();
    const uchar* bits = surface.bits();
    EXPECT_TRUE(std::all_of(bits, bits + 200, [](uchar b) { return b == 0; }));

    EXPECT_FALSE(surface.create(0, 5));
    EXPECT_TRUE(surface.isNull());
    EXPECT_EQ(surface.bits(), nullptr);
}

TEST(AlphaSurface, BlendMixesColourBytesAndKeepsAlpha) {
    struct Case {
        uchar destination, source;
        int alpha;
        uchar colour;
    };
    const Case cases[] = {{200, 100, 128, 150}, {200, 100, 0, 200}, {200, 100, 255, 100}};
    for (const Case& c : cases) {
        // Five pixels: four in one vector block, one more after it.
        AlphaSurface destination = filled(5, 2, c.destination);
        const AlphaSurface source = filled(5, 2, c.source);
        AlphaSurface::alphaBlend(destination, source, 0, 0, c.alpha);
        for (qsizetype i = 0; i < destination.sizeInBytes(); ++i)
            ASSERT_EQ(destination.bits()[i], i % 4 == 3 ? c.destination : c.colour)
                << "alpha " << c.alpha << " byte " << i;
    }
}

TEST(AlphaSurface, BlendRoundsAsTheDoublePrecisionDefinition) {
    // Destination channel y over source channel x, every pair, for a few opacities.
    for (const int alpha : {1, 77, 128, 254}) {
        AlphaSurface destination, source;
        ASSERT_TRUE(destination.create(256, 256));
        ASSERT_TRUE(source.create(256, 256));
        for (int y = 0; y < 256; ++y) {
            std::memset(destination.bits() + y * 1024, y, 1024);
            for (int x = 0; x < 256; ++x)
                std::memset(source.bits() + y * 1024 + x * 4, x, 4);
        }
        AlphaSurface::alphaBlend(destination, source, 0, 0, alpha);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                const double exact = (1 - alpha / 255.0) * y + (x * alpha) / 255.0;
                ASSERT_EQ(destination.bits()[y * 1024 + x * 4], int(std::nearbyint(exact)))
                    << "destination " << y << " source " << x << " alpha " << alpha;
            }
        }
    }
}

TEST(AlphaSurface, BlendTouchesOnlyTheOverlap) {
    struct Case {
        QPoint at;
        QRect changed; // in the destination
    };
    const Case cases[] = {
        {{0, 0}, {0, 0, 2, 3}},   // taller source: only the destination's rows
        {{3, 1}, {3, 1, 1, 2}},   // cut at the right and bottom
        {{-1, -2}, {0, 0, 1, 3}}, // cut at the left and top
        {{4, 0}, {}},             // beside the destination: nothing
    };
    for (const Case& c : cases) {
        AlphaSurface destination = filled(4, 3, 200);
        const AlphaSurface source = filled(2, 5, 100);
        AlphaSurface::alphaBlend(destination, source, c.at.x(), c.at.y(), 255);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                const uchar blue = destination.bits()[y * 16 + x * 4];
                EXPECT_EQ(blue, c.changed.contains(x, y) ? 100 : 200)
                    << "at " << c.at.x() << "," << c.at.y() << " pixel " << x << "," << y;
            }
        }
    }
}

TEST(AlphaSurface, PaintOntoIsSourceOverAtConstantOpacity) {
    AlphaSurface source;
    ASSERT_TRUE(source.create(2, 1));
    source.clear();
    source.image().setPixel(0, 0, qRgb(255, 0, 0)); // opaque red; pixel 1 stays transparent
    QImage target(2, 1, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::white);
    QPainter painter(&target);
    source.paintOnto(painter, {0, 0}, 128);
    painter.end();
    const QRgb mixed = target.pixel(0, 0);
    EXPECT_EQ(qRed(mixed), 255);
    EXPECT_NEAR(qGreen(mixed), 127, 1);
    EXPECT_EQ(target.pixel(1, 0), qRgb(255, 255, 255));
}

} // namespace
