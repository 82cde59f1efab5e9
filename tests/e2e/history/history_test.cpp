// The history and private documents with the real engine against a server on 127.0.0.1.
#include "bars/addresspanel.h"
#include "base/appsettings.h"
#include "base/browsinghistory.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "frame/featurewindows.h"
#include "frame/mainwindow.h"
#include "frame/menus.h"
#include "platform/engine/engine.h"
#include "platform/engine/webenginefactory.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QComboBox>
#include <QDirIterator>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvane;
using test::waitUntil;

namespace {

constexpr char kMarker[] = "qzxsecret";

// Every file under folder that holds text.
QStringList filesHolding(const QString& folder, const QByteArray& text) {
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (test::readFile(path).contains(text))
            found.append(path);
    }
    return found;
}

TEST(HistoryWithTheEngine, VisitsOutliveARestartPrivateDocumentsLeaveNothingCleanNowEmpties) {
    test::IsolatedHome home;
    test::TestHttpServer server;
    server.addPage("/kept", test::htmlPage("Kept Page"));
    server.addPage("/qzxsecret-page",
                   test::htmlPage("qzxsecret title",
                                  "<script>document.cookie = 'qzxsecret=qzxsecret; max-age=86400';"
                                  "localStorage.setItem('qzxsecret', 'qzxsecret');</script>"));
    server.addPage("/qzxsecret-typed", test::htmlPage("Typed"));
    WebEngineFactory engines;
    {
        appSettings() = AppSettings();
        MainWindow window(engines, nullptr);
        window.load(server.url("/kept"));
        window.show();
        DocumentArea& area = window.documentArea();
        ASSERT_TRUE(waitUntil([&] { return area.document(1)->engine()->title() == "Kept Page"; }));

        window.menus().newPrivateDocument->trigger();
        ASSERT_EQ(area.count(), 2);
        Engine* secret = area.document(2)->engine();
        QComboBox* box = window.addressPanel()->addressBox();
        QTest::keyClicks(box, server.url("/qzxsecret-typed"));
        QTest::keyClick(box, Qt::Key_Return);
        ASSERT_TRUE(waitUntil([&] { return secret->title() == "Typed"; }));
        secret->navigate(server.url("/qzxsecret-page"));
        ASSERT_TRUE(waitUntil([&] { return secret->title() == "qzxsecret title"; }));
        area.document(2)->closeDocument();
        ASSERT_TRUE(waitUntil([&] { return area.count() == 1; }));
        QTest::qWait(500); // the private profile goes after its last page
        window.close();
    }
    EXPECT_EQ(filesHolding(home.root(), kMarker), QStringList());

    // A second run of the browser finds the visit, not the private one.
    appSettings() = AppSettings();
    MainWindow window(engines, nullptr);
    window.load(QStringLiteral("about:blank")); // not the default home page on the internet
    BrowsingHistory& history = window.featureWindows().history();
    QStringList visits;
    for (const Visit& visit : history.visits())
        visits.append(visit.url + " " + visit.title);
    EXPECT_TRUE(visits.contains(server.url("/kept") + " Kept Page")) << visits.join('|');
    EXPECT_FALSE(visits.join('|').contains(kMarker));
    EXPECT_FALSE(filesHolding(home.dataHome(), "Kept Page").isEmpty());

    window.featureWindows().cleanHistory(); // what Clean Now does
    EXPECT_TRUE(history.visits().empty());
    EXPECT_EQ(filesHolding(home.dataHome(), "Kept Page"), QStringList());
    window.close();
}

} // namespace
