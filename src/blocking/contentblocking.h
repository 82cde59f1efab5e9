#pragma once

#include "blocking/blockingsettings.h"
#include "blocking/blocklistloader.h"

#include <QObject>
#include <QPointer>

class QThread;

namespace kelvane {

class SubscriptionFetcher;

// Content blocking as a whole: its settings, the lists loaded on a thread of their own (the
// pages start meanwhile without them), the subscriptions fetched in the background, and the
// rules handed to every page's request filter.
class ContentBlocking : public QObject {
    Q_OBJECT
public:
    explicit ContentBlocking(QObject* parent = nullptr);
    ~ContentBlocking() override;

    // Reads the settings and starts loading the lists; the subscriptions that are due are
    // fetched a little later, so the first page has the network to itself.
    void start();

    const BlockingSettings& settings() const { return m_settings; }
    // New settings from Options: applied, written, and the lists loaded again when their set
    // changed; a subscription new or due, or the switch turned on, starts a fetch.
    void setSettings(const BlockingSettings& chosen);

    bool isSiteExcepted(const QString& host) const;
    void setSiteExcepted(const QString& host, bool excepted);

    // What the lists loaded last gave, file by file; empty until they are loaded.
    const QList<ListFileSummary>& lists() const { return m_lists; }
    bool isLoaded() const { return m_loaded; }

Q_SIGNALS:
    // The settings, the lists or a fetch's outcome changed.
    void changed();

private:
    void applyRules();
    void loadLists();
    void fetchDue();
    void fetchNext();
    void onFetched(const QString& url, const QString& error);

    BlockingSettings m_settings;
    QList<ListFileSummary> m_lists;
    QThread* m_loader = nullptr;
    bool m_loadAgain = false;
    bool m_loaded = false;
    SubscriptionFetcher* m_fetcher;
    QStringList m_toFetch;
    bool m_fetching = false;
};

} // namespace kelvane
