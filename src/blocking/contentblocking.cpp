#include "blocking/contentblocking.h"

#include "blocking/subscriptionfetcher.h"
#include "platform/engine/requestfilter.h"

#include <QThread>
#include <QTimer>

#include <pthread.h>
#include <sched.h>

namespace kelvane {

namespace {

constexpr int kFirstFetchDelayMs = 10'000;

} // namespace

ContentBlocking::ContentBlocking(QObject* parent)
    : QObject(parent)
    , m_fetcher(new SubscriptionFetcher(this)) {
    connect(m_fetcher, &SubscriptionFetcher::finished, this, &ContentBlocking::onFetched);
}

ContentBlocking::~ContentBlocking() {
    if (m_loader) {
        m_loader->disconnect(this);
        m_loader->wait();
        delete m_loader;
    }
}

void ContentBlocking::start() {
    m_settings = BlockingSettings::load();
    applyRules();
    if (m_settings.enabled) {
        loadLists();
        QTimer::singleShot(kFirstFetchDelayMs, this, &ContentBlocking::fetchDue);
    }
}

void ContentBlocking::setSettings(const BlockingSettings& chosen) {
    // What fetches ended while the settings were edited is kept.
    BlockingSettings settings = chosen;
    QStringList before;
    for (const Subscription& s : std::as_const(m_settings.subscriptions))
        before.append(s.url);
    QStringList after;
    for (Subscription& s : settings.subscriptions) {
        after.append(s.url);
        if (const qsizetype known = before.indexOf(s.url); known >= 0)
            s = m_settings.subscriptions.at(known);
    }
    const bool listsChanged = before != after;
    const bool turnedOn = settings.enabled && !m_settings.enabled;
    m_settings = settings;
    m_settings.save();
    applyRules();
    if (m_settings.enabled && (listsChanged || turnedOn || !m_loaded))
        loadLists();
    if (m_settings.enabled)
        fetchDue();
    Q_EMIT changed();
}

bool ContentBlocking::isSiteExcepted(const QString& host) const {
    HostMatcher exceptions;
    for (const QString& site : m_settings.siteExceptions)
        exceptions.add(HostRule{site.toStdString()});
    return exceptions.covers(host.toLower().toStdString());
}

void ContentBlocking::setSiteExcepted(const QString& host, bool excepted) {
    const QString site = host.trimmed().toLower();
    if (site.isEmpty())
        return;
    m_settings.siteExceptions.removeAll(site);
    if (excepted)
        m_settings.siteExceptions.append(site);
    m_settings.save();
    applyRules();
    Q_EMIT changed();
}

void ContentBlocking::applyRules() {
    RequestFilter::setEnabled(m_settings.enabled);
    RequestFilter::setSiteExceptions(m_settings.siteExceptions);
}

void ContentBlocking::loadLists() {
    if (m_loader) {
        m_loadAgain = true;
        return;
    }
    auto result = std::make_shared<LoadedLists>();
    m_loader = QThread::create([result, files = blockListFiles(m_settings)] {
        // Only what the engine and the window leave of the processor: the first page must not
        // wait for the lists.
        const sched_param idle{};
        pthread_setschedparam(pthread_self(), SCHED_IDLE, &idle);
        *result = loadBlockLists(files);
    });
    connect(m_loader, &QThread::finished, this, [this, result] {
        m_loader->deleteLater();
        m_loader = nullptr;
        RequestFilter::setLists(result->matcher);
        m_lists = result->files;
        m_loaded = true;
        Q_EMIT changed();
        if (std::exchange(m_loadAgain, false))
            loadLists();
    });
    m_loader->start();
}

void ContentBlocking::fetchDue() {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const Subscription& s : std::as_const(m_settings.subscriptions)) {
        if (s.isDue(now) && !m_toFetch.contains(s.url))
            m_toFetch.append(s.url);
    }
    fetchNext();
}

void ContentBlocking::fetchNext() {
    if (m_fetching || m_toFetch.isEmpty())
        return;
    const QString url = m_toFetch.takeFirst();
    for (const Subscription& s : std::as_const(m_settings.subscriptions)) {
        if (s.url == url) {
            m_fetching = true;
            m_fetcher->fetch(url, s.file());
            return;
        }
    }
    fetchNext(); // unsubscribed meanwhile
}

void ContentBlocking::onFetched(const QString& url, const QString& error) {
    m_fetching = false;
    for (Subscription& s : m_settings.subscriptions) {
        if (s.url != url)
            continue;
        s.tried = QDateTime::currentDateTimeUtc();
        s.error = error;
        if (error.isEmpty())
            s.fetched = s.tried;
    }
    m_settings.save();
    if (error.isEmpty() && m_settings.enabled)
        loadLists();
    Q_EMIT changed();
    fetchNext();
}

} // namespace kelvane
