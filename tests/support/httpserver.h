#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QTcpServer;
class QTcpSocket;

namespace kelvane::test {

// A small HTTP/1.1 server for tests: listens on 127.0.0.1 on a free port as soon as it is made,
// answers GET (and HEAD) from pages added in advance, one request per connection. It stops
// when destroyed, and by itself once no request has come for the idle limit, so a stuck test
// never leaves it listening.
class TestHttpServer : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultIdleLimitMs = 120'000;

    explicit TestHttpServer(QObject* parent = nullptr);
    ~TestHttpServer() override;

    bool isListening() const;
    quint16 port() const;
    // http://127.0.0.1:<port><path>; path starts with "/".
    QString url(const QString& path) const;

    void addPage(const QString& path, const QString& body,
                 const QString& contentType = QStringLiteral("text/html; charset=utf-8"));
    void addData(const QString& path, const QByteArray& body, const QString& contentType);
    // Holds the answer for path back by ms milliseconds (keeps a page loading).
    void setDelay(const QString& path, int ms);
    void setIdleLimit(int ms);

    // Request targets (path and query) in the order they arrived.
    QStringList requestLog() const { return m_log; }
    int requestCount(const QString& path) const;

    void close();

private:
    struct Page {
        QByteArray body;
        QByteArray contentType;
        int delayMs = 0;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const QByteArray& method, const QString& path);
    static void reply(QTcpSocket* socket, const QByteArray& status, const QByteArray& contentType,
                      const QByteArray& body, bool withBody);

    QTcpServer* m_server = nullptr;
    QHash<QString, Page> m_pages;
    QStringList m_log;
    QTimer m_idle;
};

// A small HTML page with a title and a body.
QString htmlPage(const QString& title, const QString& body = {});

} // namespace kelvane::test
