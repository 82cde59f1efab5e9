#include "base/handover.h"
#include "base/singleinstance.h"
#include "support/isolation.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <ctime>
#include <future>
#include <memory>
#include <vector>

using kelvane::HandOverServer;
using namespace std::chrono_literals;

namespace {

constexpr int kWaitMs = 15000;

std::future<bool> sendInBackground(const QString& text, const QString& directory,
                                   int timeoutMs = 5000) {
    return std::async(std::launch::async,
                      [=] { return kelvane::sendCommandLine(text, directory, timeoutMs); });
}

bool isReady(const std::future<bool>& pending) {
    return pending.wait_for(0s) == std::future_status::ready;
}

// Runs this thread's event loop, where the server lives, until the sender has its answer.
bool answer(std::future<bool>& pending) {
    if (!QTest::qWaitFor([&] { return isReady(pending); }, kWaitMs))
        return false; // cannot happen: the sender gives up by its own timeout
    return pending.get();
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

// The id of a process that has certainly ended.
qint64 deadPid() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// ---------------------------------------------------------------------------------------------
// The lock

class SingleInstanceTest : public ::testing::Test {
protected:
    void TearDown() override { kelvane::releaseSingleInstance(); }
    QString lockPath() const { return m_home.runtimeDir() + "/" + kelvane::lockName(); }

    kelvane::test::IsolatedHome m_home;
};

TEST_F(SingleInstanceTest, OneHolderAtATime) {
    ASSERT_TRUE(kelvane::claimSingleInstance(kelvane::lockName()));
    EXPECT_TRUE(kelvane::holdsSingleInstance());
    EXPECT_TRUE(QFile::exists(lockPath()));
    EXPECT_TRUE(kelvane::claimSingleInstance(kelvane::lockName())); // still ours

    QLockFile other(lockPath());
    EXPECT_FALSE(other.tryLock(0));
    EXPECT_EQ(other.error(), QLockFile::LockFailedError);

    kelvane::releaseSingleInstance();
    EXPECT_FALSE(kelvane::holdsSingleInstance());
    EXPECT_FALSE(QFile::exists(lockPath()));
    kelvane::releaseSingleInstance(); // nothing held: nothing happens

    // Another holder (a second QLockFile counts as one) makes this a later instance, and its
    // lock is not taken over even when no hand-over was answered.
    ASSERT_TRUE(other.tryLock(0));
    EXPECT_FALSE(kelvane::claimSingleInstance(kelvane::lockName()));
    qint64 holder = 0;
    EXPECT_FALSE(kelvane::takeOverSingleInstance(kelvane::lockName(), &holder));
    EXPECT_EQ(holder, QCoreApplication::applicationPid());
    EXPECT_FALSE(kelvane::holdsSingleInstance());
    other.unlock();
    EXPECT_TRUE(kelvane::claimSingleInstance(kelvane::lockName()));
    EXPECT_TRUE(kelvane::holdsSingleInstance());
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
    const struct {
        const char* name;
        QByteArray content;
        QDateTime modified;
        bool claimed;
    } cases[] = {
        {"dead holder", dead, now, true},
        {"names a live process that does not hold it", live, longAgo, true},
        {"names another host", elsewhere, longAgo, true},
        {"empty file left by a crash", "", longAgo, true},
        {"garbage", "not a lock file\n", longAgo, true},
        {"empty file that may still be being written", "", now, false},
        {"new, naming another host", elsewhere, now, false},
        {"dated in the future", "", now.addDays(1), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        {
            QFile file(lockPath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.content);
            file.flush(); // before the time is set, or the write would set it again
            ASSERT_TRUE(file.setFileTime(c.modified, QFileDevice::FileModificationTime));
        }
        EXPECT_EQ(kelvane::claimSingleInstance(kelvane::lockName()), c.claimed);
        EXPECT_TRUE(kelvane::takeOverSingleInstance(kelvane::lockName()));
        EXPECT_TRUE(kelvane::holdsSingleInstance());
        kelvane::releaseSingleInstance();
        QFile::remove(lockPath());
    }
}

TEST_F(SingleInstanceTest, FailureOtherThanAHolderCountsAsFirst) {
    EXPECT_TRUE(kelvane::claimSingleInstance("no-such-folder/" + kelvane::lockName()));
    EXPECT_FALSE(kelvane::holdsSingleInstance());
}

// ---------------------------------------------------------------------------------------------
// The hand-over

class HandOverServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&m_server, &HandOverServer::commandLineReceived,
                         [this](const QString& text, const QString& directory) {
                             m_received.append({text, directory});
                         });
    }

    QStringList receivedTexts() const {
        QStringList texts;
        for (const auto& message : m_received)
            texts.append(message.first);
        return texts;
    }

    // A raw peer, for the misbehaviour no honest sender shows.
    std::unique_ptr<QLocalSocket> connectPeer() {
        auto peer = std::make_unique<QLocalSocket>();
        peer->connectToServer(kelvane::handOverSocketPath());
        EXPECT_TRUE(peer->waitForConnected(kWaitMs));
        return peer;
    }

    bool waitForActive(int count) {
        return QTest::qWaitFor([&] { return m_server.activeConnections() == count; }, kWaitMs);
    }

    kelvane::test::IsolatedHome m_home;
    HandOverServer m_server;
    QList<QPair<QString, QString>> m_received;
};

TEST_F(HandOverServerTest, DeliversTextUnchangedBeforeAnswering) {
    ASSERT_TRUE(m_server.startListening());
    EXPECT_TRUE(m_server.isListening());
    EXPECT_TRUE(m_server.startListening()); // already marked

    std::future<bool> pending;
    bool senderWaited = true;
    QObject::connect(&m_server, &HandOverServer::commandLineReceived, [&] {
        // Even while the receiver lets the event loop run, the sender has no answer yet.
        QTest::qWait(20);
        if (isReady(pending))
            senderWaited = false;
    });

    const QString directory = QStringLiteral("/home/u/dir with blanks/ä");
    const QString texts[] = {"", QStringLiteral("日本語 \U0001F600 ünï"), QString(100000, u'z')};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.left(30).toStdString());
        m_received.clear();
        pending = sendInBackground(text, directory);
        EXPECT_TRUE(answer(pending));
        ASSERT_EQ(m_received.size(), 1);
        EXPECT_EQ(m_received[0].first, text);
        EXPECT_EQ(m_received[0].second, directory);
    }
    EXPECT_TRUE(senderWaited);
}

TEST_F(HandOverServerTest, WithoutAListenerTheSenderGivesUp) {
    ASSERT_TRUE(leaveStaleSocket(kelvane::handOverSocketPath()));
    EXPECT_FALSE(kelvane::sendCommandLine("x", "/", 300));

    ASSERT_TRUE(m_server.startListening());
    m_server.stopListening();
    EXPECT_FALSE(m_server.isListening());
    EXPECT_FALSE(QFile::exists(kelvane::handOverSocketPath()));
    EXPECT_FALSE(kelvane::sendCommandLine("x", "/", 300));
    EXPECT_TRUE(m_received.isEmpty());
}

// The socket's place is taken: the instance says so once and runs on; a sender waits for it.
TEST_F(HandOverServerTest, ListenFailureIsToldOnceAndSendersWaitForTheInstance) {
    const QString path = kelvane::handOverSocketPath();
    ASSERT_TRUE(QDir().mkdir(path));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(m_server.startListening());
    EXPECT_FALSE(m_server.startListening());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("kelvane: cannot listen"), std::string::npos);
    EXPECT_EQ(err.find("kelvane:"), err.rfind("kelvane:")) << err;

    auto pending = sendInBackground("waited", "/");
    QTest::qWait(500);
    ASSERT_TRUE(QDir().rmdir(path));
    ASSERT_TRUE(m_server.startListening());
    EXPECT_TRUE(answer(pending));
    EXPECT_EQ(receivedTexts(), QStringList{"waited"});
}

// The runtime folder's clean-up removes files unused for six hours.
TEST_F(HandOverServerTest, RuntimeFilesAreKeptFreshAndPutBack) {
    ASSERT_TRUE(kelvane::claimSingleInstance(kelvane::lockName()));
    ASSERT_TRUE(m_server.startListening());
    const QString lock = m_home.runtimeDir() + "/" + kelvane::lockName();
    const QString socket = kelvane::handOverSocketPath();
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
    kelvane::releaseSingleInstance();
}

TEST_F(HandOverServerTest, SocketLeftByAKilledInstanceIsReplaced) {
    const QString path = kelvane::handOverSocketPath();
    ASSERT_TRUE(leaveStaleSocket(path));
    ASSERT_TRUE(m_server.startListening());

    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(info.st_mode & 077, 0u) << "the socket is for its user only";

    auto pending = sendInBackground("after a crash", "/");
    EXPECT_TRUE(answer(pending));
    EXPECT_EQ(receivedTexts(), QStringList{"after a crash"});
}

TEST_F(HandOverServerTest, BadPeersAreDroppedSilently) {
    ASSERT_TRUE(m_server.startListening());
    const QByteArray frame = kelvane::encodeHandOver({"never", "/"});
    const struct {
        const char* name;
        QByteArray bytes;
        bool peerCloses; // else the server must close
    } peers[] = {
        {"garbage", "GET / HTTP/1.0\r\n\r\n", false},
        {"length larger than what follows", frame.chopped(3), true},
        {"nothing at all", "", true},
    };
    for (const auto& p : peers) {
        SCOPED_TRACE(p.name);
        auto peer = connectPeer();
        QSignalSpy closed(peer.get(), &QLocalSocket::disconnected);
        peer->write(p.bytes);
        peer->flush();
        if (p.peerCloses) {
            peer->disconnectFromServer();
        } else {
            EXPECT_TRUE(closed.wait(kWaitMs));
            EXPECT_TRUE(peer->readAll().isEmpty()) << "no acknowledgement";
        }
        EXPECT_TRUE(waitForActive(0));

        // The running instance stays responsive.
        auto pending = sendInBackground("good", "/");
        EXPECT_TRUE(answer(pending));
    }
    EXPECT_EQ(receivedTexts(), QStringList(std::size(peers), "good"));
}

TEST_F(HandOverServerTest, StalledPeersAreBoundedAndTimedOut) {
    ASSERT_TRUE(m_server.startListening());
    std::vector<std::unique_ptr<QLocalSocket>> stalled;
    for (int i = 0; i + 1 < HandOverServer::kMaxConnections; ++i)
        stalled.push_back(connectPeer());
    ASSERT_TRUE(waitForActive(HandOverServer::kMaxConnections - 1));

    // Silent peers in every place but one: a good client still gets through.
    auto pending = sendInBackground("through", "/");
    EXPECT_TRUE(answer(pending));
    ASSERT_TRUE(waitForActive(HandOverServer::kMaxConnections - 1));

    // With every place taken, the next peer is turned away at once; a sender tries again.
    stalled.push_back(connectPeer());
    ASSERT_TRUE(waitForActive(HandOverServer::kMaxConnections));
    auto extra = connectPeer();
    QSignalSpy turnedAway(extra.get(), &QLocalSocket::disconnected);
    EXPECT_TRUE(turnedAway.wait(kWaitMs));
    EXPECT_EQ(m_server.activeConnections(), HandOverServer::kMaxConnections);
    auto patient = sendInBackground("patient", "/", HandOverServer::kStallTimeoutMs * 2);

    // The silent ones are closed after a while, and the places are free again.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(stalled.begin(), stalled.end(), [](const auto& peer) {
                return peer->state() == QLocalSocket::UnconnectedState;
            });
        },
        kWaitMs));
    EXPECT_TRUE(answer(patient));
    EXPECT_TRUE(waitForActive(0));
    pending = sendInBackground("after", "/");
    EXPECT_TRUE(answer(pending));
    EXPECT_EQ(receivedTexts(), (QStringList{"through", "patient", "after"}));
}

TEST_F(HandOverServerTest, ReceiverMayUnmarkWhileHandlingAMessage) {
    ASSERT_TRUE(m_server.startListening());
    QObject::connect(&m_server, &HandOverServer::commandLineReceived, &m_server,
                     [this] { m_server.stopListening(); });
    auto pending = sendInBackground("last", "/");
    EXPECT_TRUE(answer(pending));
    EXPECT_FALSE(m_server.isListening());
    EXPECT_FALSE(kelvane::sendCommandLine("late", "/", 300));
    EXPECT_EQ(receivedTexts(), QStringList{"last"});
}

TEST_F(HandOverServerTest, NewerInstanceKeepsItsMarkWhenTheOlderLeaves) {
    // An instance that let go of the lock (hidden behind a password) and a newer full instance
    // both mark; the older one quitting must not take the newer one's socket along.
    HandOverServer newer;
    QStringList newerReceived;
    QObject::connect(&newer, &HandOverServer::commandLineReceived,
                     [&](const QString& text) { newerReceived.append(text); });
    ASSERT_TRUE(m_server.startListening());
    ASSERT_TRUE(newer.startListening());
    m_server.stopListening();

    auto pending = sendInBackground("to the newer", "/");
    EXPECT_TRUE(answer(pending));
    EXPECT_EQ(newerReceived, QStringList{"to the newer"});
    EXPECT_TRUE(m_received.isEmpty());
}

TEST_F(HandOverServerTest, PeerOfAnotherUserIsDropped) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as another user needs root";
    ASSERT_TRUE(m_server.startListening());
    // Open the folders and the socket to everyone, so that only the check of the peer's
    // credentials stands in the way.
    const QString path = kelvane::handOverSocketPath();
    for (const QString& folder : {m_home.root(), m_home.runtimeDir()})
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0777), 0);

    const QByteArray frame = kelvane::encodeHandOver({"from a stranger", "/"});
    const sockaddr_un address = socketAddress(path);
    const pid_t child = ::fork();
    if (child == 0) {
        // Only system calls from here on: this is a fork of a threaded process.
        if (::syscall(SYS_setgid, 65534) != 0 || ::syscall(SYS_setuid, 65534) != 0)
            ::_exit(10);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0 ||
            ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            ::_exit(11);
        if (::send(fd, frame.constData(), frame.size(), MSG_NOSIGNAL) != frame.size())
            ::_exit(12);
        pollfd wait{fd, POLLIN, 0};
        if (::poll(&wait, 1, kWaitMs) <= 0)
            ::_exit(13);
        char reply = 0;
        ::_exit(::read(fd, &reply, 1) <= 0 ? 0 : 14); // closed (or reset) without an answer
    }
    ASSERT_GT(child, 0);
    int status = -1;
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, kWaitMs * 2));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(m_received.isEmpty());

    ASSERT_EQ(::chmod(QFile::encodeName(m_home.runtimeDir()).constData(), 0700), 0);
    auto pending = sendInBackground("own user", "/");
    EXPECT_TRUE(answer(pending));
    EXPECT_EQ(receivedTexts(), QStringList{"own user"});
}

} // namespace
