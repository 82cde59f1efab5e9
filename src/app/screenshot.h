#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QTimer;

namespace kelvane {

class MainWindow;

// `kelvane --screenshot FILE`: once the first documents have finished loading (or a time
// limit passed), writes a PNG of the whole main window and closes it normally.
class ScreenshotRun : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeLimitMs = 30000;
    static constexpr int kSettleMs = 300; // lets the last frame reach the view

    ScreenshotRun(MainWindow& window, QString file, QObject* parent = nullptr);

    void start();
    bool succeeded() const { return m_ok; }

private:
    void poll();
    void capture();

    MainWindow& m_window;
    QString m_file;
    QTimer* m_poll;
    QElapsedTimer m_started;
    bool m_ok = false;
    bool m_done = false;
};

} // namespace kelvane
