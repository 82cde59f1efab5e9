#pragma once

#include <QString>
#include <QTemporaryDir>

namespace kelvane::test {

// Points HOME and the XDG folders (config, data, cache, runtime) at fresh temporary folders
// for as long as it lives, and puts the previous values back afterwards. No test touches the
// real user's files.
class IsolatedHome {
public:
    IsolatedHome();
    ~IsolatedHome();
    IsolatedHome(const IsolatedHome&) = delete;
    IsolatedHome& operator=(const IsolatedHome&) = delete;

    QString root() const { return m_dir.path(); }
    QString configHome() const { return root() + QStringLiteral("/config"); }
    QString dataHome() const { return root() + QStringLiteral("/data"); }
    QString runtimeDir() const { return root() + QStringLiteral("/runtime"); }
    QString home() const { return root() + QStringLiteral("/home"); }

private:
    QTemporaryDir m_dir;
    QList<QPair<QByteArray, QByteArray>> m_saved;
};

} // namespace kelvane::test
