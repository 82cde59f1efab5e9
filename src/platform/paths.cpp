#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace kelvane {

namespace {

constexpr QFile::Permissions kPrivateFolder =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// A socket address holds at most 107 bytes of path; the names put into the runtime folder
// ("/KelvaneV100_APPLICATION_<uid>.<pid>") need up to this many of them.
constexpr qsizetype kRuntimeNameRoom = 44;
constexpr qsizetype kMaxRuntimeFolder =
    qsizetype(sizeof(sockaddr_un::sun_path)) - 1 - kRuntimeNameRoom;

QString fromEnvOr(const char* var, const QString& fallback) {
    const QString value = qEnvironmentVariable(var);
    // A relative XDG path is invalid and must be ignored.
    return (!value.isEmpty() && QDir::isAbsolutePath(value)) ? value : fallback;
}

QString cacheHome() {
    return fromEnvOr("XDG_CACHE_HOME", QDir::homePath() + QStringLiteral("/.cache"));
}

// Why folder may not hold the lock and the socket, or an empty text when it may. Whoever can
// write into it could remove them, or plant a lock naming one of their own processes. In a
// shared folder a symbolic link is refused too: anyone may have put it there.
QString refusal(const QString& folder, bool followLinks) {
    const QByteArray name = QFile::encodeName(folder);
    if (!QDir::isAbsolutePath(folder))
        return QStringLiteral("not an absolute path");
    if (name.size() > kMaxRuntimeFolder)
        return QStringLiteral("too long for a socket address");
    struct stat info {};
    if ((followLinks ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("a symbolic link");
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("not a folder");
    if (info.st_uid != ::geteuid())
        return QStringLiteral("owned by another user");
    if ((info.st_mode & 0777) != 0700)
        return QStringLiteral("not private to its owner (mode %1)")
            .arg(info.st_mode & 0777, 4, 8, QLatin1Char('0'));
    return {};
}

void reportRefusal(const QString& folder, const QString& why, const QString& used) {
    // runtimeFolder() is asked for often; each refusal is told once.
    static QSet<QString> told;
    const QString message = QStringLiteral("kelvane: not using %1 for the lock and the socket "
                                           "(%2); using %3")
                                .arg(folder, why, used);
    if (told.contains(message))
        return;
    told.insert(message);
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    std::fflush(stderr);
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
    QList<QPair<QString, QString>> refused;
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty()) {
        const QString why = refusal(runtimeDir, true);
        if (why.isEmpty())
            return runtimeDir;
        refused.append({runtimeDir, why});
    }

    // mkdir either makes the folder, this user's and private from the start, or fails because
    // it exists; then it is only used when it passes the checks.
    const QString shared =
        QDir::tempPath() + QStringLiteral("/kelvane-") + QString::number(::getuid());
    if (::mkdir(QFile::encodeName(shared).constData(), 0700) == 0)
        QFile::setPermissions(shared, kPrivateFolder);
    QString folder = shared;
    const QString why = refusal(shared, false);
    if (!why.isEmpty()) {
        refused.append({shared, why});
        // In the user's own home nobody else can put anything in its place.
        folder = cacheHome() + QStringLiteral("/kelvane-runtime");
        QDir().mkpath(folder);
        QFile::setPermissions(folder, kPrivateFolder);
    }
    for (const auto& [path, reason] : refused)
        reportRefusal(path, reason, folder);
    return folder;
}

bool makePrivateFolder(const QString& dir) {
    const QFileInfo info(QDir::cleanPath(dir));
    if (info.isDir())
        return true;
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath() && !makePrivateFolder(parent))
        return false;
    return QDir().mkdir(info.absoluteFilePath(), kPrivateFolder) || QFileInfo(dir).isDir();
}

void makeOwnFoldersPrivate() {
    for (const QString& folder :
         QStringList{configFolder(), dataFolder(), cacheHome() + QStringLiteral("/Kelvane")}) {
        const QFileInfo info(folder);
        if (info.isDir() && !info.isSymLink() && info.ownerId() == ::getuid())
            QFile::setPermissions(folder, kPrivateFolder);
    }
}

bool openPrivate(QFileDevice& file) {
    return file.open(QIODevice::WriteOnly) &&
           file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

QString desktopDownloadFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return folder.isEmpty() ? QDir::homePath() + QStringLiteral("/Downloads") : folder;
}

} // namespace kelvane
