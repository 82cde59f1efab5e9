#include "platform/engine/enginesetup.h"

#include "platform/quietlog.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>

#include <algorithm>
#include <unistd.h>

namespace kelvane {

void prepareEngineEnvironment(bool quiet) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The engine describes its graphics set-up at every start, and pages write to their
    // console; that is for those who ask (QT_LOGGING_RULES="qt.webenginecontext.info=true" or
    // "js=true" still shows it).
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false\njs=false"));
    installQuietLog();
    // Chromium's own log (certificates it refused, handshakes that failed) goes straight to
    // stderr; only its fatal lines do unless "kelvane.engine" is on.
    if (!lcEngineLog().isInfoEnabled()) {
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("--log-level") && !flags.contains("--enable-logging"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.append(" --log-level=3").trimmed());
    }
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        if (!quiet)
            qCInfo(lcEngineLog, "running as root, so the page sandbox is off");
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
