#pragma once

#include <QProcess>

namespace kelvane::test {

// pageserver.py on 127.0.0.1 for as long as this lives (and no longer than the test process):
// every path answers a page titled by the path. With https it speaks HTTPS with a self-signed
// certificate for 127.0.0.1 that openssl makes for it; with a user, paths under /private ask
// for basic authentication (realm "Test Realm") and answer 401 "Unauthorized" until given it.
class PageServer {
public:
    explicit PageServer(bool https, const QString& user = {}, const QString& password = {});
    ~PageServer();

    // Empty once the server runs; else what went wrong.
    QString failure() const { return m_port ? QString() : m_failure; }
    QString url(const QString& path) const {
        return QStringLiteral("%1://127.0.0.1:%2%3").arg(m_scheme).arg(m_port).arg(path);
    }

private:
    QProcess m_server;
    QString m_failure;
    QString m_scheme;
    int m_port = 0;
};

} // namespace kelvane::test
