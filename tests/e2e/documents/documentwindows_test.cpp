// The document windows on a real desktop: which document becomes active, and how Cascade lays
// them out.
#include "support/desktoptest.h"

#include <QTest>

#include <algorithm>
#include <iterator>

using namespace kelvane;

namespace {

class DocumentWindows : public test::DesktopTest {
protected:
    // How much of the image the test pages' colours fill, per page.
    static QList<double> pageShares(const QImage& image) {
        QList<double> shares(std::size(kPageColours), 0.0);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const auto* colour = std::find(std::begin(kPageColours), std::end(kPageColours),
                                               image.pixel(x, y) | 0xff000000);
                if (colour != std::end(kPageColours))
                    shares[colour - std::begin(kPageColours)] += 1.0;
            }
        }
        for (double& share : shares)
            share /= double(image.width()) * image.height();
        return shares;
    }
};

} // namespace

TEST_F(DocumentWindows, ClosingTheFindBarOrTheLastDocumentKeepsTheRightOneActive) {
    saveDocuments({"/a", "/b", "/c"});
    ASSERT_TRUE(start({}, "Page C"));
    x.keys("alt+f c"); // File, Close: the active last document
    EXPECT_TRUE(showsPage("Page B", 5000)) << "the previous one";
    x.keys("ctrl+shift+Tab");
    ASSERT_TRUE(showsPage("Page A", 5000));
    x.keys("ctrl+f");
    QTest::qWait(300);
    x.type("Page");
    x.keys("Escape");
    EXPECT_TRUE(holds([&] { return title().endsWith("[Page A]"); })) << "the find bar closed";
    ASSERT_TRUE(stop());
    EXPECT_EQ(stored("DocumentCount"), "2");
}

TEST_F(DocumentWindows, CascadeLeavesThePagesReadable) {
    saveDocuments({"/a", "/b"});
    placeMainWindow();
    ASSERT_TRUE(start({}, "Page B"));
    x.keys("alt+w c"); // Window, Cascade
    // Both pages show, and together they fill a good part of the window.
    QList<double> shares;
    EXPECT_TRUE(x.waitFor(
        [&] {
            shares = pageShares(x.grab(x.geometry(mainWindow())));
            return shares[0] > 0.005 && shares[1] > 0.005 && shares[0] + shares[1] > 0.25;
        },
        5000))
        << "page A " << shares.value(0) << ", page B " << shares.value(1);
    ASSERT_TRUE(stop());
}
