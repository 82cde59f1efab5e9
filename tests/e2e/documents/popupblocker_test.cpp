// The popup blocker with the real engine: what pages ask for while they load is killed, what
// the user clicks opens, and a new window sent to a blocked site goes again by itself. The
// server's log tells what was fetched; the document list the program stores a few seconds
// after every change (with "save all documents" on) tells what stayed open.
#include "support/desktoptest.h"
#include "support/secondstart.h"

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

class PopupBlocker : public test::DesktopTest {
protected:
    PopupBlocker() {
        // The popup is asked for while the page waits for its slow picture.
        server.addPage(
            "/opener",
            "<title>Opener</title><script>window.open('/popup')</script><img src='/slow'>");
        server.setDelay("/slow", 2000);
        server.addPage("/links", linkPage("Links", "/target"));
        server.addPage("/target", linkPage("Target", "/x/blocked-sITE/y"));
        server.addPage("/late", laterPage({}, "window.open('/c')"));
        store("SaveAllOnExit", "True");
        placeMainWindow();
    }
    QString blockedSitesPath() const { return home.dataHome() + "/Kelvane/blacklist.kvn"; }
};

TEST_F(PopupBlocker, KillsLoadingPagesPopupsAndWindowsSentToBlockedSites) {
    store("PopUpEnabled", "False");
    // The empty entry matches nothing; the other one matches in any letter case.
    const QByteArray sites = "\r\nBLOCKED-Site\r\n";
    ASSERT_TRUE(test::writeFile(blockedSitesPath(), sites));

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

    EXPECT_EQ(test::readFile(blockedSitesPath()), sites) << "written back as it was";
}

} // namespace
