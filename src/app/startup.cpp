#include "app/startup.h"

#include "app/screenshot.h"
#include "app/splash.h"
#include "base/appsettings.h"
#include "base/buildconfig.h"
#include "base/commandline.h"
#include "base/language.h"
#include "base/pagecolours.h"
#include "base/settingsstore.h"
#include "base/singleinstance.h"
#include "favorites/favoritesimport.h"
#include "favorites/favoritesstore.h"
#include "frame/mainwindow.h"
#include "platform/displayplatform.h"
#include "platform/engine/enginesetup.h"
#include "platform/engine/webenginefactory.h"
#include "platform/engine/webengineprofile.h"
#include "platform/paths.h"
#include "platform/trace.h"
#include "platform/unixsignals.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstdio>
#include <thread>

namespace kelvane {

namespace {

bool hasDisplay(const CommandLine& commandLine) {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || commandLine.platformChosen;
}

// Chooses XWayland in a Wayland session that offers it, unless the user chose a platform.
void choosePlatform(const CommandLine& commandLine) {
    const QByteArray platform =
        preferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"),
                          qgetenv("DISPLAY"), commandLine.platformChosen);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

void print(std::FILE* to, const QString& text) {
    std::fputs(qPrintable(text), to);
    if (!text.endsWith(QLatin1Char('\n')))
        std::fputc('\n', to);
}

// What the window needs from the system before it can show, loaded ahead on another thread:
// the font database with the application's font, and the image plugins (the first picture read
// asks each of them whether it can read it).
void loadFontsAndImagePlugins() {
    QFontDatabase::families();
    QFontMetrics(QGuiApplication::font()).horizontalAdvance(QStringLiteral("Kelvane"));
    QByteArray unknown("?");
    QBuffer device(&unknown);
    QImageReader(&device).canRead();
}

// A screenshot run looks like the user's browser but leaves nothing of the user's changed: it
// works on a copy of the settings in a folder of its own, with an engine profile of its own,
// all gone when it ends.
void isolateScreenshotRun(const QTemporaryDir& home) {
    const QString settings = SettingsStore::filePath();
    const auto pointAt = [&](const char* variable, const QString& folder) {
        QDir().mkpath(folder);
        qputenv(variable, QFile::encodeName(folder));
    };
    pointAt("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")));
    pointAt("XDG_DATA_HOME", home.filePath(QStringLiteral("data")));
    pointAt("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")));
    SettingsStore::reset();
    QDir().mkpath(QFileInfo(SettingsStore::filePath()).absolutePath());
    QFile::copy(settings, SettingsStore::filePath());
}

// --import-favorites and --export-favorites: no window, no lock. A running browser is not
// disturbed: the import only adds files its Favorites window reads afresh when it opens.
int transferFavorites(int argc, char** argv, const CommandLine& commandLine) {
    QCoreApplication app(argc, argv);
    const QString file = commandLine.favoritesFile;
    const QString folder = favoritesFolder();
    if (folder.isEmpty()) {
        print(stderr, QStringLiteral("kelvane: the Favorites folder cannot be made"));
        return 1;
    }
    QString error;
    if (commandLine.action == CommandLine::Action::ExportFavorites) {
        if (!exportFavorites(folder, file, &error)) {
            print(stderr, QStringLiteral("kelvane: %1 cannot be written: %2").arg(file, error));
            return 1;
        }
        print(stdout, QStringLiteral("The Favorites were written to %1.").arg(file));
        return 0;
    }
    const std::optional<Bookmark> bookmarks = readBookmarkFile(file, &error);
    if (!bookmarks) {
        print(stderr, QStringLiteral("kelvane: %1: %2").arg(file, error));
        return 1;
    }
    print(stdout, importBookmarks(*bookmarks, folder).text());
    return 0;
}

// A later instance: hand the command line to the running one. true once it has taken it.
bool handOver(int argc, char** argv, const QString& text) {
    QCoreApplication app(argc, argv);
    return sendCommandLine(text, QDir::currentPath());
}

// screenshot: a run that renders its first documents into a PNG and closes; it neither takes
// the single-instance lock nor answers later instances.
int runBrowser(int argc, char** argv, const CommandLine& commandLine) {
    const bool screenshot = !commandLine.screenshotFile.isEmpty();
    prepareEngineEnvironment();
    QApplication app(argc, argv);
    chooseRendering();

    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setApplicationVersion(QStringLiteral(KELVANE_VERSION));
    // Names the desktop entry to the desktop (Wayland's app id, the X start-up notice).
    QApplication::setDesktopFileName(QStringLiteral(KELVANE_APP_ID));
    makeOwnFoldersPrivate();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kelvane.svg")));
    QApplication::setQuitOnLastWindowClosed(false); // the main window's close decides
    installTranslations();
    choosePageColours();

    // The engine's start waits some 40 ms for its helper process with this thread idle; what
    // the window needs first loads meanwhile.
    {
        std::jthread loader(loadFontsAndImagePlugins);
        WebEngineProfile::profile();
    }

    WebEngineFactory engines;
    const QString commandText = resolveAgainst(commandLine.text, QDir::currentPath());
    HandOverServer handOverServer;
    UnixSignalWatcher signalWatcher;
    MainWindow window(engines, screenshot ? nullptr : &handOverServer);
    QObject::connect(&signalWatcher, &UnixSignalWatcher::terminationRequested, &window,
                     &MainWindow::closeOnSignal);

    // The user's browser asks to become the desktop's default; a screenshot run does not.
    window.setChecksDefaultBrowser(!screenshot);
    window.load(commandText);
    // A logout or kill during the load sequence: the window closes without ever showing.
    if (window.isCloseRequested()) {
        window.closeOnSignal();
        return screenshot ? 1 : 0;
    }
    if (!screenshot)
        handOverServer.startListening();
    window.show();
    benchMark("main window shown");
    ScreenshotRun shot(window, commandLine.screenshotFile);
    if (screenshot)
        shot.start();
    else
        SplashWindow::showFor(&window);
    const int status = app.exec();
    return screenshot && !shot.succeeded() ? 1 : status;
}

} // namespace

int Main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = parseCommandLine(arguments);
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        print(stdout, usageText());
        return 0;
    case CommandLine::Action::Version:
        print(stdout, versionText());
        return 0;
    case CommandLine::Action::Error:
        print(stderr, QStringLiteral("kelvane: ") + commandLine.error);
        print(stderr, QStringLiteral("Try 'kelvane --help'."));
        return 2;
    case CommandLine::Action::ImportFavorites:
    case CommandLine::Action::ExportFavorites:
        return transferFavorites(argc, argv, commandLine);
    case CommandLine::Action::Run:
        break;
    }
    choosePlatform(commandLine);

    if (!commandLine.screenshotFile.isEmpty()) {
        if (!hasDisplay(commandLine))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        const QTemporaryDir home;
        if (!home.isValid()) {
            print(stderr, QStringLiteral("kelvane: no temporary folder for the screenshot run"));
            return 1;
        }
        isolateScreenshotRun(home);
        return runBrowser(argc, argv, commandLine);
    }

    // A start ends with a window, with its text handed over, or with a message saying why not.
    // A lock whose holder took nothing is stale unless a live process still holds it.
    if (!claimSingleInstance(lockName())) {
        if (handOver(argc, argv, commandLine.text))
            return 0;
        qint64 holder = 0;
        if (!takeOverSingleInstance(lockName(), &holder)) {
            print(stderr,
                  QStringLiteral("kelvane: Kelvane is running%1 but did not answer; "
                                 "nothing was opened")
                      .arg(holder > 0 ? QStringLiteral(" (process %1)").arg(holder) : QString()));
            return 1;
        }
    }

    if (!hasDisplay(commandLine)) {
        print(stderr, QStringLiteral("kelvane: no display found; start it in a desktop session, "
                                     "or render a page without one: kelvane --screenshot FILE "
                                     "[URL]"));
        releaseSingleInstance();
        return 1;
    }
    const int status = runBrowser(argc, argv, commandLine);
    releaseSingleInstance();
    return status;
}

} // namespace kelvane
