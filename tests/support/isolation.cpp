#include "support/isolation.h"

#include "app/settingsstore.h"

#include <QDir>
#include <QFile>

namespace kelvane::test {

namespace {
const char* const kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                                  "XDG_RUNTIME_DIR"};
}

IsolatedHome::IsolatedHome()
    : m_dir(QDir::tempPath() + QStringLiteral("/kelvane-test-XXXXXX"))
{
    // The store keeps its files open: let the next read find this home's file.
    SettingsStore::reset();
    for (const char* var : kVariables)
        m_saved.append({var, qgetenv(var)});

    const QString dirs[] = {home(), configHome(), dataHome(), root() + QStringLiteral("/cache"),
                            runtimeDir()};
    for (const QString& d : dirs)
        QDir().mkpath(d);
    QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    qputenv("HOME", home().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (root() + QStringLiteral("/cache")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtimeDir().toLocal8Bit());
}

IsolatedHome::~IsolatedHome()
{
    // Pending writes land in this home, which goes away; the outer home's file is reopened.
    SettingsStore::reset();
    for (const auto& [var, value] : m_saved) {
        if (value.isNull())
            qunsetenv(var.constData());
        else
            qputenv(var.constData(), value);
    }
}

} // namespace kelvane::test
