#include "draw/hlscolor.h"
#include "draw/progressbar.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

using namespace kelvane;

namespace {

QRgb pixelAt(const ProgressBar& bar, int x, int y) {
    return bar.picture().image().pixel(x, y);
}

ProgressBar plainBar(int width) {
    ProgressBar bar;
    bar.setShowPercentage(false);
    EXPECT_TRUE(bar.setWidth(width));
    return bar;
}

TEST(ProgressBar, CaptionRule) {
    struct Case {
        const char* text;
        bool showPercentage;
        float percent;
        const char* caption;
    };
    const Case cases[] = {
        {"Loading", true, 0.45f, "Loading (45%)"},
        {"", true, 0.45f, "45%"},
        {"", true, 0.29f, "29%"}, // 28.999998 in single precision
        {"Complete", false, 1.0f, "Complete"},
        {"", false, 0.5f, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(progressCaption(QString::fromLatin1(c.text), c.showPercentage, c.percent),
                  QLatin1String(c.caption));
}

TEST(ProgressBar, ValueSetsPercentOfTheRange) {
    ProgressBar bar;
    bar.setMaximum(100);
    bar.setValue(45);
    EXPECT_FLOAT_EQ(bar.percent(), 0.45f);
    bar.setMaximum(0);
    bar.setValue(45);
    EXPECT_EQ(bar.percent(), 0.0f);
}

TEST(ProgressBar, RecolouringCoversFilledColumnsLastColumnAndTopRow) {
    // Recoloured, the background (204, 204, 255) becomes (158, 158, 255), the border's
    // (240, 240, 240) becomes (177, 177, 255) and the white start of the gradient (204, 204, 255).
    const QRgb background = qRgb(204, 204, 255);
    const QRgb border = qRgb(240, 240, 240);
    const QRgb recolouredBackground = qRgb(158, 158, 255);
    const QRgb recolouredBorder = qRgb(177, 177, 255);
    const int middle = 10;

    ProgressBar bar = plainBar(100);
    bar.setPercent(0.0f); // still recolours column 0
    EXPECT_EQ(pixelAt(bar, 0, middle), recolouredBorder);
    EXPECT_EQ(pixelAt(bar, 1, middle), background);
    EXPECT_EQ(pixelAt(bar, 99, middle), recolouredBorder);
    EXPECT_EQ(pixelAt(bar, 50, 0), recolouredBorder);
    EXPECT_EQ(pixelAt(bar, 50, 19), border);

    bar.setPercent(0.01f); // 0.98 of 98 columns: columns 0 and 1
    EXPECT_EQ(pixelAt(bar, 1, middle), recolouredBackground);
    EXPECT_GE(qRed(pixelAt(bar, 2, middle)), 250); // the gradient's white start, untouched

    bar.setPercent(1.0f); // 98 columns: the bar up to its last column, 98, in dark blue
    EXPECT_EQ(qRed(pixelAt(bar, 98, middle)), qGreen(pixelAt(bar, 98, middle)));
    EXPECT_LE(qRed(pixelAt(bar, 98, middle)), 10);
}

TEST(ProgressBar, AutoSizeFollowsTheCaptionAndRefusesWidth) {
    ProgressBar bar = plainBar(100);
    bar.setAutoSize(true);
    EXPECT_EQ(bar.width(), 4); // an empty caption measures 0
    EXPECT_EQ(bar.picture().width(), 100);
    EXPECT_FALSE(bar.setWidth(300));
    EXPECT_EQ(bar.width(), 4);
    bar.setMinWidth(160);
    EXPECT_EQ(bar.picture().width(), 160);

    bar.setShowPercentage(true);
    bar.setPercent(0.5f);
    EXPECT_EQ(bar.width(), QFontMetrics(bar.font()).horizontalAdvance(QStringLiteral("50%")) + 4);
}

TEST(ProgressBar, PictureNeverShrinksAndDrawCopiesTheBarWidthOnly) {
    ProgressBar bar = plainBar(200);
    bar.setPercent(0.5f);
    ASSERT_TRUE(bar.setWidth(100));
    EXPECT_EQ(bar.picture().width(), 200);

    QImage target(300, 30, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::green);
    QPainter painter(&target);
    bar.draw(painter, 0, 0);
    painter.end();
    EXPECT_EQ(target.pixel(99, 5), pixelAt(bar, 99, 5));
    EXPECT_EQ(target.pixel(100, 5), qRgb(0, 255, 0));
    EXPECT_EQ(target.pixel(50, 20), qRgb(0, 255, 0));
}

TEST(HlsColor, RoundTripInEverySextant) {
    const QRgb colours[] = {qRgb(255, 0, 0),   qRgb(255, 128, 0), qRgb(128, 255, 0),
                            qRgb(0, 255, 128), qRgb(0, 128, 255), qRgb(128, 0, 255),
                            qRgb(255, 0, 128), qRgb(10, 20, 30),  qRgb(90, 200, 190),
                            qRgb(77, 77, 77)};
    for (const QRgb c : colours)
        EXPECT_EQ(hlsToRgb(rgbToHls(qRed(c), qGreen(c), qBlue(c))), c) << std::hex << c;
}

} // namespace
