// What a user keeps when the browser is closed the hard way: a signal while a page shows a
// script dialog, kills with "save all documents" on (in a row they make the next start ask), a
// kill or a close with Quick Notes.
#include "support/desktoptest.h"
#include "support/secondstart.h"

#include <QRandomGenerator>
#include <QTest>

#include <csignal>

using namespace kelvane;

namespace {

class CrashSafety : public test::DesktopTest {
protected:
    // kill -9: nothing of the program's own runs after it.
    void killProgram() {
        const QStringList pid = x.property(mainWindow(), "_NET_WM_PID");
        ASSERT_TRUE(pid.size() == 1 && pid.first().toInt() > 0) << pid.join(' ');
        ::kill(pid_t(pid.first().toInt()), SIGKILL);
        ASSERT_TRUE(x.waitFor([&] { return !x.isProgramRunning(); }));
    }
    QByteArray notesFile() const { return test::readFile(notesPath()); }
    QString notesPath() const { return home.dataHome() + "/Kelvane/notes.kvn"; }
    // The shrunk notes pane leaves only its show button, a small dark arrow at the left edge
    // of the main window: the middle of the dark pixels in that column, below the bars.
    QPoint showNotesButton() const {
        const QRect window = x.geometry(mainWindow());
        const QImage column = x.grab(QRect(window.left() + 7, window.top(), 1, window.height()));
        QList<int> dark;
        for (int y = 150; y < column.height() - 40; ++y) {
            if (qGray(column.pixel(0, y)) < 128)
                dark << y;
        }
        return dark.isEmpty() ? QPoint()
                              : QPoint(window.left() + 7, window.top() + dark[dark.size() / 2]);
    }
};

// Each round sets its own lasting cookie, opens a dialog and is closed by SIGTERM at a random
// moment while the dialog is up; a last run's page then reports every cookie it can read. The
// page reads its cookie back before the dialog: the engine sets it on its network thread a
// little later, and a read waits for that.
// --gtest_repeat gives a soak run.
TEST_F(CrashSafety, SignalWhileAPageDialogIsOpenEndsCleanlyAndKeepsTheCookies) {
    const QStringList dialogs = {"alert(1)", "confirm('sure?')", "prompt('name', 'x')"};
    for (int round = 0; round < dialogs.size(); ++round) {
        const QString path = QStringLiteral("/dialog%1").arg(round);
        server.addPage(path, QStringLiteral("<script>document.cookie='c%1=v; max-age=99999';"
                                            "setTimeout(() => document.cookie && %2, 300)</script>")
                                 .arg(round)
                                 .arg(dialogs[round]));
        ASSERT_TRUE(start({url(path)}));
        ASSERT_TRUE(x.waitFor([&] { return x.findWindow("^Javascript ") != 0; })) << round;
        QTest::qWait(QRandomGenerator::global()->bounded(1500));
        ASSERT_TRUE(stop()) << qPrintable(dialogs[round]);
    }

    server.addPage("/cookies", "<script>new Image().src = '/seen?' + document.cookie</script>");
    ASSERT_TRUE(start({url("/cookies")}));
    ASSERT_TRUE(x.waitFor([&] { return server.requestCount("/seen") > 0; }));
    const QString seen = server.requestLog().filter("/seen?").first();
    for (int round = 0; round < dialogs.size(); ++round)
        EXPECT_TRUE(seen.contains(QStringLiteral("c%1=v").arg(round))) << qPrintable(seen);
    ASSERT_TRUE(stop());
}

// Killed again twice with the same documents, the next start asks before it opens them; a clean
// close clears the count.
TEST_F(CrashSafety, KilledSessionReopensItsDocuments) {
    store("SaveAllOnExit", "True");
    ASSERT_TRUE(start({url("/a")}, "Page A"));
    for (const QString page : {"B", "C"}) {
        ASSERT_EQ(test::handOverToRunning({url('/' + page.toLower())}), "");
        ASSERT_TRUE(showsPage("Page " + page));
    }
    // Written a few seconds after the documents changed, with no close.
    ASSERT_TRUE(x.waitFor([&] { return stored("DocumentCount") == "3"; }));
    EXPECT_EQ(stored("Document1"), url("/a"));
    EXPECT_EQ(stored("Document3"), url("/c"));
    killProgram();

    for (int round = 2; round <= 3; ++round) {
        ASSERT_TRUE(start());
        EXPECT_TRUE(x.waitFor([&] { return server.requestCount("/c") == round; }))
            << qPrintable(server.requestLog().join(' '));
        // The others come back asleep, to load when first shown.
        EXPECT_TRUE(server.requestCount("/a") == 1 && server.requestCount("/b") == 1);
        killProgram();
    }
    x.startProgram(KELVANE_BINARY, {});
    test::XWindow chooser = 0;
    ASSERT_TRUE(x.waitFor([&] { return (chooser = x.findWindow("^Open Saved Documents")) != 0; }));
    EXPECT_EQ(server.requestCount("/c"), 3) << "nothing opens before the answer";
    x.activate(chooser);
    x.keys("Return");
    ASSERT_TRUE(x.waitFor([&] { return mainWindow() != 0; }));
    EXPECT_TRUE(x.waitFor([&] { return server.requestCount("/c") == 4; }));
    ASSERT_TRUE(stop());
    EXPECT_EQ(stored("Document1"), url("/a")) << "saved asleep";

    ASSERT_TRUE(start({}, "Page C"));
    EXPECT_EQ(x.findWindow("^Open Saved Documents"), 0u);
    ASSERT_TRUE(stop());
}

TEST_F(CrashSafety, NotesSurviveKillsAndClosesByteForByte) {
    QByteArray notes = "Milk, eggs\r\n\r\n\xC3\x9C"
                       "bermorgen: 5 \xE2\x82\xAC\r\nlast\r\n";
    for (int i = 0; i < 60; ++i) // a paragraph the box wraps stays one line
        notes += "word" + QByteArray::number(i) + (i < 59 ? " " : "\r\n");
    ASSERT_TRUE(test::writeFile(notesPath(), notes));
    placeMainWindow();
    for (const char* size : {"12", "20", "8"}) {
        const bool kill = size == QLatin1String("12");
        store("QuickNotesSize", size);
        ASSERT_TRUE(start({}, "Page A"));
        if (kill)
            killProgram();
        else
            ASSERT_TRUE(stop());
        EXPECT_EQ(notesFile(), notes) << (kill ? "killed" : "closed");
    }

    // Typed notes reach the file a few seconds after the last key, so a kill keeps them.
    ASSERT_TRUE(start({}, "Page A"));
    const QPoint show = showNotesButton();
    ASSERT_FALSE(show.isNull()) << "no show button at the left edge";
    x.click(show);
    // The white notes box comes over the red page beside the strip.
    const QPoint inBox = inMainWindow(140, 380);
    ASSERT_TRUE(
        x.waitFor([&] { return qGray(x.grab(QRect(inBox, QSize(1, 1))).pixel(0, 0)) > 240; }));
    x.click(inBox);
    x.keys("ctrl+End");
    x.type("typed here");
    const QByteArray typed = notes + "typed here\r\n";
    EXPECT_TRUE(x.waitFor([&] { return notesFile() == typed; }, 15'000)) << notesFile().data();
    killProgram();

    // Loaded at the next start, and written back unchanged by its close.
    ASSERT_TRUE(start({}, "Page A"));
    ASSERT_TRUE(stop());
    EXPECT_EQ(notesFile(), typed);
}

} // namespace
