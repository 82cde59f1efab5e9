#include "platform/nestedloops.h"

#include <QApplication>
#include <QEventLoop>
#include <QList>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace kelvane {

bool insideNestedLoop() {
    return QThread::currentThread()->loopLevel() > 1;
}

namespace {

constexpr int kWaitPollMs = 250;

QList<QPointer<QEventLoop>>& waits() {
    static QList<QPointer<QEventLoop>> loops;
    return loops;
}

} // namespace

bool runLoopUntil(const std::function<bool()>& ready) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (ready())
            loop.exit(0);
    });
    poll.start(kWaitPollMs);
    waits().append(&loop);
    const bool done = loop.exec() == 0;
    waits().removeAll(&loop);
    return done;
}

void closeModalWindows() {
    for (const QPointer<QEventLoop>& loop : waits()) {
        if (loop)
            loop->exit(1);
    }
    // Each close takes the window off its stack, so the next one comes up.
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    while (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        if (QApplication::activeModalWidget() == modal)
            modal->hide(); // a dialog that refuses to close still leaves
    }
}

} // namespace kelvane
