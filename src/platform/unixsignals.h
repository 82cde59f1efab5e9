#pragma once

#include <QObject>

class QSocketNotifier;

namespace kelvane {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface thread, so a logout
// or a kill runs the ordinary close and loses nothing.
class UnixSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit UnixSignalWatcher(QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace kelvane
