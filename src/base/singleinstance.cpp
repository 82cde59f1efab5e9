#include "base/singleinstance.h"

#include "base/handover.h"
#include "platform/paths.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

namespace kelvane {

namespace {

// A peer's bytes are read in pieces of at most this size; the decoder bounds the total.
constexpr qint64 kReadChunk = 64 * 1024;
// A lock file younger than this may still be being written by its creator.
constexpr qint64 kFreshLockSeconds = 5;
// A sender whose attempt found nobody, or was turned away, tries again after this pause.
constexpr int kRetryPauseMs = 100;

std::unique_ptr<QLockFile>& heldLock() {
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

bool peerIsThisUser(qintptr descriptor) {
    if (descriptor < 0)
        return false;
    ucred cred{};
    socklen_t length = sizeof cred;
    if (::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &cred, &length) != 0 ||
        length != sizeof cred)
        return false;
    return cred.uid == ::geteuid();
}

// QLockFile judges a lock by what is written in it: it never takes over a file it cannot read
// (left by a process killed between creating and writing it) nor one naming another host. Every
// QLockFile holder keeps a flock on its file, though, so a lock file nobody holds is stale
// whatever it says, and is removed. A file only just made is left alone unless evenIfFresh: its
// creator may not have reached its flock yet. true when the file is gone now.
bool removeUnheldLock(const QString& path, bool evenIfFresh) {
    const QByteArray name = QFile::encodeName(path);
    struct stat current {};
    if (::lstat(name.constData(), &current) != 0)
        return errno == ENOENT;
    if (!evenIfFresh &&
        std::abs(qint64(::time(nullptr)) - qint64(current.st_mtime)) < kFreshLockSeconds)
        return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    // Locked, the file must still be the one at the path: a start running this same repair
    // at the same moment may already have removed it and put its own live lock there.
    struct stat opened {};
    const bool removed = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
                         ::lstat(name.constData(), &current) == 0 &&
                         opened.st_dev == current.st_dev && opened.st_ino == current.st_ino &&
                         ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
}

bool claim(const QString& name, bool evenIfFresh, qint64* holder) {
    std::unique_ptr<QLockFile>& held = heldLock();
    if (held)
        return true;

    const QString path = runtimeFolder() + u'/' + name;
    auto lock = std::make_unique<QLockFile>(path);
    // Only a dead holder loses the lock; a running instance may hold it for days.
    lock->setStaleLockTime(0);
    bool locked = lock->tryLock(0);
    if (!locked && lock->error() == QLockFile::LockFailedError &&
        removeUnheldLock(path, evenIfFresh))
        locked = lock->tryLock(0);
    if (locked) {
        held = std::move(lock);
        return true;
    }
    if (lock->error() == QLockFile::LockFailedError) {
        if (holder && !lock->getLockInfo(holder, nullptr, nullptr))
            *holder = 0;
        return false;
    }
    // Only another holder makes this a later instance; any other failure must not keep the
    // program from starting.
    std::fprintf(stderr,
                 "kelvane: cannot create the lock file %s; later starts will not find "
                 "this one\n",
                 qUtf8Printable(path));
    return true;
}

} // namespace

QString lockName() {
    return QLatin1String(kApplicationId) + QLatin1String("_APPLICATION_MUTEX");
}

QString handOverName() {
    return QLatin1String(kApplicationId) + QLatin1String("_APPLICATION");
}

QString handOverSocketPath() {
    return runtimeFolder() + u'/' + handOverName() + u'_' + QString::number(::geteuid());
}

bool claimSingleInstance(const QString& name) {
    return claim(name, false, nullptr);
}

bool takeOverSingleInstance(const QString& name, qint64* holder) {
    return claim(name, true, holder);
}

void refreshSingleInstance() {
    std::unique_ptr<QLockFile>& held = heldLock();
    if (!held)
        return;
    const QString path = held->fileName();
    if (::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), nullptr, 0) == 0 ||
        errno != ENOENT)
        return;
    // Cleaned away: claim it anew. QLockFile removes its file when it lets go; an empty stand-in
    // is what it removes then.
    QFile standIn(path);
    if (!standIn.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return;
    standIn.close();
    held.reset();
    claimSingleInstance(QFileInfo(path).fileName());
}

void releaseSingleInstance() {
    heldLock().reset();
}

bool holdsSingleInstance() {
    return heldLock() != nullptr;
}

HandOverServer::HandOverServer(QObject* parent)
    : QObject(parent)
    , m_refreshTimer(new QTimer(this)) {
    m_refreshTimer->setObjectName(QStringLiteral("runtimeFilesRefresh"));
    m_refreshTimer->setInterval(kRefreshIntervalMs);
    connect(m_refreshTimer, &QTimer::timeout, this, &HandOverServer::refreshRuntimeFiles);
    m_refreshTimer->start();
}

HandOverServer::~HandOverServer() {
    stopListening();
}

bool HandOverServer::startListening() {
    if (m_server)
        return true;

    // QLocalServer deletes the file it listened on when it closes. It therefore listens on a
    // name of this process and the socket is renamed onto the shared name: the rename replaces
    // a socket left behind by a killed instance, and closing later never deletes a socket that
    // a newer instance has put in that place.
    const QString path = handOverSocketPath();
    const QString ownPath = path + u'.' + QString::number(::getpid());
    const QByteArray ownName = QFile::encodeName(ownPath);

    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(ownPath);
    struct stat info {};
    if (!server->listen(ownPath) || ::lstat(ownName.constData(), &info) != 0 ||
        ::rename(ownName.constData(), QFile::encodeName(path).constData()) != 0) {
        const int error = errno;
        const QString why = server->isListening() ? QString::fromLocal8Bit(std::strerror(error))
                                                  : server->errorString();
        delete server;
        if (!m_failureReported) {
            m_failureReported = true;
            std::fprintf(stderr,
                         "kelvane: cannot listen at %s (%s); later starts cannot hand "
                         "their addresses to this window\n",
                         qUtf8Printable(path), qUtf8Printable(why));
        }
        return false;
    }

    m_server = server;
    m_path = path;
    m_device = info.st_dev;
    m_inode = info.st_ino;
    connect(server, &QLocalServer::newConnection, this, &HandOverServer::acceptConnections);
    return true;
}

void HandOverServer::stopListening() {
    if (!m_server)
        return;
    const QByteArray name = QFile::encodeName(m_path);
    struct stat info {};
    if (::lstat(name.constData(), &info) == 0 && info.st_dev == m_device && info.st_ino == m_inode)
        ::unlink(name.constData());
    // Later, not now: unmark() may run inside a slot of one of the server's own connections.
    m_server->close();
    m_server->deleteLater();
    m_server = nullptr;
    m_path.clear();
}

void HandOverServer::refreshRuntimeFiles() {
    refreshSingleInstance();
    if (!m_server)
        return;
    const QByteArray name = QFile::encodeName(m_path);
    struct stat info {};
    if (::lstat(name.constData(), &info) == 0) {
        // A socket a newer instance put in its place is that one's to look after.
        if (info.st_dev == m_device && info.st_ino == m_inode)
            ::utimensat(AT_FDCWD, name.constData(), nullptr, AT_SYMLINK_NOFOLLOW);
    } else if (errno == ENOENT) {
        // Cleaned away: later starts would find nobody. Listen again.
        stopListening();
        startListening();
    }
}

bool HandOverServer::isListening() const {
    return m_server != nullptr;
}

void HandOverServer::acceptConnections() {
    auto* server = qobject_cast<QLocalServer*>(sender());
    if (!server)
        return;
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        if (server != m_server || m_connections >= kMaxConnections ||
            !peerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        serve(socket);
    }
}

void HandOverServer::serve(QLocalSocket* socket) {
    ++m_connections;
    connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    socket->setReadBufferSize(kReadChunk);

    // A whole message must arrive within the limit, however slowly it trickles in.
    auto* deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    deadline->start(kStallTimeoutMs);

    auto decoder = std::make_shared<HandOverDecoder>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, decoder] {
        switch (decoder->feed(socket->readAll())) {
        case HandOverDecoder::State::NeedMore:
            return;
        case HandOverDecoder::State::Invalid:
            socket->abort();
            socket->deleteLater();
            return;
        case HandOverDecoder::State::Complete: {
            const HandOverMessage message = decoder->message();
            deliver(socket, message.text, message.workingDirectory);
            return;
        }
        }
    });
}

void HandOverServer::deliver(QLocalSocket* socket, const QString& text,
                             const QString& workingDirectory) {
    // One message per connection: nothing more is read from this peer.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    if (!isListening()) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    const QPointer<QLocalSocket> alive(socket);
    Q_EMIT commandLineReceived(text, workingDirectory);
    if (!alive)
        return;
    // The deadline timer stays armed and removes the socket should the peer never go away.
    socket->write(&kHandOverAck, 1);
    socket->flush(); // the server may be on its way out (unmarked by the slot)
    socket->disconnectFromServer();
}

namespace {

// One attempt: connect, send, wait for the acknowledgement.
bool sendOnce(const QByteArray& frame, const QDeadlineTimer& deadline) {
    const auto remaining = [&deadline] { return int(qMax<qint64>(0, deadline.remainingTime())); };
    QLocalSocket socket;
    socket.connectToServer(handOverSocketPath());
    if (!socket.waitForConnected(remaining()))
        return false;
    // The runtime folder should keep other users out; this makes sure the address is never
    // handed to a listener that belongs to someone else.
    if (!peerIsThisUser(socket.socketDescriptor()))
        return false;

    socket.write(frame);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remaining()))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(remaining()))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kHandOverAck;
}

} // namespace

bool sendCommandLine(const QString& text, const QString& workingDirectory, int timeoutMs) {
    const QByteArray frame = encodeHandOver({text, workingDirectory});
    if (frame.isEmpty())
        return false;
    // The running instance may still be loading, or busy with other peers up to its limit:
    // try again until the time is up. A turned-away peer has not been read, so nothing arrives
    // twice.
    const QDeadlineTimer deadline(qMax(0, timeoutMs));
    while (!sendOnce(frame, deadline)) {
        if (deadline.remainingTime() <= kRetryPauseMs)
            return false;
        QThread::msleep(kRetryPauseMs);
    }
    return true;
}

} // namespace kelvane
