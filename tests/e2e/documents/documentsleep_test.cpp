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

#include <QAction>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <memory>

using namespace kelvane;
using test::waitUntil;

namespace {

constexpr int kSites = 6;

TEST(DocumentSleep, SleepingDocumentsLoseTheirRenderersAndWakeWithTheirHistory) {
    test::IsolatedHome home;
    appSettings() = AppSettings();
    WebEngineFactory engines;
    MainWindow window{engines, nullptr};
    window.load(QStringLiteral("about:blank"));
    window.resize(900, 700);
    window.show();
    DocumentArea& area = window.documentArea();
    const auto engineOf = [&](int docIndex) {
        return static_cast<WebEngine*>(area.document(docIndex)->engine());
    };

    std::vector<std::unique_ptr<test::TestHttpServer>> servers;
    QList<qint64> renderers;
    for (int i = 0; i < kSites; ++i) {
        servers.push_back(std::make_unique<test::TestHttpServer>(
            nullptr, QStringLiteral("127.0.0.%1").arg(i + 2)));
        test::TestHttpServer& server = *servers.back();
        ASSERT_GT(server.port(), 0) << "127.0.0." << i + 2;
        server.addPage("/a", test::htmlPage("A"));
        server.addPage("/b", test::htmlPage(QStringLiteral("B%1").arg(i)));
        area.openInNewDocument(server.url("/a"));
        WebEngine* engine = engineOf(i + 2);
        ASSERT_TRUE(waitUntil([&] { return engine->title() == "A"; }));
        engine->navigate(server.url("/b"));
        ASSERT_TRUE(waitUntil([&] { return engine->title() == QStringLiteral("B%1").arg(i); }));
        renderers << engine->page()->renderProcessPid();
        ASSERT_GT(renderers.last(), 0);
    }
    area.document(1)->bringToFront(); // about:blank stays awake in front

    window.menus().putOthersToSleep->trigger();
    for (int i = 0; i < kSites; ++i) {
        const QString proc = QStringLiteral("/proc/%1").arg(renderers.at(i));
        EXPECT_TRUE(waitUntil([&] { return !QFileInfo::exists(proc); }, 20'000))
            << "the renderer of 127.0.0." << i + 2 << " still runs";
        EXPECT_EQ(engineOf(i + 2)->lifecycle(), PageLifecycle::Discarded);
        EXPECT_TRUE(area.documents().isSleeping(i + 2));
    }

    for (int i = 0; i < kSites; ++i) {
        area.document(i + 2)->bringToFront();
        WebEngine* engine = engineOf(i + 2);
        EXPECT_TRUE(waitUntil([&] { return engine->page()->renderProcessPid() > 0; }));
        EXPECT_TRUE(waitUntil([&] { return engine->title() == QStringLiteral("B%1").arg(i); }));
        EXPECT_EQ(engine->url(), servers[i]->url("/b"));
        ASSERT_EQ(engine->backCount(), 1);
        EXPECT_EQ(engine->historyEntry(true, 1)->url, servers[i]->url("/a"));
        EXPECT_FALSE(area.documents().isSleeping(i + 2));
    }
    window.close();
}

} // namespace
