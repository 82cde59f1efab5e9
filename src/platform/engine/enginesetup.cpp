#include "platform/engine/enginesetup.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace kelvane {

void prepareEngineEnvironment(bool quiet) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The engine describes its graphics set-up at every start; that is for those who ask
    // (QT_LOGGING_RULES="qt.webenginecontext.info=true" still shows it).
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        if (!quiet)
            std::fputs("kelvane: running as root, so the page sandbox is off\n", stderr);
    }
}

bool isSoftwareRenderer(QByteArrayView renderer) {
    // Mesa's llvmpipe and softpipe ("Software Rasterizer" in older releases), and Google's
    // SwiftShader.
    static constexpr const char* kNames[] = {"llvmpipe", "softpipe", "software rasterizer",
                                             "swiftshader"};
    const QByteArray lower = renderer.toByteArray().toLower();
    return std::ranges::any_of(kNames, [&](const char* name) { return lower.contains(name); });
}

void chooseRendering() {
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        return;
    // The context every window shares (AA_ShareOpenGLContexts) already stands; asking it costs
    // a small offscreen surface. No context at all: the engine finds its own way.
    QOpenGLContext* shared = QOpenGLContext::globalShareContext();
    if (!shared)
        return;
    QOffscreenSurface surface;
    surface.setFormat(shared->format());
    surface.create();
    if (!surface.isValid() || !shared->makeCurrent(&surface))
        return;
    const auto* renderer =
        reinterpret_cast<const char*>(shared->functions()->glGetString(GL_RENDERER));
    const bool software = renderer && isSoftwareRenderer(renderer);
    shared->doneCurrent();
    // Set for this process only: programs it starts (a mail client) choose for themselves.
    if (software)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

bool pagesNeedOpenGLWindows() {
    return QGuiApplication::platformName() != QLatin1String("offscreen") &&
           QQuickWindow::sceneGraphBackend() != QLatin1String("software");
}

} // namespace kelvane
