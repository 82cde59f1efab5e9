#include "history/visitrecorder.h"

#include "base/browsinghistory.h"
#include "documents/documentwindow.h"
#include "platform/engine/engine.h"

#include <QDateTime>
#include <QUrl>

#include <memory>

namespace kelvane {

namespace {

bool isRecorded(const QString& url) {
    const QString scheme = QUrl(url).scheme();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("ftp") || scheme == QLatin1String("file");
}

} // namespace

VisitRecorder::VisitRecorder(BrowsingHistory& history, QObject* parent)
    : QObject(parent)
    , m_history(history) {}

void VisitRecorder::watch(DocumentWindow* document) {
    if (document->isPrivate())
        return;
    Engine* engine = document->engine();
    auto last = std::make_shared<QString>();
    connect(document, &DocumentWindow::loadFinished, this, [this, engine, last] {
        const QString url = engine->url();
        if (url == *last || !isRecorded(url))
            return;
        *last = url;
        m_history.recordVisit(url, engine->title(), QDateTime::currentMSecsSinceEpoch());
    });
    connect(engine, &Engine::titleChanged, this, [this, engine, last](const QString& title) {
        if (!last->isEmpty() && engine->url() == *last && !title.isEmpty())
            m_history.setTitle(*last, title);
    });
}

} // namespace kelvane
