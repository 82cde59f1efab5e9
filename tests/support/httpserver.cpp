#include "support/httpserver.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace kelvane::test {

static QString pathOf(const QString& target) {
    return target.section('?', 0, 0);
}

TestHttpServer::TestHttpServer(QObject* parent)
    : QObject(parent)
    , m_server(new QTcpServer(this)) {
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            m_idle.start();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_server->listen(QHostAddress::LocalHost, 0);
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &TestHttpServer::close);
    m_idle.start(120'000);
}

QString TestHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
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
    // One request per connection: the head is read once it is complete, later bytes ignored.
    if (socket->property("answered").toBool() || !socket->canReadLine())
        return;
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    if (!head.contains("\r\n\r\n") && head.size() < 65536)
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> line = head.left(head.indexOf("\r\n")).split(' ');
    const bool get = line.value(0) == "GET" || line.value(0) == "HEAD";
    const QString target = QString::fromLatin1(line.value(1));
    if (line.size() != 3 || !get || !target.startsWith(QLatin1Char('/'))) {
        socket->write("HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    m_log.append(target);
    const QString path = QUrl::fromPercentEncoding(pathOf(target).toLatin1());
    const bool withBody = line[0] == "GET";
    // The socket is the timer's context: a closed connection cancels the answer.
    QTimer::singleShot(m_pages.value(path).delayMs, socket,
                       [this, socket, withBody, path] { respond(socket, withBody, path); });
}

void TestHttpServer::respond(QTcpSocket* socket, bool withBody, const QString& path) {
    const auto it = m_pages.constFind(path);
    const bool found = it != m_pages.constEnd();
    const QByteArray body = found ? it->body : QByteArray("Not found");
    socket->write((found ? "HTTP/1.1 200 OK\r\nContent-Type: " + it->contentType
                         : QByteArray("HTTP/1.1 404 Not Found\r\nContent-Type: text/plain")) +
                  "\r\nContent-Length: " + QByteArray::number(body.size()) +
                  "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" +
                  (withBody ? body : QByteArray()));
    socket->disconnectFromHost();
}

QString htmlPage(const QString& title, const QString& body) {
    return QStringLiteral(
               "<!doctype html><html><head><title>%1</title></head><body>%2</body></html>")
        .arg(title, body);
}

} // namespace kelvane::test
