#pragma once

// What widget tests of the main window share: the window over fake engines, and the headers
// nearly every such test needs.
#include "bars/addresspanel.h"
#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "documents/tabbar.h"
#include "fakes/fakeengine.h"
#include "frame/mainbars.h"
#include "frame/mainwindow.h"
#include "frame/menus.h"
#include "navigator/navigatorwindow.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace kelvane::test {

// The main window loaded with a command line and shown. Pop-up menus that open while it lives
// are closed and counted, so a menu opened by mistake fails a test instead of blocking it.
struct TestWindow {
    explicit TestWindow(const QString& commandLine = QStringLiteral("http://one/")) {
        appSettings() = AppSettings();
        window.load(commandLine);
        window.show();
        QCoreApplication::processEvents(); // the Navigator shows once its owner is shown
        QObject::connect(&menuCloser, &QTimer::timeout, [this] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                ++menusShown;
                popup->close();
            }
        });
        menuCloser.start(20);
    }
    ~TestWindow() { window.close(); }

    DocumentArea& area() { return window.documentArea(); }
    DocumentSet& set() { return area().documents(); }
    DocumentWindow* doc(int docIndex) { return area().document(docIndex); }
    FakeEngine* engine(int docIndex) { return static_cast<FakeEngine*>(doc(docIndex)->engine()); }
    FakeEngine* active() { return static_cast<FakeEngine*>(area().activeDocument()->engine()); }
    void open(const QString& address) { window.openInNewDocument(address); }
    // Loads every document restored asleep.
    void wakeAll() {
        for (int i = 1; i <= area().count(); ++i)
            doc(i)->wake();
    }
    void closeAll() {
        while (area().count() > 0)
            doc(1)->closeDocument();
    }
    // Makes the window the active one, as a click on it would.
    bool activate() {
        QApplication::setActiveWindow(&window);
        const bool active = QTest::qWaitForWindowActive(&window);
        QCoreApplication::processEvents();
        return active;
    }

    FakeEngineFactory engines;
    MainWindow window{engines, nullptr};
    QTimer menuCloser;
    int menusShown = 0;
};

// A test of one browser run in its own home.
struct WindowTest : ::testing::Test {
    IsolatedHome home;
    TestWindow frame;
};

// Drags data over the middle of target and drops it there.
inline void drop(QWidget* target, const QMimeData& data) {
    const QPointF at = QRectF(target->rect()).center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &drop);
}

// One tick of an active timer, sent at once.
inline void tick(QTimer* timer) {
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

} // namespace kelvane::test
