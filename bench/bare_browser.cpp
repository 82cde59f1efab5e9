// The floor of the start-up benchmark: one Qt WebEngine view in a window, nothing else. It
// starts the engine as the browser does and logs the same milestones at the same points.
#include "platform/engine/enginesetup.h"
#include "platform/trace.h"

#include <QApplication>
#include <QMainWindow>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

int main(int argc, char** argv) {
    kelvane::prepareEngineEnvironment(/*quiet=*/true);
    QApplication app(argc, argv);
    kelvane::chooseRendering();

    QMainWindow window;
    auto* view = new QWebEngineView(&window);
    // As in the browser: once the engine and its profile stand.
    kelvane::benchMarkOnce("engine profile created");
    window.setCentralWidget(view);
    window.resize(1024, 768);

    QObject::connect(view, &QWebEngineView::loadStarted, view,
                     [] { kelvane::benchMarkOnce("load started"); });
    QObject::connect(view->page(), &QWebEnginePage::contentsSizeChanged, view,
                     [] { kelvane::benchMarkOnce("first layout"); });
    bool loaded = false;
    QObject::connect(view, &QWebEngineView::loadFinished, view, [&loaded] {
        if (!loaded)
            kelvane::benchMark("first document loaded");
        loaded = true;
    });
    if (argc > 1) {
        kelvane::benchMarkOnce("navigation started");
        view->load(QUrl::fromUserInput(QString::fromLocal8Bit(argv[1])));
    }

    window.show();
    kelvane::benchMark("main window shown");
    return app.exec();
}
