#include "platform/desktopopener.h"

#include <QPointer>
#include <QProcess>

namespace kelvane {

void openWithDesktop(const QString& path, QObject* context, std::function<void()> failed) {
    // No parent: the program it starts may outlive the window that asked, and must not be
    // killed with it.
    auto* process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const auto fail = [guard = QPointer<QObject>(context), failed = std::move(failed), process] {
        if (guard)
            failed();
        process->deleteLater();
    };
    QObject::connect(process, &QProcess::finished, process,
                     [process, fail](int code, QProcess::ExitStatus status) {
                         if (status == QProcess::NormalExit && code == 0)
                             process->deleteLater();
                         else
                             fail();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [fail](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            fail();
    });
    process->start(QStringLiteral("xdg-open"), {path});
}

} // namespace kelvane
