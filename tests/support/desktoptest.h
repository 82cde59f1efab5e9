#pragma once

#include "support/httpserver.h"
#include "support/isolation.h"
#include "support/xsession.h"

#include <QColor>
#include <QDir>
#include <gtest/gtest.h>

#include <iostream>

namespace kelvane::test {

// The browser binary on a desktop of its own (Xvfb and openbox), with its own folders and
// settings file and pages "/a", "/b", "/c" titled "Page A", "Page B", "Page C" in red, green
// and blue. A failing test leaves a screenshot in the temporary folder.
class DesktopTest : public ::testing::Test {
protected:
    static constexpr QRgb kPageColours[] = {qRgb(200, 0, 0), qRgb(0, 160, 0), qRgb(0, 0, 200)};

    DesktopTest() {
        for (int i = 0; i < 3; ++i) {
            const QString letter = QString("ABC").mid(i, 1);
            server.addPage(
                '/' + letter.toLower(),
                htmlPage("Page " + letter, QStringLiteral("<style>body{background:%1}</style>")
                                               .arg(QColor(kPageColours[i]).name())));
        }
        store("Home1", url("/a"));
        store("CheckIfDefault", "False"); // no question on the way to the main window
    }
    void SetUp() override { ASSERT_TRUE(x.failure().isEmpty()) << "no desktop: " << x.failure(); }
    void TearDown() override { keepScreenshot(); }
    // After a failure, once: the screen as the failure left it, for a look.
    void keepScreenshot() {
        if (!HasFailure() || m_screenshotKept || !x.isProgramRunning())
            return;
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const QString shot = QDir::temp().filePath(
            QStringLiteral("kelvane-%1-%2.png").arg(test->test_suite_name(), test->name()));
        m_screenshotKept = x.grab().save(shot);
        std::cout << "screenshot: " << qPrintable(shot) << std::endl;
    }

    static QString stored(const QString& key) { return IsolatedHome::stored(key); }
    static void store(const QString& key, const QString& value) { IsolatedHome::store(key, value); }
    QString url(const QString& path) const { return server.url(path); }

    // Saved documents for the next start; the last one opens last and is active.
    void saveDocuments(const QStringList& paths) {
        store("SaveAllOnExit", "True");
        store("DocumentCount", QString::number(paths.size()));
        for (int i = 0; i < paths.size(); ++i)
            store(QStringLiteral("Document%1").arg(i + 1), url(paths[i]));
    }
    // A normal 800 x 600 main window at (100, 100): places inside it are then known.
    void placeMainWindow() {
        const char* values[] = {"MainMaximized", "False",     "MainLeft", "1500",       "MainTop",
                                "1500",          "MainWidth", "12000",    "MainHeight", "9000"};
        for (int i = 0; i < 10; i += 2)
            store(values[i], values[i + 1]);
    }

    // Starts the program and waits for its main window (titled for activePage when given).
    bool start(const QStringList& arguments = {}, const QString& activePage = {}) {
        x.startProgram(KELVANE_BINARY, arguments);
        if (!x.waitFor([&] { return mainWindow() != 0 && navigator() != 0; }))
            return false;
        x.activate(mainWindow()); // as a user's first look finds it
        navigatorSettled(3000);
        return activePage.isEmpty() || showsPage(activePage);
    }
    // The Navigator shrinks to its caption once the main window is active; tests that click
    // beside it or store its size wait for that.
    bool navigatorSettled(int ms) const {
        QRect last;
        return x.waitFor(
            [&] {
                const QRect now = x.geometry(navigator());
                const bool settled = now == last && now.height() <= 60;
                last = now;
                return settled;
            },
            ms);
    }
    bool stop() {
        keepScreenshot();
        const bool clean = x.stopProgram();
        if (!clean)
            std::cout << qPrintable(x.programErrors()) << std::endl;
        return clean;
    }

    XWindow mainWindow() const { return x.findWindow("^Kelvane v1\\.50"); }
    XWindow navigator() const { return x.findWindow("^Navigator"); }
    QString title() const { return x.title(mainWindow()); }
    // Waits until the main window's title names the page as the active one.
    bool showsPage(const QString& page, int ms = XSession::kWaitMs) const {
        return x.waitFor([&] { return title().endsWith('[' + page + ']'); }, ms);
    }
    // A point inside the main window, from its client area's top left corner.
    QPoint inMainWindow(int dx, int dy) const {
        return x.geometry(mainWindow()).topLeft() + QPoint(dx, dy);
    }
    // True when condition holds for the whole period.
    bool holds(const std::function<bool()>& condition, int ms = 1500) const {
        return !x.waitFor([&] { return !condition(); }, ms);
    }

    IsolatedHome home;
    TestHttpServer server;
    XSession x;

private:
    bool m_screenshotKept = false;
};

} // namespace kelvane::test
