#include "documents/documentsleep.h"

#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "documents/sleeprules.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

namespace kelvane {

namespace {

qint64 monotonicMs() {
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    // Never 0, which marks a document not seen yet.
    return clock.elapsed() + 1;
}

std::optional<double> readAvailableMemory() {
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return availableMemoryShare(file.readAll());
}

} // namespace

DocumentSleep::DocumentSleep(DocumentArea& documents, QObject* parent)
    : QObject(parent)
    , m_documents(documents)
    , m_lookTimer(new QTimer(this))
    , m_memoryTimer(new QTimer(this))
    , m_clock(monotonicMs)
    , m_memory(readAvailableMemory) {
    m_lookTimer->setInterval(kLookIntervalMs);
    connect(m_lookTimer, &QTimer::timeout, this, &DocumentSleep::look);
    m_lookTimer->start();
    m_memoryTimer->setInterval(kMemoryIntervalMs);
    connect(m_memoryTimer, &QTimer::timeout, this, &DocumentSleep::relieveMemory);
    m_memoryTimer->start();
}

QList<DocumentWindow*> DocumentSleep::documents() const {
    QList<DocumentWindow*> docs;
    for (int i = 1; i <= m_documents.count(); ++i) {
        if (DocumentWindow* doc = m_documents.document(i); doc && !doc->isClosing())
            docs.append(doc);
    }
    return docs;
}

void DocumentSleep::look() {
    const qint64 now = m_clock();
    const QList<DocumentWindow*> visible = m_documents.visibleDocuments();
    const SleepTimes times = SleepTimes::fromText(appSettings().documentSleep);
    for (DocumentWindow* doc : documents()) {
        const bool inSight = visible.contains(doc) || doc->isActive();
        if (inSight || doc->lastSeen() == 0) {
            doc->setLastSeen(now);
            continue;
        }
        doc->sleep(dueSleep(doc->sleepState(false), now - doc->lastSeen(), times));
    }
}

void DocumentSleep::putOthersToSleep() {
    const QList<DocumentWindow*> visible = m_documents.visibleDocuments();
    for (DocumentWindow* doc : documents()) {
        if (!visible.contains(doc))
            doc->sleep(SleepDepth::Discarded);
    }
}

bool DocumentSleep::relieveMemory() {
    const std::optional<double> share = m_memory();
    if (!share || *share >= kLowMemoryShare)
        return false;
    const QList<DocumentWindow*> visible = m_documents.visibleDocuments();
    DocumentWindow* oldest = nullptr;
    for (DocumentWindow* doc : documents()) {
        if (visible.contains(doc) || doc->sleepDepth() == SleepDepth::Discarded ||
            deepestSleep(doc->sleepState(false)) != SleepDepth::Discarded)
            continue;
        if (!oldest || doc->lastSeen() < oldest->lastSeen())
            oldest = doc;
    }
    if (!oldest)
        return false;
    // One at a time: the next look at the memory sees what this one gave back.
    oldest->sleep(SleepDepth::Discarded);
    return true;
}

} // namespace kelvane
