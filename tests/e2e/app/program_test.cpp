// The real program as separate processes without a desktop: first start, hand-over from later
// starts, close by signal, leftovers of a killed instance, the command line, and a --screenshot
// run, which shows the user's home page and changes nothing of the user's.
#include "base/singleinstance.h"
#include "platform/paths.h"
#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/secondstart.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <csignal>

using namespace kelvane;
using test::waitUntil;

namespace {

constexpr int kWaitMs = 60'000;

// The environment of a machine without a display.
QProcessEnvironment noDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(var);
    return env;
}

// One run of the browser binary, with the test's isolated folders.
class Program {
public:
    explicit Program(const QStringList& arguments,
                     const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
        m_process.setProcessEnvironment(env);
        m_process.start(KELVANE_BINARY, arguments);
    }
    ~Program() {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    // Sends the signal (if any) and waits for the end: the exit code, or -1 when it did not
    // end by itself.
    int exitCode(int signal = 0) {
        if (signal && m_process.processId() > 0) // never 0: that would be the whole group
            ::kill(pid_t(m_process.processId()), signal);
        if (!waitUntil([this] { return m_process.state() == QProcess::NotRunning; }, kWaitMs))
            return -1;
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    QString errors() { return QString::fromUtf8(m_stderr += m_process.readAllStandardError()); }
    QString output() { return QString::fromUtf8(m_process.readAllStandardOutput()); }

private:
    QProcess m_process;
    QByteArray m_stderr;
};

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() {
        server.addPage("/a", test::htmlPage("Page A"));
        server.addPage("/b", test::htmlPage("Page B"));
        home.store("Home1", server.url("/a")); // the default home page is on the network
        home.store("CheckIfDefault", "False");
    }
    // Starts the first instance on path and waits until it answers later starts.
    std::unique_ptr<Program> startFirst(const QString& path) {
        const int before = server.requestCount(path);
        auto first = std::make_unique<Program>(QStringList{server.url(path)});
        EXPECT_TRUE(waitUntil([&] { return server.requestCount(path) > before; }, kWaitMs));
        EXPECT_TRUE(waitUntil([] { return QFile::exists(handOverSocketPath()); }, kWaitMs))
            << "never marked";
        return first;
    }

    test::IsolatedHome home;
    test::TestHttpServer server;
};

} // namespace

// The signal comes while the first start's question whether to become the default browser
// waits: the question goes unanswered, to be asked again at the next start.
TEST_F(ProgramTest, FirstStartClosedBySignalWritesItsSettingsAndTracesInOrder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_LOGGING_RULES", "kelvane.startup=true");
    home.store("CheckIfDefault", "True");
    auto first = std::make_unique<Program>(QStringList{server.url("/a")}, env);
    ASSERT_TRUE(waitUntil([&] { return first->errors().contains("startup: 3\n"); }, kWaitMs));
    EXPECT_EQ(first->exitCode(SIGTERM), 0);
    EXPECT_EQ(home.stored("CheckIfDefault"), "True");
    EXPECT_EQ(home.stored("FileAssociationSetDefault"), "") << "not answered";

    QStringList milestones;
    for (const QString& line : first->errors().split('\n')) {
        const qsizetype at = line.indexOf("kelvane.startup: ");
        // The default-browser check's own milestones depend on the desktop's associations.
        if (at >= 0 && !QStringList{"5", "6", "7"}.contains(line.mid(at + 17).trimmed()))
            milestones << line.mid(at + 17).trimmed();
    }
    EXPECT_EQ(milestones.join('|'), "start loading...|strings loaded|settings loaded|menu images "
                                    "set|1|2|3|4|processing command line done|loading notes "
                                    "done|shrinking notes done");
    for (const char* key :
         {"MainMaximized", "StatusBarVisible", "PopUpEnabled", "NavigatorVisible"})
        EXPECT_EQ(home.stored(key), "True") << key;
    EXPECT_EQ(home.stored("CustomLink7SiteName"), "");
}

TEST_F(ProgramTest, LaterStartsHandTheirTextToTheFirst) {
    home.store("SaveAllOnExit", "True");
    auto first = startFirst("/a");

    // Non-ASCII, blanks and quotes arrive unchanged (the engine then encodes them in the URL).
    ASSERT_EQ(test::handOverToRunning({server.url("/b") + "?q=\"ä ö\" x"}), "");
    ASSERT_TRUE(waitUntil([&] { return server.requestCount("/b") > 0; }, kWaitMs));
    const QString target = server.requestLog().filter("/b").first();
    EXPECT_EQ(QUrl::fromPercentEncoding(target.toUtf8()), "/b?q=\"ä ö\" x");

    // A relative path is resolved against the later start's folder.
    const QString folder = home.root() + "/elsewhere";
    ASSERT_TRUE(test::writeFile(folder + "/my page.html", test::htmlPage("Local").toUtf8()));
    ASSERT_EQ(test::handOverToRunning({"my page.html"}, folder), "");

    // After "--" an argument that begins with "-" is an address, not an option.
    ASSERT_EQ(test::handOverToRunning({"--", "-not-an-option"}), "");

    // An internet shortcut opens its target.
    server.addPage("/target", test::htmlPage("Target"));
    ASSERT_TRUE(test::writeFile(folder + "/Link.URL",
                                ("[InternetShortcut]\r\nURL=" + server.url("/target")).toUtf8()));
    ASSERT_EQ(test::handOverToRunning({folder + "/Link.URL"}), "");

    QTest::qWait(1500); // let the last documents start before the close saves them
    EXPECT_EQ(first->exitCode(SIGTERM), 0);
    EXPECT_FALSE(QFile::exists(handOverSocketPath())) << "the instance stopped answering";
    EXPECT_EQ(home.stored("DocumentCount"), "5");
    EXPECT_EQ(home.stored("Document1"), server.url("/a"));
    EXPECT_EQ(QUrl(home.stored("Document3")).toLocalFile(), folder + "/my page.html");
    EXPECT_EQ(home.stored("Document5"), server.url("/target"));
}

// A killed instance leaves its lock and socket behind; the next start runs all the same, even
// when the lock was killed before a word of it was written.
TEST_F(ProgramTest, LeftoversOfAKilledInstanceDoNotStopTheNextStart) {
    auto first = startFirst("/a");
    EXPECT_EQ(first->exitCode(SIGKILL), -1);
    EXPECT_TRUE(QFile::exists(handOverSocketPath()));
    ASSERT_TRUE(test::writeFile(runtimeFolder() + '/' + lockName(), ""));
    auto next = startFirst("/b");
    ASSERT_EQ(test::handOverToRunning({server.url("/a")}), "");
    EXPECT_EQ(next->exitCode(SIGTERM), 0);
}

TEST_F(ProgramTest, HandOverThatNobodyTakesIsToldOnBothSides) {
    ASSERT_TRUE(QDir().mkdir(handOverSocketPath())); // the socket's place is taken
    auto first = startFirst("/a");
    Program second({server.url("/b")});
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.errors().contains("did not answer")) << second.errors();
    EXPECT_TRUE(first->errors().contains("cannot listen"));
    EXPECT_EQ(first->exitCode(SIGTERM), 0);
}

TEST_F(ProgramTest, CommandLineAnswersWithoutADisplay) {
    const QProcessEnvironment env = noDisplay();
    Program plain({server.url("/a")}, env);
    EXPECT_EQ(plain.exitCode(), 1);
    EXPECT_TRUE(plain.errors().contains("--screenshot")) << "says in one line how to run it";
    EXPECT_EQ(Program({"--no-such-option"}, env).exitCode(), 2);

    const QString bookmarks = home.root() + "/bookmarks.html";
    ASSERT_TRUE(test::writeFile(bookmarks,
                                "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><DT><A HREF="
                                "\"http://a/\">A</A><DT><A HREF=\"javascript:x\">J</A>"));
    Program import({"--import-favorites", bookmarks}, env);
    EXPECT_EQ(import.exitCode(), 0);
    EXPECT_EQ(import.output().trimmed(),
              "Added 1 favorite and 0 folders. Skipped: 1 javascript: or data: address.");
    EXPECT_TRUE(QFile::exists(dataFolder() + "/Favorites/A.url"));
    Program exported({"--export-favorites", home.root() + "/out.html"}, env);
    EXPECT_EQ(exported.exitCode(), 0);
    EXPECT_TRUE(test::readFile(home.root() + "/out.html").contains("\"http://a/\">A</A>"));
    Program unreadable({"--import-favorites", home.root() + "/none.html"}, env);
    EXPECT_EQ(unreadable.exitCode(), 1);
    EXPECT_TRUE(unreadable.errors().contains("none.html: cannot be read"));
    EXPECT_EQ(Program({"--export-favorites", home.root() + "/no/out.html"}, env).exitCode(), 1);
}

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

    Program run({"--screenshot", home.root() + "/shot.png"}, noDisplay());
    EXPECT_EQ(run.exitCode(), 0) << run.errors();
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
