#pragma once

#include <QProcess>

namespace kelvane::test {

// pageserver.py on 127.0.0.1 for as long as this lives (and no longer than the test process):
// every path answers a page titled by the path. With https it speaks HTTPS with a self-signed
// certificate for 127.0.0.1 that openssl makes for it; with a user, paths under /private ask
// for basic authentication (realm "Test Realm") and answer 401 "Unauthorized" until given it.
class PageServer {
public:
    explicit PageServer(bool https, const QString& user = {}, const QString& password = {})
        : m_scheme(https ? "https" : "http") {
        QStringList arguments{KELVANE_TEST_SUPPORT_DIR "/pageserver.py"};
        if (https)
            arguments << "--https";
        if (!user.isEmpty())
            arguments << "--user" << user << "--password" << password;
        m_server.start("python3", arguments);
        while (!m_server.canReadLine() && m_server.waitForReadyRead(30'000)) {
        }
        m_port = m_server.readLine().trimmed().toInt();
        m_failure = "pageserver.py: " + m_server.errorString() + m_server.readAllStandardError();
    }
    // The server stops when its input closes.
    ~PageServer() {
        m_server.closeWriteChannel();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
        m_server.waitForFinished();
    }
    // Empty once the server runs; else what went wrong.
    QString failure() const { return m_port ? QString() : m_failure; }
    QString url(const QString& path) const {
        return QStringLiteral("%1://127.0.0.1:%2%3").arg(m_scheme).arg(m_port).arg(path);
    }

private:
    QProcess m_server;
    QString m_failure, m_scheme;
    int m_port = 0;
};

} // namespace kelvane::test
