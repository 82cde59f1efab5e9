#pragma once

#include "support/waituntil.h"

#include <QProcess>
#include <QStringList>

namespace kelvane::test {

// A second start of the browser binary, which hands its command line to the running browser
// and ends. Empty when it did so; otherwise what went wrong, for the failure message.
inline QString handOverToRunning(const QStringList& arguments, const QString& folder = {}) {
    QProcess second;
    second.setWorkingDirectory(folder);
    second.start(QStringLiteral(KELVANE_BINARY), arguments);
    if (!waitUntil([&] { return second.state() == QProcess::NotRunning; }, 30'000))
        return QStringLiteral("still running");
    if (second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0)
        return {};
    return QStringLiteral("exit %1 (%2): ").arg(second.exitCode()).arg(second.exitStatus()) +
           QString::fromLocal8Bit(second.readAllStandardError());
}

} // namespace kelvane::test
