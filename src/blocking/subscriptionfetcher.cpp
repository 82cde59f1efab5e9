#include "blocking/subscriptionfetcher.h"

#include "platform/blocklist.h"
#include "platform/paths.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>

namespace kelvane {

namespace {

constexpr qint64 kMaxListBytes = 64LL << 20;
constexpr int kTimeoutMs = 60'000;

// The reply's body written whole over file; the reason it was not, or an empty text.
QString keep(const QByteArray& body, const QString& file) {
    if (parseBlockList(body).rules.empty())
        return QObject::tr("the address gave no block list");
    makePrivateFolder(QFileInfo(file).absolutePath());
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(body) != body.size() || !out.commit())
        return QObject::tr("the list could not be written to %1").arg(file);
    return {};
}

} // namespace

SubscriptionFetcher::SubscriptionFetcher(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this)) {}

void SubscriptionFetcher::fetch(const QString& url, const QString& file) {
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(kTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = m_network->get(request);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxListBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, url, file] {
        reply->deleteLater();
        QString error;
        if (reply->error() != QNetworkReply::NoError)
            error = reply->errorString();
        else
            error = keep(reply->readAll(), file);
        Q_EMIT finished(url, error);
    });
}

} // namespace kelvane
