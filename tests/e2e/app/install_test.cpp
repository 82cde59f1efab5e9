// The install rules: exactly the expected files under a temporary prefix, accepted by the
// desktop's own validators, and the installed program started once.
#include "base/buildconfig.h"
#include "base/fileassociation.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

// Runs program to its end: its exit code (-1 when it did not end) and what it wrote.
int run(const QString& program, const QStringList& arguments, QString* output = nullptr,
        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    // Events go on meanwhile: the test's own server answers the program.
    const bool ended =
        test::waitUntil([&] { return process.state() == QProcess::NotRunning; }, 120'000);
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(Install, PutsTheExpectedFilesThatValidateAndAProgramThatRuns) {
    test::IsolatedHome home;
    const QString prefix = home.root() + "/prefix", id = KELVANE_APP_ID;
    QString output;
    ASSERT_EQ(run(KELVANE_CMAKE, {"--install", KELVANE_BUILD_DIR, "--prefix", prefix}, &output), 0)
        << output;
    QStringList expected = {"bin/kelvane",
                            "share/applications/" + id + ".desktop",
                            "share/metainfo/" + id + ".metainfo.xml",
                            "share/icons/hicolor/scalable/apps/" + id + ".svg",
                            "share/man/man1/kelvane.1.gz",
                            "share/doc/kelvane/copyright",
                            "share/doc/kelvane/changelog.gz"};
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        expected << QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id);
    // The spell checker's dictionaries built from the machine's hunspell ones, English at least.
    const QDir dictionaries(KELVANE_BUILD_DIR "/qtwebengine_dictionaries");
    EXPECT_TRUE(dictionaries.exists("en-US.bdic"));
    for (const QString& name : dictionaries.entryList({"*.bdic"}, QDir::Files))
        expected << "share/kelvane/qtwebengine_dictionaries/" + name;
    QStringList installed;
    for (QDirIterator it(prefix, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        installed << it.next().mid(prefix.size() + 1);
    expected.sort();
    installed.sort();
    EXPECT_EQ(installed, expected);
    for (int size : {16, 256}) {
        const QImage icon(
            QString("%1/share/icons/hicolor/%2x%2/apps/%3.png").arg(prefix).arg(size).arg(id));
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "a round icon on a clear ground";
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
    const QString entry = prefix + "/share/applications/" + id + ".desktop";
    EXPECT_EQ(desktopEntryExec(test::readFile(entry)), "kelvane -- %u");
    EXPECT_TRUE(test::readFile(entry).contains(
        QByteArray("\nMimeType=" + registeredMimeTypes().join(';').toUtf8() + ";\n")));
    const std::pair<const char*, QStringList> validators[] = {
        {"desktop-file-validate", {entry}},
        {"appstreamcli",
         {"validate", "--no-net", "--explain", prefix + "/share/metainfo/" + id + ".metainfo.xml"}},
    };
    for (const auto& [tool, arguments] : validators) {
        if (!QStandardPaths::findExecutable(tool).isEmpty()) {
            EXPECT_EQ(run(tool, arguments, &output), 0) << tool << '\n' << output;
        }
    }
    EXPECT_EQ(run(prefix + "/bin/kelvane", {"--version"}, &output), 0);
    EXPECT_EQ(output.trimmed(), "Kelvane " KELVANE_VERSION);
    test::TestHttpServer server;
    server.addPage("/home", test::htmlPage("Home", "<style>body{background:#00ff00}</style>"));
    home.store("Home1", server.url("/home"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(var);
    ASSERT_EQ(
        run(prefix + "/bin/kelvane", {"--screenshot", home.root() + "/shot.png"}, &output, env), 0)
        << output;
    const QImage shot(home.root() + "/shot.png");
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.pixel(shot.width() / 2, shot.height() / 2), qRgb(0, 255, 0));
    EXPECT_EQ(server.requestCount("/home"), 1);
}

} // namespace
