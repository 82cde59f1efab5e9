#include "benchsupport.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <algorithm>

namespace kelvane::bench {

PageServer::PageServer(QByteArray page)
    : m_page(std::move(page)) {
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                socket->readAll();
                if (socket->property("answered").toBool())
                    return;
                socket->setProperty("answered", true);
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                              "Content-Length: " +
                              QByteArray::number(m_page.size()) + "\r\nConnection: close\r\n\r\n" +
                              m_page);
                socket->disconnectFromHost();
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    listen(QHostAddress::LocalHost, 0);
}

QString PageServer::url() const {
    return QStringLiteral("http://127.0.0.1:%1/").arg(serverPort());
}

void prepareHome(const QTemporaryDir& home) {
    const QString root = home.path();
    for (const char* sub : {"/home", "/config/Kelvane", "/data", "/cache", "/runtime"})
        QDir().mkpath(root + QLatin1String(sub));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile settings(root + QStringLiteral("/config/Kelvane/Kelvane.ini"));
    if (settings.open(QIODevice::WriteOnly)) {
        // Neither the default-browser question nor a registration at every measured start.
        settings.write("[Settings]\nCheckIfDefault=False\nFileAssociationSetDefault=False\n");
        settings.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
}

QProcessEnvironment isolatedEnvironment(const QTemporaryDir& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString root = home.path();
    env.insert(QStringLiteral("HOME"), root + QStringLiteral("/home"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), root + QStringLiteral("/cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("kelvane.bench=true"));
    env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
    return env;
}

double median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace kelvane::bench
