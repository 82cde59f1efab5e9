#pragma once

#include <QObject>

#include <functional>
#include <optional>

class QTimer;

namespace kelvane {

class DocumentArea;
class DocumentWindow;

// Puts documents the user has not seen for a while to sleep, by the times of the settings
// ("DocumentSleep") and the sleep rules, and discards the least recently seen ones while the
// machine runs short of memory.
class DocumentSleep : public QObject {
    Q_OBJECT
public:
    static constexpr int kLookIntervalMs = 30 * 1000;
    static constexpr int kMemoryIntervalMs = 2000;

    DocumentSleep(DocumentArea& documents, QObject* parent = nullptr);

    // For tests: the clock in milliseconds and the reading of the available memory's share.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    void setMemoryReader(std::function<std::optional<double>()> reader) {
        m_memory = std::move(reader);
    }

    // One look at every document: those in sight count as seen, the others sleep as long as
    // they have been unseen asks.
    void look();
    // Discards every document that may sleep, now; typed text is frozen instead.
    void putOthersToSleep();
    // One step of the memory rule: while memory is low, the least recently seen document that
    // may be discarded is. True when one was.
    bool relieveMemory();

private:
    QList<DocumentWindow*> documents() const;

    DocumentArea& m_documents;
    QTimer* m_lookTimer;
    QTimer* m_memoryTimer;
    std::function<qint64()> m_clock;
    std::function<std::optional<double>()> m_memory;
};

} // namespace kelvane
