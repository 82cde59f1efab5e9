// The test HTTP server: the pages other tests rely on must be served exactly.
#include "support/httpserver.h"
#include "support/waituntil.h"

#include <QTcpSocket>

#include <gtest/gtest.h>

namespace kelvane::test {
namespace {

// Sends raw bytes and returns everything the server answered before it closed.
QByteArray exchange(const TestHttpServer& server, const QByteArray& request) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.port());
    if (!waitUntil([&] { return socket.state() == QAbstractSocket::ConnectedState; }))
        return "not connected";
    socket.write(request);
    QByteArray answer;
    waitUntil([&] {
        answer += socket.readAll();
        return socket.state() == QAbstractSocket::UnconnectedState;
    });
    return answer + socket.readAll();
}

TEST(TestHttpServerTest, AnswersRequests) {
    TestHttpServer server;
    ASSERT_TRUE(server.isListening());
    server.addPage(QStringLiteral("/page"), QStringLiteral("<p>caf\u00e9</p>"));
    server.addData(QStringLiteral("/a b"), "plain", QStringLiteral("text/plain"));
    server.addPage(QStringLiteral("/slow"), QStringLiteral("late"));
    server.setDelay(QStringLiteral("/slow"), 100);

    struct Case {
        QByteArray request;
        QByteArray head;
        QByteArray body;
    };
    const Case cases[] = {
        {"GET /page HTTP/1.1\r\nHost: x\r\n\r\n",
         "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: 12\r\n",
         "<p>caf\xc3\xa9</p>"},
        {"GET /page?x=1 HTTP/1.0\r\n\r\n", "HTTP/1.1 200 OK\r\n", "<p>caf\xc3\xa9</p>"},
        {"GET /a%20b HTTP/1.1\r\n\r\n", "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n", "plain"},
        {"HEAD /page HTTP/1.1\r\n\r\n", "HTTP/1.1 200 OK\r\n", ""},
        {"GET /slow HTTP/1.1\r\n\r\n", "HTTP/1.1 200 OK\r\n", "late"},
        {"GET /missing HTTP/1.1\r\n\r\n", "HTTP/1.1 404 Not Found\r\n", "Not found"},
        {"POST /page HTTP/1.1\r\nContent-Length: 0\r\n\r\n", "HTTP/1.1 405 Method Not Allowed\r\n",
         "Method not allowed"},
        {"nonsense\r\n\r\n", "HTTP/1.1 400 Bad Request\r\n", "Bad request"},
        {"GET page HTTP/1.1\r\n\r\n", "HTTP/1.1 400 Bad Request\r\n", "Bad request"},
        {"GET /page HTTP/1.1\r\n" + QByteArray(70 * 1024, 'x'), "HTTP/1.1 400 Bad Request\r\n",
         "Bad request"},
    };
    for (const Case& c : cases) {
        const QByteArray answer = exchange(server, c.request);
        const qsizetype split = answer.indexOf("\r\n\r\n");
        ASSERT_GE(split, 0) << c.request.left(40).toStdString() << " -> " << answer.toStdString();
        EXPECT_TRUE(answer.startsWith(c.head)) << answer.toStdString();
        EXPECT_TRUE(answer.contains("Connection: close\r\n"));
        EXPECT_EQ(answer.mid(split + 4), c.body) << c.request.left(40).toStdString();
    }

    EXPECT_EQ(server.requestLog(),
              (QStringList{"/page", "/page?x=1", "/a%20b", "/page", "/slow", "/missing", "/page"}));
    EXPECT_EQ(server.requestCount(QStringLiteral("/page")), 4); // the query does not count
}

TEST(TestHttpServerTest, StopsWhenIdleOrClosed) {
    TestHttpServer idle;
    idle.setIdleLimit(50);
    EXPECT_TRUE(waitUntil([&] { return !idle.isListening(); }));

    TestHttpServer closed;
    closed.addPage(QStringLiteral("/"), QStringLiteral("x"));
    closed.close();
    EXPECT_FALSE(closed.isListening());
}

} // namespace
} // namespace kelvane::test
