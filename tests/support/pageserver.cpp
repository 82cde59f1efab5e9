#include "support/pageserver.h"

namespace kelvane::test {

PageServer::PageServer(bool https, const QString& user, const QString& password)
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

PageServer::~PageServer() {
    // The server stops when its input closes.
    m_server.closeWriteChannel();
    if (!m_server.waitForFinished(5000))
        m_server.kill();
    m_server.waitForFinished();
}

} // namespace kelvane::test
