#pragma once

#include <QObject>
#include <QString>

class QNetworkAccessManager;

namespace kelvane {

// Fetches one subscribed list at a time in the background and keeps it as its file. A fetch
// that fails, or gives something that is not a block list (a sign-in page of a hotel's
// network), leaves the last good copy in place.
class SubscriptionFetcher : public QObject {
    Q_OBJECT
public:
    explicit SubscriptionFetcher(QObject* parent = nullptr);

    // Fetches url into file; finished follows, also when it fails.
    void fetch(const QString& url, const QString& file);

Q_SIGNALS:
    // error is empty when the file now holds the new list.
    void finished(const QString& url, const QString& error);

private:
    QNetworkAccessManager* m_network = nullptr;
};

} // namespace kelvane
