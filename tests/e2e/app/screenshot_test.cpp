// A --screenshot run of the real program looks like the user's browser and changes nothing of
// the user's: not the settings, not the engine profile, no other file.
#include "base/settingsstore.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QSettings>
#include <gtest/gtest.h>

using namespace kelvane;

TEST(ScreenshotRun, WritesNothingOfTheUsers) {
    test::IsolatedHome home;
    test::TestHttpServer server;
    server.addPage("/home", test::htmlPage("Home"));
    QSettings user(SettingsStore::filePath(), QSettings::IniFormat);
    user.setValue("Settings/Home1", server.url("/home"));
    user.setValue("Settings/CleanOnExit", "True"); // the run must not clean the user's profile
    user.sync();
    QDir().mkpath(home.dataHome() + "/Kelvane/engine");
    QFile cookies(home.dataHome() + "/Kelvane/engine/Cookies");
    ASSERT_TRUE(cookies.open(QIODevice::WriteOnly) && cookies.write("the user's") &&
                cookies.flush());
    // Every file below the user's config and data folders, with a digest of its content.
    const auto userFiles = [&] {
        QMap<QString, QByteArray> files;
        for (const QString& root : {home.configHome(), home.dataHome()}) {
            for (QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
                 it.hasNext();) {
                QFile file(it.next());
                file.open(QIODevice::ReadOnly);
                files[file.fileName()] =
                    QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
            }
        }
        return files;
    };
    const QMap<QString, QByteArray> before = userFiles();
    ASSERT_EQ(before.size(), 2);

    QProcess run;
    run.start(KELVANE_BINARY, {"--screenshot", home.root() + "/shot.png"});
    ASSERT_TRUE(test::waitUntil([&] { return run.state() == QProcess::NotRunning; }, 60'000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    EXPECT_GE(server.requestCount("/home"), 1) << "the user's Home 1 opens";
    EXPECT_TRUE(QFile::exists(home.root() + "/shot.png"));
    EXPECT_EQ(userFiles(), before);
}
