#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

namespace kelvane {

namespace {

QString fromEnvOr(const char* var, const QString& fallback) {
    const QString value = qEnvironmentVariable(var);
    // A relative XDG path is invalid and must be ignored.
    return (!value.isEmpty() && QDir::isAbsolutePath(value)) ? value : fallback;
}

} // namespace

QString configHomePath() {
    return fromEnvOr("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
}

QString configFolder() {
    return configHomePath() + QStringLiteral("/Kelvane");
}

QString dataFolder() {
    const QString base =
        fromEnvOr("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
    return base + QStringLiteral("/Kelvane");
}

QString runtimeFolder() {
    const QString value = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!value.isEmpty() && QDir::isAbsolutePath(value) && QDir(value).exists())
        return value;
    const QString fallback =
        QDir::tempPath() + QStringLiteral("/kelvane-") + QString::number(getuid());
    makePrivateFolder(fallback);
    return fallback;
}

bool makePrivateFolder(const QString& dir) {
    QDir d(dir);
    if (d.exists())
        return true;
    if (!QDir().mkpath(dir))
        return false;
    return QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace kelvane
