#pragma once

#include <QStringList>
#include <QWebEngineUrlRequestInterceptor>

#include <memory>

namespace kelvane {

class HostMatcher;

// A page's content blocker: drops the requests a page makes to hosts of the block lists, and
// counts them. The page's own address is never blocked, nor anything a page of a site the user
// excepted loads. It runs for every request on the window's thread, so it only looks up hash
// tables. The lists, the exceptions and the switch are shared by every page of every profile.
class RequestFilter : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

    // Requests blocked since the page's document started loading.
    int blockedCount() const { return m_blocked; }

    // The rules of every list; loaded elsewhere, handed over whole.
    static void setLists(std::shared_ptr<const HostMatcher> lists);
    static void setEnabled(bool enabled);
    // Sites (host names; their subdomains too) whose pages load everything.
    static void setSiteExceptions(const QStringList& hosts);

Q_SIGNALS:
    // Raised from inside the engine's call: connect it queued.
    void blockedCountChanged(int count);

private:
    int m_blocked = 0;
};

} // namespace kelvane
