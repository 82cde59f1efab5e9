#include "support/httpserver.h"

#include <QTcpSocket>
#include <QUrl>

namespace kelvane::test {

static QString pathOf(const QString& target) {
    return target.section('?', 0, 0);
}

TestHttpServer::TestHttpServer(QObject* parent, const QString& address)
    : QObject(parent)
    , m_address(address)
    , m_server(new QTcpServer(this)) {
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            m_idle.start();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_server->listen(QHostAddress(address), 0);
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &TestHttpServer::close);
    m_idle.start(120'000);
}

QString TestHttpServer::url(const QString& path) const {
    return QStringLiteral("http://%1:%2%3").arg(m_address).arg(port()).arg(path);
}

void TestHttpServer::addPage(const QString& path, const QString& body, const QString& contentType) {
    m_pages[path].body = body.toUtf8();
    m_pages[path].contentType = contentType.toUtf8();
}

int TestHttpServer::requestCount(const QString& path) const {
    return int(std::ranges::count_if(m_log, [&](const QString& t) { return pathOf(t) == path; }));
}

void TestHttpServer::close() {
    m_idle.stop();
    m_server->close();
    for (QTcpSocket* socket : m_server->findChildren<QTcpSocket*>())
        socket->abort();
}

void TestHttpServer::onReadyRead(QTcpSocket* socket) {
    // One request per connection, answered once its head is complete; a request that is not
    // "METHOD /target HTTP/1.x" is dropped.
    if (!socket->peek(65536).contains("\r\n\r\n"))
        return;
    const QList<QByteArray> line = socket->readLine().trimmed().split(' ');
    socket->readAll();
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    const QString target = QString::fromLatin1(line.value(1));
    if (line.size() != 3 || !target.startsWith('/'))
        return socket->abort();
    m_log.append(target);
    const QString path = QUrl::fromPercentEncoding(pathOf(target).toLatin1());
    // The socket is the timer's context: a closed connection cancels the answer.
    QTimer::singleShot(m_pages.value(path).delayMs, socket, [=, this] {
        const auto it = m_pages.constFind(path);
        const bool found = it != m_pages.constEnd();
        const QByteArray body = found ? it->body : QByteArray("Not found");
        socket->write((found ? "HTTP/1.1 200 OK\r\nContent-Type: " + it->contentType
                             : QByteArray("HTTP/1.1 404 Not Found\r\nContent-Type: text/plain")) +
                      "\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" +
                      (line[0] != "HEAD" ? body : QByteArray()));
        socket->disconnectFromHost();
    });
}

QString htmlPage(const QString& title, const QString& body) {
    return QStringLiteral(
               "<!doctype html><html><head><title>%1</title></head><body>%2</body></html>")
        .arg(title, body);
}

} // namespace kelvane::test
