#include "platform/engine/requestfilter.h"

#include "platform/blocklist.h"

#include <QUrl>
#include <QWebEngineUrlRequestInfo>

namespace kelvane {

namespace {

struct FilterRules {
    std::shared_ptr<const HostMatcher> lists;
    HostMatcher siteExceptions;
    bool enabled = false;
};

FilterRules& rules() {
    static FilterRules r;
    return r;
}

bool isWebScheme(const QString& scheme) {
    return scheme == QLatin1String("https") || scheme == QLatin1String("http") ||
           scheme == QLatin1String("wss") || scheme == QLatin1String("ws");
}

} // namespace

void RequestFilter::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame) {
        if (m_blocked != 0) {
            m_blocked = 0;
            Q_EMIT blockedCountChanged(m_blocked);
        }
        return;
    }
    const FilterRules& r = rules();
    if (!r.enabled || !r.lists || r.lists->isEmpty())
        return;
    const QUrl& url = info.requestUrl();
    if (!isWebScheme(url.scheme()))
        return;
    const QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    const QByteArray pageHost = info.firstPartyUrl().host(QUrl::FullyEncoded).toLatin1();
    const std::string_view hostView(host.constData(), std::size_t(host.size()));
    const std::string_view pageView(pageHost.constData(), std::size_t(pageHost.size()));
    if (r.siteExceptions.covers(pageView))
        return;
    if (r.lists->blocks(hostView, isThirdParty(hostView, pageView))) {
        info.block(true);
        Q_EMIT blockedCountChanged(++m_blocked);
    }
}

void RequestFilter::setLists(std::shared_ptr<const HostMatcher> lists) {
    rules().lists = std::move(lists);
}

void RequestFilter::setEnabled(bool enabled) {
    rules().enabled = enabled;
}

void RequestFilter::setSiteExceptions(const QStringList& hosts) {
    HostMatcher exceptions;
    for (const QString& host : hosts) {
        const QString ace = QString::fromLatin1(QUrl::toAce(host.trimmed().toLower()));
        if (!ace.isEmpty())
            exceptions.add(HostRule{ace.toStdString()});
    }
    rules().siteExceptions = std::move(exceptions);
}

} // namespace kelvane
