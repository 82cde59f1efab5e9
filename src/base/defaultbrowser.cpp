#include "base/defaultbrowser.h"

#include "base/fileassociation.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace kelvane {

namespace {

// Far more than any real list or entry; a bigger file is not read (nor replaced).
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
constexpr int kToolTimeoutMs = 5000;

// The file's bytes; empty bytes for a file that does not exist; nullopt when it exists but
// cannot be read.
std::optional<QByteArray> readSmallFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return std::nullopt;
    QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileBytes)
        return std::nullopt;
    return bytes;
}

bool writeWhole(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The installed desktop entry of desktopId: the user's folder first, then the system's.
QString findDesktopEntry(const QString& desktopId) {
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        const QString path = folder + QLatin1Char('/') + desktopId;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

// The installed desktop entry (the id installed with the program, as the desktop finds it) when
// it runs the program at programPath; empty when it runs another or there is none, as for a
// program run from its build folder.
QString installedEntryFor(const QString& programPath) {
    const QString entryPath = findDesktopEntry(installedDesktopId());
    const std::optional<QByteArray> entry =
        entryPath.isEmpty() ? std::nullopt : readSmallFile(entryPath);
    if (!entry)
        return {};
    const QString exec = desktopEntryExec(*entry);
    QString program = execProgram(exec);
    if (program.isEmpty() || exec != desktopExecLine(program))
        return {};
    if (!QDir::isAbsolutePath(program))
        program = QStandardPaths::findExecutable(program);
    const QString runs = QFileInfo(program).canonicalFilePath();
    return !runs.isEmpty() && runs == QFileInfo(programPath).canonicalFilePath() ? entryPath
                                                                                 : QString();
}

void refreshDesktopDatabase(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return;
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.start(QStringLiteral("update-desktop-database"), {folder});
    // Without the tool there is nothing to refresh.
    if (tool.waitForStarted(kToolTimeoutMs) && !tool.waitForFinished(kToolTimeoutMs))
        tool.kill();
}

} // namespace

QString mimeappsListPath() {
    return configHomePath() + QStringLiteral("/mimeapps.list");
}

QString userApplicationsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
}

DefaultBrowserState defaultBrowserState(const QString& programPath) {
    DefaultBrowserState state;
    const std::optional<QByteArray> mimeapps = readSmallFile(mimeappsListPath());
    if (!mimeapps) {
        state.unreadable << mimeappsListPath();
        return state;
    }
    const QString expected = desktopExecLine(programPath);
    const QString installedEntry = installedEntryFor(programPath);
    state.isDefault = true;
    for (const QString& type : checkedMimeTypes()) {
        // The first listed entry that is installed opens the type.
        QString entryPath;
        for (const QString& id : defaultApplications(*mimeapps, type)) {
            if (!(entryPath = findDesktopEntry(id)).isEmpty())
                break;
        }
        std::optional<QByteArray> entry;
        if (!entryPath.isEmpty() && !(entry = readSmallFile(entryPath)) &&
            !state.unreadable.contains(entryPath))
            state.unreadable << entryPath;
        // The installed entry runs this program too, by the name it has in PATH.
        if (!entry || (desktopEntryExec(*entry) != expected && entryPath != installedEntry))
            state.isDefault = false;
    }
    return state;
}

QStringList makeDefaultBrowser(const QString& programPath, const QByteArray& iconSvg) {
    QStringList failed;
    // An installed browser is named by its installed entry; one run from elsewhere (a build
    // folder) writes an entry of its own to the user's folder.
    const bool installed = !installedEntryFor(programPath).isEmpty();
    const QString folder = userApplicationsFolder();
    if (!installed) {
        const QString entryPath = folder + QLatin1Char('/') + QLatin1String(kDesktopEntryName);
        if (!writeWhole(entryPath, desktopEntryText(programPath)))
            failed << entryPath;
    }
    if (!installed && !iconSvg.isEmpty()) {
        const QString iconPath =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/icons/hicolor/scalable/apps/kelvane.svg");
        if (!writeWhole(iconPath, iconSvg))
            failed << iconPath;
    }
    const QString listPath = mimeappsListPath();
    const std::optional<QByteArray> mimeapps = readSmallFile(listPath);
    const QString desktopId = installed ? installedDesktopId() : QLatin1String(kDesktopEntryName);
    if (!mimeapps ||
        !writeWhole(listPath, withDefaultApplications(*mimeapps, registeredMimeTypes(), desktopId)))
        failed << listPath;
    if (!installed)
        refreshDesktopDatabase(folder);
    return failed;
}

} // namespace kelvane
