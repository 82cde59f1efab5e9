#include "fuzztarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace kelvane::fuzz {

namespace {

std::unique_ptr<QTemporaryDir>& root() {
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

} // namespace

QList<Target>& targets() {
    static QList<Target> all;
    return all;
}

void isolate() {
    const QString shm = QStringLiteral("/dev/shm");
    const bool inMemory = QFileInfo(shm).isDir() && QFileInfo(shm).isWritable();
    root() = std::make_unique<QTemporaryDir>((inMemory ? shm : QDir::tempPath()) +
                                             QStringLiteral("/kelvane-fuzz-XXXXXX"));
    for (const auto& [variable, folder] : {std::pair{"HOME", "home"},
                                           {"XDG_CONFIG_HOME", "config"},
                                           {"XDG_DATA_HOME", "data"},
                                           {"XDG_CACHE_HOME", "cache"},
                                           {"XDG_RUNTIME_DIR", "runtime"}}) {
        const QString path = root()->filePath(QString::fromLatin1(folder));
        QDir().mkpath(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(variable, QFile::encodeName(path));
    }
}

QString freshFolder() {
    static quint64 count = 0;
    QDir(root()->filePath(QStringLiteral("input%1").arg(count))).removeRecursively();
    const QString folder = root()->filePath(QStringLiteral("input%1").arg(++count));
    QDir().mkpath(folder);
    return folder;
}

QString lastingFolder(const QString& name) {
    const QString folder = root()->filePath(QStringLiteral("lasting/") + name);
    QDir().mkpath(folder);
    return folder;
}

QString writeInput(const QString& name, QByteArrayView input) {
    const QString path = freshFolder() + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(input.data(), input.size()) != input.size())
        check(false, "fuzz", QStringLiteral("cannot write ") + path);
    return path;
}

bool hasControlCharacter(QStringView text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            return true;
    }
    return false;
}

QString escaped(QStringView text) {
    QString out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out;
}

void check(bool holds, const char* target, const QString& what) {
    if (holds)
        return;
    std::fprintf(stderr, "%s: %s\n", target, qUtf8Printable(what));
    std::fflush(stderr);
    std::abort();
}

} // namespace kelvane::fuzz
