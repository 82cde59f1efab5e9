#include "app/screenshot.h"

#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "frame/mainwindow.h"

#include <QFileInfo>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace kelvane {

ScreenshotRun::ScreenshotRun(MainWindow& window, QString file, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_file(std::move(file))
    , m_poll(new QTimer(this)) {
    m_poll->setInterval(100);
    connect(m_poll, &QTimer::timeout, this, &ScreenshotRun::poll);
}

void ScreenshotRun::start() {
    m_started.start();
    m_poll->start();
}

void ScreenshotRun::poll() {
    const DocumentArea& area = m_window.documentArea();
    bool ready = true;
    for (int i = 1; i <= area.count(); ++i) {
        const DocumentWindow* doc = area.document(i);
        if (doc && (doc->isLoading() || !doc->hasFinishedLoading()))
            ready = false;
    }
    if (ready || m_started.elapsed() > kTimeLimitMs) {
        if (!ready)
            std::fputs("kelvane: the page did not finish loading in time; capturing it as it is\n",
                       stderr);
        m_poll->stop();
        QTimer::singleShot(kSettleMs, this, &ScreenshotRun::capture);
    }
}

void ScreenshotRun::capture() {
    if (m_done)
        return;
    m_done = true;
    const QPixmap shot = m_window.grab();
    m_ok = shot.save(m_file, "PNG");
    if (m_ok)
        std::fprintf(stderr, "kelvane: wrote %s\n",
                     qPrintable(QFileInfo(m_file).absoluteFilePath()));
    else
        std::fprintf(stderr, "kelvane: could not write %s\n", qPrintable(m_file));
    m_window.close();
}

} // namespace kelvane
