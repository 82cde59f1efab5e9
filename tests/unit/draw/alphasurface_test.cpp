#include "draw/alphasurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace kelvane;

namespace {

AlphaSurface filled(int width, int height, uchar everyByte) {
    AlphaSurface surface;
    EXPECT_TRUE(surface.create(width, height));
    std::memset(surface.bits(), everyByte, size_t(surface.sizeInBytes()));
    return surface;
}

TEST(AlphaSurface, CreateGivesRowsWithoutPaddingAndClearZeroesEveryByte) {
    AlphaSurface surface = filled(10, 5, 0xAB);
    EXPECT_EQ(surface.bytesPerLine(), 40);
    surface.clear();
    EXPECT_TRUE(std::all_of(surface.bits(), surface.bits() + 200, [](uchar b) { return !b; }));
    EXPECT_TRUE(!surface.create(0, 5) && !surface.bits());
}

TEST(AlphaSurface, BlendMixesColourBytesAndKeepsAlpha) {
    for (const auto& [alpha, colour] : {std::pair{128, 150}, {0, 200}, {255, 100}}) {
        AlphaSurface destination = filled(5, 2, 200); // one vector block and one pixel more
        AlphaSurface::alphaBlend(destination, filled(5, 2, 100), 0, 0, alpha);
        for (qsizetype i = 0; i < destination.sizeInBytes(); ++i)
            ASSERT_EQ(destination.bits()[i], i % 4 == 3 ? 200 : colour) << alpha << " " << i;
    }
}

TEST(AlphaSurface, BlendRoundsAsTheDoublePrecisionDefinition) {
    // Destination channel y under source channel x, every pair.
    for (const int alpha : {1, 77, 128, 254}) {
        AlphaSurface destination = filled(256, 256, 0), source = filled(256, 256, 0);
        for (int y = 0; y < 256; ++y) {
            std::memset(destination.bits() + y * 1024, y, 1024);
            for (int x = 0; x < 256; ++x)
                std::memset(source.bits() + y * 1024 + x * 4, x, 4);
        }
        AlphaSurface::alphaBlend(destination, source, 0, 0, alpha);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                ASSERT_EQ(destination.bits()[y * 1024 + x * 4],
                          std::nearbyint((1 - alpha / 255.0) * y + (x * alpha) / 255.0))
                    << y << " under " << x << " at " << alpha;
    }
}

TEST(AlphaSurface, BlendTouchesOnlyTheOverlap) {
    // Where the source goes, and what it changes in the destination.
    const std::pair<QPoint, QRect> cases[] = {
        {{3, 1}, {3, 1, 1, 2}},   // cut at the right and the bottom
        {{-1, -2}, {0, 0, 1, 3}}, // cut at the left and the top
        {{4, 0}, {}},             // beside the destination
    };
    for (const auto& [at, changed] : cases) {
        AlphaSurface destination = filled(4, 3, 200);
        AlphaSurface::alphaBlend(destination, filled(2, 5, 100), at.x(), at.y(), 255);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(destination.bits()[y * 16 + x * 4], changed.contains(x, y) ? 100 : 200)
                    << at.x() << "," << at.y() << ": " << x << "," << y;
    }
}

} // namespace
