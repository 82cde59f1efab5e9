// The popup blocker with the real engine: what pages ask for while they load is killed, what
// the user clicks opens, and a new window sent to a blocked site goes again by itself. The
// server's log tells what was fetched; the document list the program stores a few seconds
// after every change (with "save all documents" on) tells what stayed open. Also the document
// windows: which document becomes active, and how Cascade lays them out.
#include "support/desktoptest.h"
#include "support/secondstart.h"

#include <QTest>

#include <algorithm>
#include <iterator>

using namespace kelvane;

namespace {

// After its load, a page's frame navigates (as adverts do), then the page runs `late`.
QString laterPage(const QString& body, const QString& late) {
    return QStringLiteral(
               "<body style='margin:0' onload=\"setTimeout(() => { frames[0].location = "
               "'/b'; setTimeout(() => { %1 }, 300) }, 100)\"><iframe hidden></iframe>%2")
        .arg(late, body);
}

// A page that is one large link, retitled after its load so the test knows the link is
// clicked on a loaded page (a click on a loading one would rightly be killed).
QString linkPage(const QString& title, const QString& target) {
    return laterPage(QStringLiteral("<title>%1</title><a target=_blank href='%2' "
                                    "style='display:block;height:100vh'>%2</a>")
                         .arg(title, target),
                     QStringLiteral("document.title = '%1 ready'").arg(title));
}

using PopupBlocker = test::DesktopTest;

TEST_F(PopupBlocker, KillsLoadingPagesPopupsAndWindowsSentToBlockedSites) {
    // The popup is asked for while the page waits for its slow picture.
    server.addPage("/opener",
                   "<title>Opener</title><script>window.open('/popup')</script><img src='/slow'>");
    server.setDelay("/slow", 2000);
    server.addPage("/links", linkPage("Links", "/target"));
    server.addPage("/target", linkPage("Target", "/x/blocked-sITE/y"));
    server.addPage("/late", laterPage({}, "window.open('/c')"));
    store("SaveAllOnExit", "True");
    store("PopUpEnabled", "False");
    placeMainWindow();
    // The empty entry matches nothing; the other one matches in any letter case.
    const QByteArray sites = "\r\nBLOCKED-Site\r\n";
    const QString blockedSites = home.dataHome() + "/Kelvane/blacklist.kvn";
    ASSERT_TRUE(test::writeFile(blockedSites, sites));

    ASSERT_TRUE(start({url("/opener")}, "Opener"));
    ASSERT_EQ(test::handOverToRunning({url("/links")}), "");
    ASSERT_TRUE(showsPage("Links ready"));
    x.click(inMainWindow(500, 400));
    ASSERT_TRUE(showsPage("Target ready")) << "a link clicked on a loaded page opens a document";
    x.click(inMainWindow(500, 400)); // the new window this asks for goes again
    ASSERT_EQ(test::handOverToRunning({url("/late")}), "");

    // Opener, Links, Target, Late and the window Late asked for after its load: neither the
    // popup nor the blocked window stayed.
    ASSERT_TRUE(x.waitFor([&] { return stored("Document5") == url("/c"); })) << stored("Document5");
    EXPECT_EQ(stored("DocumentCount"), "5");
    EXPECT_EQ(stored("Document1"), url("/opener"));
    EXPECT_EQ(server.requestCount("/popup"), 0);
    EXPECT_EQ(server.requestCount("/x/blocked-sITE/y"), 0);
    ASSERT_TRUE(stop());

    EXPECT_EQ(test::readFile(blockedSites), sites) << "written back as it was";
}

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

// Then Cascade leaves both pages readable: together they fill a good part of the window.
TEST_F(DocumentWindows, ClosingTheFindBarOrTheLastDocumentKeepsTheRightOneActive) {
    saveDocuments({"/a", "/b", "/c"});
    placeMainWindow();
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

    x.keys("alt+w c"); // Window, Cascade
    QList<double> shares;
    EXPECT_TRUE(x.waitFor(
        [&] {
            shares = pageShares(x.grab(x.geometry(mainWindow())));
            return shares[0] > 0.005 && shares[1] > 0.005 && shares[0] + shares[1] > 0.25;
        },
        5000))
        << "page A " << shares.value(0) << ", page B " << shares.value(1);
    ASSERT_TRUE(stop());
    EXPECT_EQ(stored("DocumentCount"), "2");
}

} // namespace
