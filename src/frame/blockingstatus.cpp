#include "frame/blockingstatus.h"

#include "blocking/contentblocking.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "frame/statusbar.h"
#include "platform/engine/engine.h"

#include <QUrl>

namespace kelvane {

BlockingStatus::BlockingStatus(DocumentArea& documents, StatusBar& statusBar,
                               ContentBlocking& blocking, QObject* parent)
    : QObject(parent)
    , m_documents(documents)
    , m_statusBar(statusBar)
    , m_blocking(blocking) {
    connect(&documents, &DocumentArea::blockedRequests, this, [this](int count) {
        m_blocked = count;
        update();
    });
    connect(&documents, &DocumentArea::addressText, this, &BlockingStatus::update);
    connect(&documents, &DocumentArea::activeDocumentChanged, this, &BlockingStatus::update);
    connect(&blocking, &ContentBlocking::changed, this, &BlockingStatus::update);
    connect(&statusBar, &StatusBar::siteExceptionChosen, this,
            [this](const QString& site, bool excepted) {
                m_blocking.setSiteExcepted(site, excepted);
                if (DocumentWindow* doc = m_documents.activeDocument())
                    doc->engine()->reload();
            });
    update();
}

void BlockingStatus::update() {
    const DocumentWindow* doc = m_documents.activeDocument();
    StatusBar::ContentBlockingState state;
    state.enabled = m_blocking.settings().enabled;
    if (doc) {
        const QUrl url(doc->engine()->url());
        if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
            state.site = url.host();
        state.blocked = m_blocked;
    }
    state.siteExcepted = !state.site.isEmpty() && m_blocking.isSiteExcepted(state.site);
    m_statusBar.setContentBlocking(state);
}

} // namespace kelvane
