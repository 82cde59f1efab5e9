#pragma once

#include <QObject>
#include <QString>

#include <sys/types.h>

QT_BEGIN_NAMESPACE
class QLocalServer;
class QLocalSocket;
class QTimer;
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
// already held it), false when another live process does. A lock no process holds (its holder
// died, it names another host, it cannot be read) is taken over, unless it was only just made;
// a live holder's lock never expires by age. A failure for any other reason (the folder cannot
// be written, say) is told on stderr and also returns true, so the program still starts,
// without holding the lock.
bool claimSingleInstance(const QString& name);
// For a start whose hand-over no instance acknowledged: like claimSingleInstance, but a lock
// nobody holds is taken over however new it is. false only while a live process holds the lock;
// holder then receives its process id, 0 when the lock does not say.
bool takeOverSingleInstance(const QString& name, qint64* holder = nullptr);
// Releases the lock when this process holds it.
void releaseSingleInstance();
bool holdsSingleInstance();
// Touches the held lock file, so that the clean-up of the runtime folder (files unused for six
// hours) leaves it; a lock file already cleaned away is made anew.
void refreshSingleInstance();

// The running instance's side of the hand-over: while marked, it listens on
// handOverSocketPath() and turns each well-formed message into commandLineReceived. Peers that
// send garbage, too much, too little or nothing at all are dropped without a signal; the number
// of peers served at once and the time each may take are bounded.
class HandOverServer : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxConnections = 8;
    static constexpr int kStallTimeoutMs = 3000;
    // Well within the six hours after which the runtime folder's files may be cleaned away.
    static constexpr int kRefreshIntervalMs = 2 * 60 * 60 * 1000;

    explicit HandOverServer(QObject* parent = nullptr);
    ~HandOverServer() override;

    // Starts listening, user-only, replacing a socket left behind by an instance that was
    // killed. Only call while holding the single-instance lock. true when listening; the first
    // failure is told on stderr.
    bool startListening();
    // Stops listening. The socket file goes only while it is still this server's: a later full
    // instance (started while this one ran without the lock) keeps its own.
    void stopListening();
    bool isListening() const;
    // Peers being served right now (at most kMaxConnections).
    int activeConnections() const { return m_connections; }
    // Every kRefreshIntervalMs: touches the held lock and the socket, and puts back either when
    // it was cleaned away.
    void refreshRuntimeFiles();

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
    QTimer* m_refreshTimer;
    int m_connections = 0;
    bool m_failureReported = false;
    QString m_path;
    // Identity of the socket file this server put in place.
    dev_t m_device = 0;
    ino_t m_inode = 0;
};

// The later instance's side: connects to the running instance, sends one message and waits for
// its acknowledgement, trying again while timeoutMs allows (the instance may still be loading,
// or busy with other peers). false when no acknowledgement came: nothing listens, the listener
// belongs to another user, or any error; it returns within timeoutMs. Needs no event loop (works
// before or without a QCoreApplication).
bool sendCommandLine(const QString& text, const QString& workingDirectory, int timeoutMs = 5000);

} // namespace kelvane
