// Sleeping documents with the real engine: six documents on six sites (127.0.0.2 to .7 are
// different sites to the engine) put to sleep lose their renderers and wake with their history.
#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "frame/mainwindow.h"
#include "frame/menus.h"
#include "platform/engine/webengine.h"
#include "platform/engine/webenginefactory.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kelvane;
using test::waitUntil;

TEST(DocumentSleep, SleepingDocumentsLoseTheirRenderersAndWakeWithTheirHistory) {
    test::IsolatedHome home;
    appSettings() = AppSettings();
    WebEngineFactory engines;
    MainWindow window{engines, nullptr};
    window.load(QStringLiteral("about:blank"));
    window.show();
    DocumentArea& area = window.documentArea();
    const auto engine = [&](int site) {
        return static_cast<WebEngine*>(area.document(site + 2)->engine());
    };
    // A document still loading never sleeps.
    const auto shows = [&](int site, const char* page) {
        return waitUntil([&] {
            return engine(site)->title() == page + QString::number(site) &&
                   !area.document(site + 2)->isLoading();
        });
    };
    std::vector<std::unique_ptr<test::TestHttpServer>> servers;
    QList<qint64> renderers;
    for (int i = 0; i < 6; ++i) {
        servers.push_back(std::make_unique<test::TestHttpServer>(
            nullptr, QStringLiteral("127.0.0.%1").arg(i + 2)));
        for (const char* page : {"A", "B"})
            servers[i]->addPage(QStringLiteral("/") + page,
                                test::htmlPage(page + QString::number(i)));
        area.openInNewDocument(servers[i]->url("/A"));
        ASSERT_TRUE(shows(i, "A"));
        engine(i)->navigate(servers[i]->url("/B"));
        ASSERT_TRUE(shows(i, "B"));
        renderers << engine(i)->page()->renderProcessPid();
    }
    area.document(1)->bringToFront(); // about:blank stays awake in front
    window.menus().putOthersToSleep->trigger();
    for (int i = 0; i < 6; ++i) {
        const QString proc = QStringLiteral("/proc/%1").arg(renderers.at(i));
        EXPECT_TRUE(waitUntil([&] { return !QFileInfo::exists(proc); })) << "127.0.0." << i + 2;
        EXPECT_EQ(engine(i)->lifecycle(), PageLifecycle::Discarded);
        EXPECT_EQ(engine(i)->view(), nullptr) << "a sleeping document holds no page";
    }
    for (int i = 0; i < 6; ++i) {
        area.document(i + 2)->bringToFront();
        EXPECT_TRUE(waitUntil(
            [&] { return engine(i)->page() && engine(i)->page()->renderProcessPid() > 0; }));
        EXPECT_TRUE(shows(i, "B"));
        EXPECT_EQ(engine(i)->url(), servers[i]->url("/B"));
        EXPECT_EQ(engine(i)->historyEntry(true, 1).value_or(HistoryEntry()).url,
                  servers[i]->url("/A"));
    }
}
