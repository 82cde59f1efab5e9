// The progress bar's drawing, and the caption loader on a window designed with identifiers
// where texts go: a few cases for each kind of control.
#include "draw/contrast.h"
#include "draw/progressbar.h"
#include "ui/captions.h"

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabBar>
#include <QToolBar>
#include <QTreeView>

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

TEST(ProgressBar, CaptionReadsAlongTheWholeBarAndTheTrackIsFlat) {
    // The caption's pixels against the same bar without it: at every fill the text's fully
    // covered pixels stand out at the contrast body text needs.
    for (const float percent : {0.0f, 0.3f, 0.6f, 1.0f}) {
        ProgressBar plain = plainBar(150);
        ProgressBar captioned = plainBar(150);
        plain.setPercent(percent);
        captioned.setText(QStringLiteral("Loading (30%) WWWWWW"));
        captioned.setPercent(percent);
        int textPixels = 0, readable = 0;
        for (int x = 0; x < 150; ++x) {
            for (int y = 0; y < 20; ++y) {
                const QRgb with = pixelAt(captioned, x, y), without = pixelAt(plain, x, y);
                textPixels += with != without;
                readable += with != without && contrastRatio(with, without) >= 4.5;
            }
        }
        EXPECT_GT(textPixels, 100) << percent;
        EXPECT_GT(readable * 5, textPixels) << percent; // the rest are the glyphs' soft edges
    }
    ProgressBar tracked = plainBar(100);
    tracked.setTrackColor(QColor(Qt::white));
    tracked.setPercent(0.5f);
    EXPECT_EQ(pixelAt(tracked, 60, 10), qRgb(255, 255, 255));
    EXPECT_EQ(pixelAt(tracked, 97, 10), qRgb(255, 255, 255));
    EXPECT_GT(contrastRatio(pixelAt(tracked, 45, 10), qRgb(255, 255, 255)), 1.5);
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

TEST(Captions, EachKindOfControlTakesItsTexts) {
    QMainWindow window;
    window.setProperty(kCaptionIdProperty, "2500x"); // not a whole number: the title stays
    QMenu* file = window.menuBar()->addMenu("1000");
    auto* popup = new QMenu(&window); // hidden, in no menu bar
    popup->setProperty(kCaptionIdProperty, "1081");
    popup->setToolTip("1108");
    QToolBar* bar = window.addToolBar("Browse");
    QAction* back = bar->addAction("1102");
    back->setToolTip("1108");
    QAction* print = bar->addAction("1010"); // its tool tip is derived from its text
    auto* tabs = new QTabBar(&window);
    tabs->setTabData(tabs->addTab("Design"), "3009");
    auto* view = new QTreeView(&window);
    QStandardItemModel model(0, 1);
    model.setHeaderData(0, Qt::Horizontal, "3202", Qt::UserRole);
    view->setModel(&model);
    auto* label = new QLabel("3202", &window);
    auto* unknown = new QLabel("1121", &window);
    auto* button = new QPushButton(&window);
    button->setProperty(kCaptionIdProperty, "1503x"); // the general rule: a leading number
    button->setToolTip("2502 and more");
    auto* colours = new QColorDialog(&window); // a common dialog: its title only
    colours->setProperty(kCaptionIdProperty, "3510");

    applyCaptions(&window);
    // clang-format off
    const std::pair<QString, const char*> texts[] = {
        {window.windowTitle(), ""}, {file->title(), "&File"}, {popup->title(), "Tabs"}, {popup->toolTip(), "1108"}, {back->text(), "Back"},
        {back->toolTip(), "Navigate to previous site"}, {print->toolTip(), "Print"},
        {tabs->tabText(0), "General"}, {model.headerData(0, Qt::Horizontal).toString(), "Site &URL"},
        {label->text(), "Site &URL"}, {unknown->text(), "1121"}, {button->text(), "&Yes"},
        {button->toolTip(), "Close selected site"}, {colours->windowTitle(), "Notes &Color"}};
    // clang-format on
    for (const auto& [text, expected] : texts)
        EXPECT_EQ(text, QLatin1String(expected)) << expected;
}

} // namespace
