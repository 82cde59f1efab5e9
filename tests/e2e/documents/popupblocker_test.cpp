// The popup blocker with the real engine: what pages ask for while they load is killed, what
// the user clicks opens, and a new window sent to a blocked site goes again by itself. The
// server's log tells what was fetched; the document list the program stores a few seconds
// after every change (with "save all documents" on) tells what stayed open.
#include "support/desktoptest.h"
#include "support/secondstart.h"

using namespace kelvane;

namespace {

// A page that is one large link, retitled shortly after its load so the test knows the link
// is clicked on a loaded page (a click on a loading one would rightly be killed).
QString linkPage(const QString& title, const QString& target) {
    return QStringLiteral("<title>%1</title><body style='margin:0' onload=\"setTimeout(() => "
                          "document.title = '%1 ready', 300)\"><a target=_blank href='%2' "
                          "style='display:block;height:100vh'>%2</a>")
        .arg(title, target);
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
        store("SaveAllOnExit", "True");
        placeMainWindow();
    }
    QString blockedSitesPath() const { return home.dataHome() + "/Kelvane/blacklist.kvn"; }
    void writeBlockedSites(const QByteArray& bytes) {
        ASSERT_TRUE(test::writeFile(blockedSitesPath(), bytes));
    }
};

TEST_F(PopupBlocker, KillsLoadingPagesPopupsAndWindowsSentToBlockedSites) {
    store("PopUpEnabled", "False");
    // The empty entry matches nothing; the other one matches in any letter case.
    const QByteArray sites = "\r\nBLOCKED-Site\r\n";
    writeBlockedSites(sites);

    ASSERT_TRUE(start({url("/opener")}, "Opener"));
    ASSERT_EQ(test::handOverToRunning({url("/links")}), "");
    ASSERT_TRUE(showsPage("Links ready"));
    x.click(inMainWindow(500, 400));
    ASSERT_TRUE(showsPage("Target ready")) << "a link clicked on a loaded page opens a document";
    x.click(inMainWindow(500, 400)); // the new window this asks for goes again
    ASSERT_EQ(test::handOverToRunning({url("/a")}), "");
    ASSERT_TRUE(showsPage("Page A"));

    // Opener, Links, Target and Page A: neither the popup nor the blocked window stayed.
    ASSERT_TRUE(x.waitFor([&] { return stored("Document4") == url("/a"); })) << stored("Document4");
    EXPECT_EQ(stored("DocumentCount"), "4");
    EXPECT_EQ(stored("Document1"), url("/opener"));
    EXPECT_EQ(server.requestCount("/popup"), 0);
    EXPECT_EQ(server.requestCount("/x/blocked-sITE/y"), 0);
    ASSERT_TRUE(stop());

    EXPECT_EQ(test::readFile(blockedSitesPath()), sites) << "written back as it was";
}

TEST_F(PopupBlocker, OffItLetsPopupsOpenWithoutConsultingTheBlockedSites) {
    writeBlockedSites("popup\r\n");
    ASSERT_TRUE(start({url("/opener")}));
    EXPECT_TRUE(x.waitFor([&] { return server.requestCount("/popup") == 1; }));
    ASSERT_TRUE(x.waitFor([&] { return stored("DocumentCount") == "2"; }));
    ASSERT_TRUE(stop());
}

} // namespace
