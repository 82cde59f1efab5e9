#pragma once

#include <QEventLoop>
#include <QTimer>

namespace kelvane::test {

// Runs an event loop until predicate() holds or timeoutMs passes; returns predicate(). The loop
// wakes for every event (QTest::qWaitFor sleeps between passes), so the web engine's many small
// tasks run at full speed. The limit is a safety net, not a timing assertion.
template <typename Predicate> bool waitUntil(Predicate predicate, int timeoutMs = 20'000) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (predicate())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(5);
    if (!predicate())
        loop.exec();
    return predicate();
}

} // namespace kelvane::test
