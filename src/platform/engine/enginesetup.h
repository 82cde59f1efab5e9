#pragma once

#include <QByteArrayView>

namespace kelvane {

// Runs before the QApplication exists. The engine's sandbox cannot run as root, so it is
// switched off there (said in the "kelvane.engine" logging category unless quiet); a normal
// user keeps it. The libraries' chatter goes to logging categories that are off (quietlog.h).
void prepareEngineEnvironment(bool quiet = false);

// Runs once the QApplication exists, before the first page. Where the only OpenGL is a
// software rasterizer (a virtual machine, a virtual or remote display), emulating a graphics
// card costs several times more than drawing in software, so pages and windows are drawn in
// software there, as Chromium does without a usable card. QT_QUICK_BACKEND, when set, decides
// instead.
void chooseRendering();

// Whether windows that show pages are composed with OpenGL: pages drawn by a graphics card
// reach their window as textures; pages drawn in software, or off the screen, do not.
bool pagesNeedOpenGLWindows();

// Whether an OpenGL renderer string names a software rasterizer.
bool isSoftwareRenderer(QByteArrayView renderer);

} // namespace kelvane
