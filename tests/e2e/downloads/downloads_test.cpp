// Downloads with the real engine, from a server the test starts on 127.0.0.1.
#include "base/appsettings.h"
#include "base/stringtable.h"
#include "downloads/downloaditem.h"
#include "downloads/downloadmanager.h"
#include "platform/engine/engineservices.h"
#include "platform/engine/webenginefactory.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QWidget>
#include <gtest/gtest.h>

#include <csignal>

using namespace kelvane;
using test::waitUntil;
using State = DownloadItem::State;

namespace {

// The server of support/downloadserver.py: its answers are built from the query.
struct DownloadServer {
    DownloadServer() {
        m_process.start("python3", {KELVANE_TESTS_DIR "/support/downloadserver.py"});
        m_process.waitForReadyRead(10'000);
        m_port = m_process.readLine().trimmed().toInt();
    }
    QString url(const QString& query) const {
        return QStringLiteral("http://127.0.0.1:%1/f?%2").arg(m_port).arg(query);
    }
    // Answers cut short by "cut" are whole from now on.
    void serveWhole() { m_process.write("whole\n"), m_process.waitForBytesWritten(); }
    QProcess m_process;
    int m_port = 0;
};

// What the server sends for size bytes: byte i is i % 251.
QByteArray served(int size) {
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i % 251);
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QByteArray sha256(const QString& path) {
    return QCryptographicHash::hash(test::readFile(path), QCryptographicHash::Sha256);
}

struct Downloads : ::testing::Test {
    Downloads() {
        appSettings().downloadAskWhere = false;
        appSettings().downloadFolder = folder();
    }
    QString folder() const { return base.filePath("in"); }
    QStringList files() const { return QDir(folder()).entryList(QDir::Files); }
    // Fetches query and waits until its download runs; the new one of the list.
    DownloadItem* fetch(const QString& query) {
        const qsizetype before = manager.items().size();
        engines.services().download(server.url(query));
        EXPECT_TRUE(waitUntil([&] { return manager.items().size() > before; }));
        return manager.items().value(before);
    }
    bool ends(DownloadItem* item, State state) {
        return waitUntil([&] { return !item->isActive(); }) && item->state() == state;
    }
    test::IsolatedHome home;
    QTemporaryDir base;
    DownloadServer server;
    WebEngineFactory engines;
    QWidget window;
    DownloadManager manager{engines.services(), &window};
};

TEST_F(Downloads, AttachmentsArriveByteForByteUnderSafeFreeNamesInTheFolder) {
    const std::pair<QString, QString> cases[] = {
        {"name=report.bin", "report.bin"},
        {"name=report.bin", "report (1).bin"},
        {"name=../../evil.bin", "evil.bin"},
        {"name=.profile", "profile"},
    };
    for (const auto& [query, name] : cases) {
        DownloadItem* item = fetch(query + "&size=3000000");
        ASSERT_TRUE(ends(item, State::Completed)) << name;
        EXPECT_EQ(item->path(), QDir(folder()).filePath(name));
        EXPECT_EQ(sha256(item->path()), served(3'000'000)) << name;
    }
    EXPECT_EQ(files(), (QStringList{"evil.bin", "profile", "report (1).bin", "report.bin"}));
    EXPECT_EQ(QDir(base.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"in"});
}

TEST_F(Downloads, CancelLeavesNothing) {
    DownloadItem* item = fetch("name=big.bin&size=9000000&stall=1000000");
    ASSERT_TRUE(waitUntil([&] { return item->receivedBytes() > 0 && !files().isEmpty(); }));
    EXPECT_FALSE(files().contains("big.bin")) << "never under its final name while it runs";
    item->cancel();
    EXPECT_EQ(item->state(), State::Cancelled);
    EXPECT_TRUE(files().isEmpty()) << files().join(',').toStdString();
}

TEST_F(Downloads, AServerEndingHalfWayFailsSayingWhyAndRetryCompletes) {
    DownloadItem* item = fetch("name=cut.bin&size=3000000&cut=1000000");
    ASSERT_TRUE(ends(item, State::Failed));
    EXPECT_EQ(item->failureReason(), tableString(5030));
    EXPECT_TRUE(files().isEmpty()) << files().join(',').toStdString();
    server.serveWhole();
    manager.retry(item);
    ASSERT_TRUE(waitUntil([&] { return item->isActive(); }));
    ASSERT_TRUE(ends(item, State::Completed));
    EXPECT_EQ(manager.items().size(), 1);
    EXPECT_EQ(sha256(QDir(folder()).filePath("cut.bin")), served(3'000'000));
}

TEST_F(Downloads, TheProgramClosedBySignalCancelsItsDownloadsCleanly) {
    home.store("CheckIfDefault", "False");
    home.store("DownloadAskWhere", "False");
    home.store("DownloadFolder", folder());
    QProcess program;
    program.start(KELVANE_BINARY, {server.url("name=big.bin&size=9000000&stall=1000000")});
    ASSERT_TRUE(waitUntil([&] { return !files().isEmpty(); }, 30'000));
    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(waitUntil([&] { return program.state() == QProcess::NotRunning; }, 30'000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(files().isEmpty()) << files().join(',').toStdString();
}

} // namespace
