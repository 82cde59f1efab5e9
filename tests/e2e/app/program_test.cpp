// The real program as separate processes: first start, hand-over from a second start, close by
// signal, headless screenshots. Pages come from a server in this test process.
#include "base/settingsstore.h"
#include "base/singleinstance.h"
#include "platform/paths.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <csignal>

using namespace kelvane;
using test::TestHttpServer;
using test::waitUntil;

namespace {

constexpr int kWaitMs = 30'000;

QString page(const QString& title, const QString& style = {}) {
    return QStringLiteral("<!doctype html><html><head><title>%1</title></head>"
                          "<body style='%2'><h1>%1</h1></body></html>")
        .arg(title, style);
}

// One run of the browser binary, with the test's isolated folders.
class Program {
public:
    explicit Program(
        const QStringList& arguments, const QString& workingDirectory = {},
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        m_process.setProcessEnvironment(environment);
        if (!workingDirectory.isEmpty())
            m_process.setWorkingDirectory(workingDirectory);
        m_process.start(QStringLiteral(KELVANE_BINARY), arguments);
    }
    ~Program() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    bool waitForExit(int ms = kWaitMs) {
        // The loop keeps running meanwhile, so the test's server goes on answering.
        return waitUntil([this] { return m_process.state() == QProcess::NotRunning; }, ms);
    }
    void signal(int number) { ::kill(static_cast<pid_t>(m_process.processId()), number); }
    int exitCode() const { return m_process.exitCode(); }
    bool exitedNormally() const { return m_process.exitStatus() == QProcess::NormalExit; }
    QString errors() { return QString::fromUtf8(m_stderr += m_process.readAllStandardError()); }
    QString output() { return QString::fromUtf8(m_process.readAllStandardOutput()); }

private:
    QProcess m_process;
    QByteArray m_stderr;
};

bool instanceMarked() {
    return QFile::exists(handOverSocketPath());
}

QString stored(const QString& key) {
    QSettings ini(SettingsStore::filePath(), QSettings::IniFormat);
    return ini.value(QStringLiteral("Settings/") + key).toString();
}

void store(const QString& key, const QString& value) {
    QDir().mkpath(QFileInfo(SettingsStore::filePath()).path());
    QSettings ini(SettingsStore::filePath(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Settings/") + key, value);
}

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() {
        server.addPage(QStringLiteral("/a"), page(QStringLiteral("Page A")));
        server.addPage(QStringLiteral("/b"), page(QStringLiteral("Page B")));
        // Keep the default home page off the network.
        store(QStringLiteral("Home1"), server.url(QStringLiteral("/a")));
        // No default-browser question on the way to the main window.
        store(QStringLiteral("CheckIfDefault"), QStringLiteral("False"));
    }

    // Starts the first instance on path and waits until it answers later starts.
    std::unique_ptr<Program>
    startFirst(const QString& path,
               QProcessEnvironment env = QProcessEnvironment::systemEnvironment()) {
        const int before = server.requestCount(path);
        auto first = std::make_unique<Program>(QStringList{server.url(path)}, QString(), env);
        EXPECT_TRUE(waitUntil([&] { return server.requestCount(path) > before; }, kWaitMs));
        EXPECT_TRUE(waitUntil([] { return instanceMarked(); }, kWaitMs)) << "never marked";
        return first;
    }

    test::IsolatedHome home;
    TestHttpServer server;
};

} // namespace

TEST_F(ProgramTest, FirstStartClosedBySignalWritesItsSettingsAndTracesInOrder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("kelvane.startup=true"));
    auto first = startFirst(QStringLiteral("/a"), env);
    first->signal(SIGTERM);
    ASSERT_TRUE(first->waitForExit());
    EXPECT_TRUE(first->exitedNormally());
    EXPECT_EQ(first->exitCode(), 0);

    QStringList milestones;
    for (const QString& line : first->errors().split(QLatin1Char('\n'))) {
        const qsizetype at = line.indexOf(QLatin1String("kelvane.startup: "));
        if (at >= 0)
            milestones << line.mid(at + 17).trimmed();
    }
    const QStringList expected = {QStringLiteral("start loading..."),
                                  QStringLiteral("strings loaded"),
                                  QStringLiteral("settings loaded"),
                                  QStringLiteral("menu images set"),
                                  QStringLiteral("1"),
                                  QStringLiteral("2"),
                                  QStringLiteral("3"),
                                  QStringLiteral("4"),
                                  QStringLiteral("processing command line done"),
                                  QStringLiteral("loading notes done"),
                                  QStringLiteral("shrinking notes done")};
    QStringList withoutAssociation = milestones;
    for (const char* silent : {"5", "6", "7"})
        withoutAssociation.removeAll(QLatin1String(silent));
    EXPECT_EQ(withoutAssociation, expected);

    EXPECT_EQ(stored(QStringLiteral("MainMaximized")), QStringLiteral("True"));
    EXPECT_EQ(stored(QStringLiteral("StatusBarVisible")), QStringLiteral("True"));
    EXPECT_EQ(stored(QStringLiteral("PopUpEnabled")), QStringLiteral("True"));
    EXPECT_EQ(stored(QStringLiteral("NavigatorVisible")), QStringLiteral("True"));
    EXPECT_EQ(stored(QStringLiteral("CustomLink7SiteName")), QString());
    EXPECT_FALSE(QFile::exists(handOverSocketPath())) << "the instance stopped answering";
}

TEST_F(ProgramTest, SecondStartHandsItsTextToTheFirst) {
    store(QStringLiteral("SaveAllOnExit"), QStringLiteral("True"));
    auto first = startFirst(QStringLiteral("/a"));

    // Non-ASCII, blanks and quotes arrive unchanged (the engine then encodes them in the URL).
    const QString odd = server.url(QStringLiteral("/b")) + QStringLiteral("?q=\"ä ö\" x");
    Program second({odd});
    ASSERT_TRUE(second.waitForExit());
    EXPECT_EQ(second.exitCode(), 0);
    ASSERT_TRUE(waitUntil([&] { return server.requestCount(QStringLiteral("/b")) > 0; }, kWaitMs));
    const QString target = server.requestLog().filter(QStringLiteral("/b")).first();
    EXPECT_EQ(QUrl::fromPercentEncoding(target.toUtf8()), QStringLiteral("/b?q=\"ä ö\" x"));

    // A relative path is resolved against the second start's folder.
    QTemporaryDir elsewhere;
    QFile file(elsewhere.filePath(QStringLiteral("my page.html")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(page(QStringLiteral("Local")).toUtf8());
    file.close();
    Program third({QStringLiteral("my page.html")}, elsewhere.path());
    ASSERT_TRUE(third.waitForExit());
    EXPECT_EQ(third.exitCode(), 0);

    // After "--" an argument that begins with "-" is an address, not an option.
    Program fourth({QStringLiteral("--"), QStringLiteral("-not-an-option")});
    ASSERT_TRUE(fourth.waitForExit());
    EXPECT_EQ(fourth.exitCode(), 0);

    QTest::qWait(1500); // let the last documents start before the close saves them
    first->signal(SIGTERM);
    ASSERT_TRUE(first->waitForExit());
    EXPECT_EQ(stored(QStringLiteral("DocumentCount")), QStringLiteral("4"));
    EXPECT_EQ(stored(QStringLiteral("Document1")), server.url(QStringLiteral("/a")));
    EXPECT_EQ(QUrl(stored(QStringLiteral("Document3"))).toLocalFile(),
              QFileInfo(file).absoluteFilePath());
}

TEST_F(ProgramTest, SavedDocumentsReopenInOrder) {
    store(QStringLiteral("SaveAllOnExit"), QStringLiteral("True"));
    {
        auto first = startFirst(QStringLiteral("/a"));
        Program second({server.url(QStringLiteral("/b"))});
        ASSERT_TRUE(second.waitForExit());
        ASSERT_TRUE(
            waitUntil([&] { return server.requestCount(QStringLiteral("/b")) > 0; }, kWaitMs));
        QTest::qWait(500);
        first->signal(SIGTERM);
        ASSERT_TRUE(first->waitForExit());
    }
    EXPECT_EQ(stored(QStringLiteral("DocumentCount")), QStringLiteral("2"));
    EXPECT_EQ(stored(QStringLiteral("Document2")), server.url(QStringLiteral("/b")));

    Program again({});
    ASSERT_TRUE(waitUntil(
        [&] {
            return server.requestCount(QStringLiteral("/a")) >= 2 &&
                   server.requestCount(QStringLiteral("/b")) >= 2;
        },
        kWaitMs))
        << "both saved documents open again";
    again.signal(SIGTERM);
    ASSERT_TRUE(again.waitForExit());
}

TEST_F(ProgramTest, BadPeersAndLeftoversDoNotStopTheBrowser) {
    auto first = startFirst(QStringLiteral("/a"));
    // Garbage, a length longer than what follows, and a peer that says nothing.
    QLocalSocket garbage, liar, silent;
    for (QLocalSocket* s : {&garbage, &liar, &silent})
        s->connectToServer(handOverSocketPath());
    ASSERT_TRUE(garbage.waitForConnected(5000));
    garbage.write(QByteArray(4096, '\xab'));
    ASSERT_TRUE(liar.waitForConnected(5000));
    liar.write(QByteArray("KVHO\x01\x00\x00\x10\x00", 9));
    garbage.flush();
    liar.flush();

    Program second({server.url(QStringLiteral("/b"))});
    ASSERT_TRUE(second.waitForExit());
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(waitUntil([&] { return server.requestCount(QStringLiteral("/b")) > 0; }, kWaitMs))
        << "a good hand-over still gets through";

    // A killed instance leaves its lock and socket behind; the next start runs all the same,
    // even when the lock was killed before a word of it was written.
    first->signal(SIGKILL);
    ASSERT_TRUE(first->waitForExit());
    EXPECT_TRUE(QFile::exists(handOverSocketPath()));
    QFile lock(runtimeFolder() + QLatin1Char('/') + lockName());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lock.close();
    auto next = startFirst(QStringLiteral("/b"));
    next->signal(SIGTERM);
    ASSERT_TRUE(next->waitForExit());
    EXPECT_EQ(next->exitCode(), 0);
}

TEST_F(ProgramTest, HandOverThatNobodyTakesIsToldOnBothSides) {
    ASSERT_TRUE(QDir().mkdir(handOverSocketPath())); // the socket's place is taken
    auto first = startFirst(QStringLiteral("/a"));
    Program second({server.url(QStringLiteral("/b"))});
    ASSERT_TRUE(second.waitForExit());
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.errors().contains(QLatin1String("did not answer")))
        << qPrintable(second.errors());
    EXPECT_TRUE(first->errors().contains(QLatin1String("cannot listen")));
    first->signal(SIGTERM);
    ASSERT_TRUE(first->waitForExit());
    EXPECT_EQ(first->exitCode(), 0);
}

TEST_F(ProgramTest, ShortcutFileOnTheCommandLineOpensItsTarget) {
    server.addPage(QStringLiteral("/target"), page(QStringLiteral("Target")));
    const QString shortcut = home.root() + QStringLiteral("/Link.URL");
    QFile file(shortcut);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        ("[InternetShortcut]\r\nURL=" + server.url(QStringLiteral("/target")) + "\r\n").toUtf8());
    file.close();
    Program first({shortcut});
    EXPECT_TRUE(
        waitUntil([&] { return server.requestCount(QStringLiteral("/target")) > 0; }, kWaitMs));
    first.signal(SIGTERM);
    ASSERT_TRUE(first.waitForExit());
}

TEST_F(ProgramTest, HeadlessRuns) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(var));

    Program plain({server.url(QStringLiteral("/a"))}, QString(), env);
    ASSERT_TRUE(plain.waitForExit());
    EXPECT_EQ(plain.exitCode(), 1);
    EXPECT_TRUE(plain.errors().contains(QLatin1String("--screenshot")))
        << "says in one line how to run it";

    server.addPage(QStringLiteral("/pink"),
                   page(QStringLiteral("Pink"), QStringLiteral("background:#ff00ff")));
    const QString png = home.root() + QStringLiteral("/shot.png");
    Program shot({QStringLiteral("--screenshot"), png, server.url(QStringLiteral("/pink"))},
                 QString(), env);
    ASSERT_TRUE(shot.waitForExit());
    EXPECT_EQ(shot.exitCode(), 0) << qPrintable(shot.errors());
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    int pink = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4)
            pink += image.pixel(x, y) == qRgb(255, 0, 255);
    }
    EXPECT_GT(pink, image.width() * image.height() / 16 / 4) << "the page fills the window";
}

TEST_F(ProgramTest, HelpAndVersionAnswerOnStdout) {
    Program help({QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForExit());
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.output().contains(QLatin1String("Usage")));
    Program version({QStringLiteral("--version")});
    ASSERT_TRUE(version.waitForExit());
    EXPECT_TRUE(version.output().contains(QLatin1String("1.50")));
    Program wrong({QStringLiteral("--no-such-option")});
    ASSERT_TRUE(wrong.waitForExit());
    EXPECT_EQ(wrong.exitCode(), 2);
}
