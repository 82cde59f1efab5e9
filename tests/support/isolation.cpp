#include "support/isolation.h"

#include "base/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace kelvane::test {

IsolatedHome::IsolatedHome()
    : m_dir(QDir::tempPath() + QStringLiteral("/kelvane-test-XXXXXX")) {
    // The store keeps its files open: let the next read find this home's file.
    SettingsStore::reset();
    for (const auto& [var, folder] : {std::pair<const char*, QString>{"HOME", home()},
                                      {"XDG_CONFIG_HOME", configHome()},
                                      {"XDG_DATA_HOME", dataHome()},
                                      {"XDG_CACHE_HOME", root() + "/cache"},
                                      {"XDG_RUNTIME_DIR", runtimeDir()}}) {
        m_saved.append({var, qgetenv(var)});
        QDir().mkpath(folder);
        qputenv(var, QFile::encodeName(folder));
    }
    QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The program's texts in English whatever the machine's language: tests compare them.
    m_saved.append({"LANGUAGE", qgetenv("LANGUAGE")});
    qputenv("LANGUAGE", "en");
}

IsolatedHome::~IsolatedHome() {
    // Pending writes land in this home, which goes away; the outer home's file is reopened.
    SettingsStore::reset();
    for (const auto& [var, value] : m_saved) {
        if (value.isNull())
            qunsetenv(var.constData());
        else
            qputenv(var.constData(), value);
    }
}

QString IsolatedHome::stored(const QString& key) {
    return QSettings(SettingsStore::filePath(), QSettings::IniFormat)
        .value("Settings/" + key)
        .toString();
}

void IsolatedHome::store(const QString& key, const QString& value) {
    QSettings(SettingsStore::filePath(), QSettings::IniFormat).setValue("Settings/" + key, value);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

} // namespace kelvane::test
