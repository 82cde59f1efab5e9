#include "base/handover.h"
#include "base/singleinstance.h"
#include "support/isolation.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <future>

using namespace kelvane;
using namespace std::chrono_literals;

namespace {

constexpr int kWaitMs = 15000;

std::future<bool> sendInBackground(const QString& text, const QString& directory = "/") {
    return std::async(std::launch::async, [=] { return sendCommandLine(text, directory, 5000); });
}

// Runs this thread's event loop, where the server lives, until the sender has its answer.
bool answer(std::future<bool>&& pending) {
    return QTest::qWaitFor([&] { return pending.wait_for(0s) == std::future_status::ready; },
                           kWaitMs) &&
           pending.get();
}

sockaddr_un socketAddress(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (size_t(name.size()) < sizeof address.sun_path)
        std::memcpy(address.sun_path, name.constData(), name.size() + 1);
    return address;
}

// What a killed instance leaves behind: a bound socket file that nobody listens on.
bool leaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = socketAddress(path);
    const bool bound =
        fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

qint64 deadPid() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

class SingleInstanceTest : public ::testing::Test {
protected:
    void TearDown() override { releaseSingleInstance(); }
    QString lockPath() const { return m_home.runtimeDir() + "/" + lockName(); }

    test::IsolatedHome m_home;
};

TEST_F(SingleInstanceTest, OneHolderAtATime) {
    ASSERT_TRUE(claimSingleInstance(lockName()));
    EXPECT_TRUE(holdsSingleInstance() && QFile::exists(lockPath()));
    EXPECT_TRUE(claimSingleInstance(lockName())) << "still ours";
    QLockFile other(lockPath());
    EXPECT_FALSE(other.tryLock(0));
    releaseSingleInstance();
    EXPECT_FALSE(holdsSingleInstance() || QFile::exists(lockPath()));

    // Another holder makes this a later instance; its lock is not taken over even when no
    // hand-over was answered.
    ASSERT_TRUE(other.tryLock(0));
    EXPECT_FALSE(claimSingleInstance(lockName()));
    qint64 holder = 0;
    EXPECT_FALSE(takeOverSingleInstance(lockName(), &holder));
    EXPECT_EQ(holder, QCoreApplication::applicationPid());
    EXPECT_FALSE(holdsSingleInstance());
    other.unlock();
    EXPECT_TRUE(claimSingleInstance(lockName()));
    releaseSingleInstance();

    // Any failure other than a holder counts as first, holding nothing.
    EXPECT_TRUE(claimSingleInstance("no-such-folder/" + lockName()));
    EXPECT_FALSE(holdsSingleInstance());
}

// A lock file nobody holds is stale whatever it says; one only just made is taken over only
// after a hand-over that no instance answered.
TEST_F(SingleInstanceTest, LockNobodyHoldsIsTakenOver) {
    const QByteArray dead = QByteArray::number(deadPid()) + "\nkelvane\n";
    const QByteArray live = QByteArray::number(QCoreApplication::applicationPid()) + "\n" +
                            QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() +
                            "\n";
    const QByteArray elsewhere = live + "another-host\n";
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime longAgo = now.addDays(-3);
    // The lock file's content and time, and whether a start claims it.
    const std::tuple<const char*, QByteArray, QDateTime, bool> cases[] = {
        {"dead holder", dead, now, true},
        {"names a live process that does not hold it", live, longAgo, true},
        {"names another host", elsewhere, longAgo, true},
        {"empty file left by a crash", "", longAgo, true},
        {"garbage", "not a lock file\n", longAgo, true},
        {"empty file that may still be being written", "", now, false},
        {"new, naming another host", elsewhere, now, false},
        {"dated in the future", "", now.addDays(1), true},
    };
    for (const auto& [name, content, modified, claimed] : cases) {
        SCOPED_TRACE(name);
        {
            QFile file(lockPath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(content);
            file.flush(); // before the time is set, or the write would set it again
            ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
        }
        EXPECT_EQ(claimSingleInstance(lockName()), claimed);
        EXPECT_TRUE(takeOverSingleInstance(lockName()));
        EXPECT_TRUE(holdsSingleInstance());
        releaseSingleInstance();
        QFile::remove(lockPath());
    }
}

class HandOverServerTest : public ::testing::Test {
protected:
    HandOverServerTest() {
        QObject::connect(&m_server, &HandOverServer::commandLineReceived,
                         [this](const QString& text, const QString& directory) {
                             m_received.append(text);
                             m_directory = directory;
                         });
    }
    // A raw peer, for the misbehaviour no honest sender shows.
    std::unique_ptr<QLocalSocket> connectPeer() {
        auto peer = std::make_unique<QLocalSocket>();
        peer->connectToServer(handOverSocketPath());
        EXPECT_TRUE(peer->waitForConnected(kWaitMs));
        return peer;
    }
    bool waitForActive(int count) {
        return QTest::qWaitFor([&] { return m_server.activeConnections() == count; }, kWaitMs);
    }

    test::IsolatedHome m_home;
    HandOverServer m_server;
    QStringList m_received;
    QString m_directory;
};

TEST_F(HandOverServerTest, DeliversTextUnchangedBeforeAnswering) {
    ASSERT_TRUE(m_server.startListening());
    EXPECT_TRUE(m_server.startListening()); // already marked

    std::future<bool> pending;
    bool senderWaited = true;
    QObject::connect(&m_server, &HandOverServer::commandLineReceived, [&] {
        QTest::qWait(20); // the receiver lets the event loop run; the sender still waits
        senderWaited = senderWaited && pending.wait_for(0s) == std::future_status::timeout;
    });
    const QString directory = QStringLiteral("/home/u/dir with blanks/ä");
    // The long text arrives in several reads.
    for (const QString& text :
         {QString(), QStringLiteral("日本語 \U0001F600"), QString(100000, 'z')}) {
        m_received.clear();
        pending = sendInBackground(text, directory);
        EXPECT_TRUE(answer(std::move(pending)));
        EXPECT_EQ(m_received, QStringList{text});
        EXPECT_EQ(m_directory, directory);
    }
    EXPECT_TRUE(senderWaited);
}

TEST_F(HandOverServerTest, SocketLeftByAKilledInstanceIsReplacedAndGoesAtTheStop) {
    const QString path = handOverSocketPath();
    ASSERT_TRUE(leaveStaleSocket(path));
    EXPECT_FALSE(sendCommandLine("x", "/", 300)) << "nobody listens";
    ASSERT_TRUE(m_server.startListening());
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u) << "the socket is for its user only";
    EXPECT_TRUE(answer(sendInBackground("after a crash")));

    m_server.stopListening();
    EXPECT_FALSE(m_server.isListening() || QFile::exists(path));
    EXPECT_FALSE(sendCommandLine("x", "/", 300));
    EXPECT_EQ(m_received, QStringList{"after a crash"});
}

// The socket's place is taken: the instance says so once and runs on; a sender waits for it.
TEST_F(HandOverServerTest, ListenFailureIsToldOnceAndSendersWaitForTheInstance) {
    const QString path = handOverSocketPath();
    ASSERT_TRUE(QDir().mkdir(path));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(m_server.startListening());
    EXPECT_FALSE(m_server.startListening());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("kelvane: cannot listen"), std::string::npos);
    EXPECT_EQ(err.find("kelvane:"), err.rfind("kelvane:")) << err;

    auto pending = sendInBackground("waited");
    QTest::qWait(500);
    ASSERT_TRUE(QDir().rmdir(path));
    ASSERT_TRUE(m_server.startListening());
    EXPECT_TRUE(answer(std::move(pending)));
    EXPECT_EQ(m_received, QStringList{"waited"});
}

// The runtime folder's clean-up removes files unused for six hours.
TEST_F(HandOverServerTest, RuntimeFilesAreKeptFreshAndPutBack) {
    ASSERT_TRUE(claimSingleInstance(lockName()));
    ASSERT_TRUE(m_server.startListening());
    const QString lock = m_home.runtimeDir() + "/" + lockName();
    const QString socket = handOverSocketPath();
    const time_t now = ::time(nullptr);
    const timespec aged[2] = {{now - 7 * 3600, 0}, {now - 7 * 3600, 0}};
    const auto accessed = [](const QString& path) {
        struct stat info {};
        return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_atime : 0;
    };
    for (const QString& path : {lock, socket})
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path), aged, AT_SYMLINK_NOFOLLOW), 0);

    auto* timer = m_server.findChild<QTimer*>("runtimeFilesRefresh");
    ASSERT_TRUE(timer && timer->isActive());
    EXPECT_LT(timer->interval(), 6 * 3600 * 1000);
    timer->setInterval(10);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return accessed(lock) >= now && accessed(socket) >= now; }, kWaitMs));

    ASSERT_TRUE(QFile::remove(lock) && QFile::remove(socket));
    EXPECT_TRUE(QTest::qWaitFor([&] { return accessed(lock) && accessed(socket); }, kWaitMs));
    releaseSingleInstance();
}

TEST_F(HandOverServerTest, BadPeersAreDroppedSilently) {
    ASSERT_TRUE(m_server.startListening());
    const QByteArray frame = encodeHandOver({"never", "/"});
    // What the peer sends, and whether it closes then (else the server must).
    const std::tuple<const char*, QByteArray, bool> peers[] = {
        {"garbage", "GET / HTTP/1.0\r\n\r\n", false},
        {"length larger than what follows", frame.chopped(3), true},
        {"nothing at all", "", true},
    };
    for (const auto& [name, bytes, peerCloses] : peers) {
        SCOPED_TRACE(name);
        auto peer = connectPeer();
        QSignalSpy closed(peer.get(), &QLocalSocket::disconnected);
        peer->write(bytes);
        peer->flush();
        if (peerCloses) {
            peer->disconnectFromServer();
        } else {
            EXPECT_TRUE(closed.wait(kWaitMs));
            EXPECT_TRUE(peer->readAll().isEmpty()) << "no acknowledgement";
        }
        EXPECT_TRUE(waitForActive(0));
        EXPECT_TRUE(answer(sendInBackground("good"))) << "the instance stays responsive";
    }
    EXPECT_EQ(m_received, QStringList(std::size(peers), "good"));
}

// Peers beyond the bound are turned away at once; those that never finish their message are
// closed after a while, and then an honest one gets through.
TEST_F(HandOverServerTest, PeersBeyondTheBoundAreRefusedAndStalledOnesTimedOut) {
    ASSERT_TRUE(m_server.startListening());
    std::vector<std::unique_ptr<QLocalSocket>> stalled;
    for (int i = 0; i <= HandOverServer::kMaxConnections; ++i)
        stalled.push_back(connectPeer());
    QSignalSpy refused(stalled.back().get(), &QLocalSocket::disconnected);
    EXPECT_TRUE(refused.wait(kWaitMs));
    EXPECT_EQ(m_server.activeConnections(), HandOverServer::kMaxConnections);
    EXPECT_TRUE(answer(sendInBackground("through")));
    EXPECT_TRUE(waitForActive(0));
    EXPECT_EQ(m_received, QStringList{"through"});
}

// A peer of another user that reaches the socket (its folder opened up by mistake) is turned
// away all the same. Making one needs root.
TEST_F(HandOverServerTest, PeerOfAnotherUserIsRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "a peer of another user needs root";
    ASSERT_TRUE(m_server.startListening());
    const sockaddr_un address = socketAddress(handOverSocketPath());
    for (const QString& path : {m_home.root(), m_home.runtimeDir(), handOverSocketPath()})
        ASSERT_EQ(::chmod(QFile::encodeName(path), 0777), 0);
    const QByteArray frame = encodeHandOver({"from another user", "/"});
    const pid_t child = ::fork();
    if (child == 0) { // as user nobody: exits with 1 when answered, 2 when it cannot connect
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        char ack = 0;
        ::_exit(::setuid(65534) ||
                        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address)
                    ? 2
                    : ::write(fd, frame.constData(), frame.size()) > 0 && ::read(fd, &ack, 1) == 1);
    }
    int status = -1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }));
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0) << "connected, not answered";
    EXPECT_TRUE(m_received.isEmpty());
}

// An instance that runs without the lock (it could not make it) and a newer full instance
// both mark; the older one quitting must not take the newer one's socket along.
TEST_F(HandOverServerTest, NewerInstanceKeepsItsMarkWhenTheOlderLeaves) {
    HandOverServer newer;
    QStringList newerReceived;
    QObject::connect(&newer, &HandOverServer::commandLineReceived,
                     [&](const QString& text) { newerReceived.append(text); });
    ASSERT_TRUE(m_server.startListening());
    ASSERT_TRUE(newer.startListening());
    m_server.stopListening();
    EXPECT_TRUE(answer(sendInBackground("to the newer")));
    EXPECT_EQ(newerReceived, QStringList{"to the newer"});
    EXPECT_TRUE(m_received.isEmpty());
}

} // namespace
