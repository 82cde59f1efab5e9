#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace kelvane {

// A popup the blocker killed: the address the page wanted to open, the page that asked and
// when; or a new window closed because its first address held a blocked site.
struct KilledPopup {
    QString address;
    QString requestingPage;
    QDateTime time;
    bool blockedSite = false;
};

// The popups killed in this session, so the blocker can say what it did. Nothing of it is
// stored: it starts empty with every run.
class KilledPopups {
public:
    static constexpr int kRecentCount = 10;

    void add(const KilledPopup& popup);
    // All kills of the session.
    int count() const { return m_count; }
    // The last kRecentCount kills, newest first.
    const QList<KilledPopup>& recent() const { return m_recent; }

private:
    int m_count = 0;
    QList<KilledPopup> m_recent;
};

} // namespace kelvane
