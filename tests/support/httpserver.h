#pragma once

#include <QHash>
#include <QStringList>
#include <QTcpServer>
#include <QTimer>

class QTcpSocket;

namespace kelvane::test {

// A small HTTP/1.1 server for tests on 127.0.0.1 and a free port, answering GET and HEAD from
// pages added in advance, one request per connection. It stops when destroyed, and by itself
// after two minutes without a request, so a stuck test never leaves it listening.
class TestHttpServer : public QObject {
    Q_OBJECT
public:
    // address: another of 127.0.0.0/8 gives a second host.
    explicit TestHttpServer(QObject* parent = nullptr,
                            const QString& address = QStringLiteral("127.0.0.1"));
    ~TestHttpServer() override { close(); }

    quint16 port() const { return m_server->serverPort(); }
    // http://<address>:<port><path>; path starts with "/".
    QString url(const QString& path) const;

    void addPage(const QString& path, const QString& body,
                 const QString& contentType = QStringLiteral("text/html; charset=utf-8"));
    // Holds the answer for path back by ms milliseconds (keeps a page loading).
    void setDelay(const QString& path, int ms) { m_pages[path].delayMs = ms; }
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
    void onReadyRead(QTcpSocket* socket);

    QString m_address;
    QTcpServer* m_server;
    QHash<QString, Page> m_pages;
    QStringList m_log;
    QTimer m_idle;
};

// A small HTML page with a title and a body.
QString htmlPage(const QString& title, const QString& body = {});

} // namespace kelvane::test
