#pragma once

#include <QObject>
#include <QString>

#include <sys/types.h>

QT_BEGIN_NAMESPACE
class QLocalServer;
class QLocalSocket;
QT_END_NAMESPACE

namespace kelvane {

inline constexpr char kApplicationId[] = "KelvaneV100";

// "KelvaneV100_APPLICATION_MUTEX": the lock only one running instance holds.
QString lockName();
// "KelvaneV100_APPLICATION": the name the running instance's hand-over socket is formed from.
QString handOverName();
// The hand-over socket of this user: markName() and the user id, in the private runtime folder.
QString handOverSocketPath();

// Takes the lock file `name` in the runtime folder. true when this process now holds it (or
// already held it), false when another live process does. A lock left by a process that died is
// taken over; a live holder's lock never expires by age. A failure for any other reason (the
// folder cannot be written, say) also returns true, so the program still starts, without holding
// the lock.
bool claimSingleInstance(const QString& name);
// Releases the lock when this process holds it.
void releaseSingleInstance();
bool holdsSingleInstance();

// The running instance's side of the hand-over: while marked, it listens on
// handOverSocketPath() and turns each well-formed message into commandLineReceived. Peers that
// send garbage, too much, too little or nothing at all are dropped without a signal; the number
// of peers served at once and the time each may take are bounded.
class HandOverServer : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxConnections = 8;
    static constexpr int kStallTimeoutMs = 3000;

    explicit HandOverServer(QObject* parent = nullptr);
    ~HandOverServer() override;

    // Starts listening, user-only, replacing a socket left behind by an instance that was
    // killed. Only call while holding the single-instance lock. true when listening.
    bool startListening();
    // Stops listening. The socket file goes only while it is still this server's: a later full
    // instance (started while this one had let go of the lock) keeps its own.
    void stopListening();
    bool isListening() const;
    // Peers being served right now (at most kMaxConnections).
    int activeConnections() const { return m_connections; }

Q_SIGNALS:
    // Emitted for each well-formed message; connected slots run (synchronously) BEFORE the
    // acknowledgement goes back, so the sender's wait covers the opening of the document.
    // The text comes as sent; resolving a relative path against workingDirectory is the
    // receiver's choice (see resolveAgainst). A slot may call unmark(), or deleteLater() on the
    // server, but must not delete it outright.
    void commandLineReceived(const QString& text, const QString& workingDirectory);

private:
    void acceptConnections();
    void serve(QLocalSocket* socket);
    void deliver(QLocalSocket* socket, const QString& text, const QString& workingDirectory);

    QLocalServer* m_server = nullptr;
    int m_connections = 0;
    QString m_path;
    // Identity of the socket file this server put in place.
    dev_t m_device = 0;
    ino_t m_inode = 0;
};

// The later instance's side: connects to the running instance, sends one message and waits for
// its acknowledgement. false when nothing listens, when the listener belongs to another user, or
// on any error; it returns within timeoutMs. Needs no event loop (works before or without a
// QCoreApplication).
bool sendCommandLine(const QString& text, const QString& workingDirectory, int timeoutMs = 5000);

} // namespace kelvane
