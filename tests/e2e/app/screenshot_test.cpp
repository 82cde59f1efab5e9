// A --screenshot run of the real program, without a display: it shows the user's home page and
// changes nothing of the user's: not the settings, not the engine profile, no other file.
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

using namespace kelvane;

TEST(ScreenshotRun, ShowsTheHomePageAndWritesNothingOfTheUsers) {
    test::IsolatedHome home;
    test::TestHttpServer server;
    server.addPage("/home", test::htmlPage("Home", "<style>body{background:#ff00ff}</style>"));
    home.store("Home1", server.url("/home"));
    home.store("CleanOnExit", "True"); // the run must not clean the user's profile
    ASSERT_TRUE(test::writeFile(home.dataHome() + "/Kelvane/engine/Cookies", "the user's"));
    // Every file below the user's config and data folders, with a digest of its content.
    const auto userFiles = [&] {
        QMap<QString, QByteArray> files;
        for (const QString& root : {home.configHome(), home.dataHome()}) {
            for (QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
                 it.hasNext();) {
                const QString path = it.next();
                files[path] =
                    QCryptographicHash::hash(test::readFile(path), QCryptographicHash::Sha1);
            }
        }
        return files;
    };
    const QMap<QString, QByteArray> before = userFiles();
    ASSERT_EQ(before.size(), 2);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(var);
    QProcess run;
    run.setProcessEnvironment(env);
    run.start(KELVANE_BINARY, {"--screenshot", home.root() + "/shot.png"});
    ASSERT_TRUE(test::waitUntil([&] { return run.state() == QProcess::NotRunning; }, 60'000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    EXPECT_EQ(userFiles(), before);

    const QImage image(home.root() + "/shot.png");
    ASSERT_FALSE(image.isNull());
    int pink = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4)
            pink += image.pixel(x, y) == qRgb(255, 0, 255);
    }
    EXPECT_GT(pink, image.width() * image.height() / 16 / 4) << "the page fills the window";
}
