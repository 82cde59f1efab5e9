#include "support/httpserver.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace kelvane::test {

namespace {

// Requests larger than this are answered with 400 and dropped.
constexpr qsizetype kMaxRequestHead = 64 * 1024;
const char* const kBufferProperty = "kelvaneRequestBuffer";
const char* const kAnsweredProperty = "kelvaneRequestAnswered";

QString pathOf(const QString& target) {
    const qsizetype query = target.indexOf(QLatin1Char('?'));
    return query < 0 ? target : target.left(query);
}

} // namespace

TestHttpServer::TestHttpServer(QObject* parent)
    : QObject(parent)
    , m_server(new QTcpServer(this)) {
    connect(m_server, &QTcpServer::newConnection, this, &TestHttpServer::onNewConnection);
    m_server->listen(QHostAddress::LocalHost, 0);

    m_idle.setSingleShot(true);
    m_idle.setInterval(kDefaultIdleLimitMs);
    connect(&m_idle, &QTimer::timeout, this, &TestHttpServer::close);
    m_idle.start();
}

TestHttpServer::~TestHttpServer() {
    close();
}

bool TestHttpServer::isListening() const {
    return m_server->isListening();
}

quint16 TestHttpServer::port() const {
    return m_server->serverPort();
}

QString TestHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

void TestHttpServer::addPage(const QString& path, const QString& body, const QString& contentType) {
    addData(path, body.toUtf8(), contentType);
}

void TestHttpServer::addData(const QString& path, const QByteArray& body,
                             const QString& contentType) {
    Page& page = m_pages[path];
    page.body = body;
    page.contentType = contentType.toUtf8();
}

void TestHttpServer::setDelay(const QString& path, int ms) {
    m_pages[path].delayMs = ms;
}

void TestHttpServer::setIdleLimit(int ms) {
    m_idle.start(ms);
}

int TestHttpServer::requestCount(const QString& path) const {
    int count = 0;
    for (const QString& target : m_log) {
        if (pathOf(target) == path)
            ++count;
    }
    return count;
}

void TestHttpServer::close() {
    m_idle.stop();
    m_server->close();
    const QList<QTcpSocket*> sockets = m_server->findChildren<QTcpSocket*>();
    for (QTcpSocket* socket : sockets) {
        socket->abort();
        socket->deleteLater();
    }
}

void TestHttpServer::onNewConnection() {
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        m_idle.start();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void TestHttpServer::onReadyRead(QTcpSocket* socket) {
    // A socket answers one request; anything read after that is ignored.
    if (socket->property(kAnsweredProperty).toBool()) {
        socket->readAll();
        return;
    }
    QByteArray buffer = socket->property(kBufferProperty).toByteArray() + socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        if (buffer.size() > kMaxRequestHead) {
            socket->setProperty(kAnsweredProperty, true);
            reply(socket, "400 Bad Request", "text/plain", "Bad request", true);
        } else {
            socket->setProperty(kBufferProperty, buffer);
        }
        return;
    }
    socket->setProperty(kAnsweredProperty, true);

    const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
    if (requestLine.size() != 3 || !requestLine[2].startsWith("HTTP/1.") ||
        !requestLine[1].startsWith('/')) {
        reply(socket, "400 Bad Request", "text/plain", "Bad request", true);
        return;
    }
    const QByteArray method = requestLine[0];
    const QString target = QString::fromLatin1(requestLine[1]);
    m_log.append(target);

    if (method != "GET" && method != "HEAD") {
        reply(socket, "405 Method Not Allowed", "text/plain", "Method not allowed", true);
        return;
    }
    const QString path = QUrl::fromPercentEncoding(pathOf(target).toLatin1());
    const int delay = m_pages.contains(path) ? m_pages.value(path).delayMs : 0;
    if (delay > 0) {
        // The socket is the timer's context: a closed connection cancels the answer.
        QTimer::singleShot(delay, socket,
                           [this, socket, method, path] { respond(socket, method, path); });
    } else {
        respond(socket, method, path);
    }
}

void TestHttpServer::respond(QTcpSocket* socket, const QByteArray& method, const QString& path) {
    const auto it = m_pages.constFind(path);
    if (it == m_pages.constEnd())
        reply(socket, "404 Not Found", "text/plain", "Not found", method != "HEAD");
    else
        reply(socket, "200 OK", it->contentType, it->body, method != "HEAD");
}

void TestHttpServer::reply(QTcpSocket* socket, const QByteArray& status,
                           const QByteArray& contentType, const QByteArray& body, bool withBody) {
    QByteArray response = "HTTP/1.1 " + status + "\r\n";
    response += "Content-Type: " + contentType + "\r\n";
    response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    response += "Cache-Control: no-store\r\n";
    response += "Connection: close\r\n\r\n";
    if (withBody)
        response += body;
    socket->write(response);
    socket->disconnectFromHost();
}

QString htmlPage(const QString& title, const QString& body) {
    return QStringLiteral(
               "<!doctype html><html><head><title>%1</title></head><body>%2</body></html>")
        .arg(title, body);
}

} // namespace kelvane::test
