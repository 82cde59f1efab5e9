#pragma once

// Pieces the benchmark programs share: a local page server and isolated user folders.
#include <QByteArray>
#include <QProcessEnvironment>
#include <QTcpServer>

class QTemporaryDir;

namespace kelvane::bench {

// Answers every request on 127.0.0.1 with one small page and closes the connection.
class PageServer : public QTcpServer {
public:
    explicit PageServer(QByteArray page);
    QString url() const;

private:
    QByteArray m_page;
};

// Fresh HOME and XDG folders under home (a first start every time; the default-browser
// question is switched off so nothing waits for an answer), and an environment pointing at
// them with the offscreen platform and the benchmark log category on.
void prepareHome(const QTemporaryDir& home);
QProcessEnvironment isolatedEnvironment(const QTemporaryDir& home);

// The median of a list of figures (0 for an empty list).
double median(QList<double> values);

} // namespace kelvane::bench
