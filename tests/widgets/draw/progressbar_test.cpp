#include "draw/progressbar.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

using namespace kelvane;

namespace {

QRgb pixelAt(const ProgressBar& bar, int x, int y) {
    return bar.picture().image().pixel(x, y);
}

ProgressBar plainBar(int width) { // no caption: only the gradient and the recolouring show
    ProgressBar bar;
    bar.setShowPercentage(false);
    EXPECT_TRUE(bar.setWidth(width));
    return bar;
}

TEST(ProgressBar, CaptionAndPercentRules) {
    EXPECT_EQ(progressCaption("Loading", true, 0.45f), "Loading (45%)");
    EXPECT_EQ(progressCaption("", true, 0.45f), "45%");
    EXPECT_EQ(progressCaption("", true, 0.29f), "29%"); // 28.999998 in single precision
    EXPECT_EQ(progressCaption("Complete", false, 1.0f), "Complete");

    ProgressBar bar;
    bar.setMaximum(100);
    bar.setValue(45);
    EXPECT_FLOAT_EQ(bar.percent(), 0.45f);
    bar.setMaximum(0);
    bar.setValue(45);
    EXPECT_EQ(bar.percent(), 0.0f);
}

TEST(ProgressBar, RecolouringCoversFilledColumnsLastColumnAndTopRow) {
    const QRgb background = qRgb(204, 204, 255), recolouredBackground = qRgb(158, 158, 255);
    const QRgb border = qRgb(240, 240, 240), recolouredBorder = qRgb(177, 177, 255);
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

    bar.setPercent(1.0f); // the bar's last column, 98, in dark blue
    EXPECT_EQ(qRed(pixelAt(bar, 98, middle)), qGreen(pixelAt(bar, 98, middle)));
    EXPECT_LE(qRed(pixelAt(bar, 98, middle)), 10);
}

TEST(ProgressBar, AutoSizeFollowsTheCaptionAndRefusesWidth) {
    ProgressBar bar = plainBar(100);
    bar.setAutoSize(true);
    EXPECT_EQ(bar.width(), 4); // an empty caption measures 0
    EXPECT_FALSE(bar.setWidth(300));
    EXPECT_EQ(bar.width(), 4);
    bar.setMinWidth(160);
    EXPECT_EQ(bar.picture().width(), 160);
    bar.setShowPercentage(true);
    bar.setPercent(0.5f);
    EXPECT_EQ(bar.width(), QFontMetrics(bar.font()).horizontalAdvance("50%") + 4);
}

TEST(ProgressBar, PictureNeverShrinksAndDrawCopiesTheBarWidthOnlyOrBlendsIt) {
    ProgressBar bar = plainBar(200);
    bar.setPercent(0.5f);
    ASSERT_TRUE(bar.setWidth(100));
    EXPECT_EQ(bar.picture().width(), 200);

    QImage target(300, 30, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::green);
    QPainter painter(&target);
    bar.draw(painter, 0, 0);
    EXPECT_EQ(target.pixel(99, 5), pixelAt(bar, 99, 5));
    EXPECT_EQ(target.pixel(100, 5), qRgb(0, 255, 0));
    EXPECT_EQ(target.pixel(50, 20), qRgb(0, 255, 0));

    target.fill(Qt::black);
    bar.draw(painter, 0, 0, -1, -1, 128); // source-over at half opacity
    EXPECT_NEAR(qBlue(target.pixel(99, 5)), qBlue(pixelAt(bar, 99, 5)) / 2, 1);
}

} // namespace
