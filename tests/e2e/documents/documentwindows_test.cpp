// The document windows on a real desktop: which document becomes active, how Cascade lays
// them out, and the document commands with none open.
#include "support/desktoptest.h"

#include <QTest>

#include <algorithm>
#include <iterator>

using namespace kelvane;
using test::XWindow;

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
    // The File menu as it looks when opened from the keyboard.
    QImage fileMenu() {
        x.keys(QStringLiteral("alt+f"));
        XWindow menu = 0;
        if (!x.waitFor([&] { return (menu = x.openMenu()) != 0; }, 5000))
            return {};
        QTest::qWait(300); // drawn
        const QImage image = x.grab(x.geometry(menu));
        x.keys(QStringLiteral("Escape"));
        x.waitFor([&] { return x.openMenu() == 0; }, 5000);
        return image;
    }
};

} // namespace

TEST_F(DocumentWindows, ClosingTheFindBarKeepsTheActiveDocument) {
    saveDocuments({QStringLiteral("/a"), QStringLiteral("/b"), QStringLiteral("/c")});
    ASSERT_TRUE(start({}, QStringLiteral("Page C")));
    x.keys(QStringLiteral("ctrl+shift+Tab"));
    ASSERT_TRUE(showsPage(QStringLiteral("Page B"), 5000));
    x.keys(QStringLiteral("ctrl+f"));
    QTest::qWait(300);
    x.type(QStringLiteral("Page"));
    x.keys(QStringLiteral("Escape"));
    EXPECT_TRUE(holds([&] { return title().endsWith(QLatin1String("[Page B]")); }))
        << qPrintable(title());
    ASSERT_TRUE(stop());
}

TEST_F(DocumentWindows, ClosingTheActiveLastDocumentActivatesThePreviousOne) {
    saveDocuments({QStringLiteral("/a"), QStringLiteral("/b"), QStringLiteral("/c")});
    ASSERT_TRUE(start({}, QStringLiteral("Page C")));
    x.keys(QStringLiteral("alt+f c")); // File, Close
    EXPECT_TRUE(showsPage(QStringLiteral("Page B"), 5000)) << qPrintable(title());
    ASSERT_TRUE(stop());
    EXPECT_EQ(stored(QStringLiteral("DocumentCount")), QStringLiteral("2"));
}

TEST_F(DocumentWindows, CascadeLeavesThePagesReadable) {
    saveDocuments({QStringLiteral("/a"), QStringLiteral("/b")});
    placeMainWindow();
    ASSERT_TRUE(start({}, QStringLiteral("Page B")));
    x.keys(QStringLiteral("alt+w c")); // Window, Cascade
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

TEST_F(DocumentWindows, DocumentCommandsStartDisabledWithoutDocuments) {
    store(QStringLiteral("SaveAllOnExit"), QStringLiteral("True")); // nothing saved: no document
    placeMainWindow();
    ASSERT_TRUE(start());
    const auto toolbar = [&] { return x.grab(QRect(inMainWindow(66, 22), QSize(250, 52))); };
    const QImage toolbarAtStart = toolbar();
    const QImage menuAtStart = fileMenu();

    x.keys(QStringLiteral("alt+w n")); // Window, New Window
    ASSERT_TRUE(x.waitFor([&] { return title() != QLatin1String("Kelvane v1.50"); }, 10'000));
    const QImage menuWithDocument = fileMenu();
    x.keys(QStringLiteral("alt+f c")); // File, Close
    ASSERT_TRUE(x.waitFor([&] { return title() == QLatin1String("Kelvane v1.50"); }, 10'000));
    const QImage menuAfterClose = fileMenu();
    ASSERT_FALSE(menuAfterClose.isNull());
    EXPECT_TRUE(menuAfterClose != menuWithDocument) << "the close greys the document commands";
    EXPECT_TRUE(menuAtStart == menuAfterClose) << "the File menu";
    EXPECT_TRUE(toolbarAtStart == toolbar()) << "the browse toolbar";
    ASSERT_TRUE(stop());
}
