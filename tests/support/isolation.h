#pragma once

#include <QString>
#include <QTemporaryDir>

#include <ostream>

// Texts in test messages and failures read as text.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << '"' << text.toStdString() << '"';
}

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

    // A value of the settings file's "Settings" section as another process sees it, read and
    // written behind the program's back.
    static QString stored(const QString& key);
    static void store(const QString& key, const QString& value);

private:
    QTemporaryDir m_dir;
    QList<QPair<QByteArray, QByteArray>> m_saved;
};

// A file's bytes, empty when it cannot be read; and a file written whole, its folder made.
QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);

} // namespace kelvane::test
