#include "ui/onscreen.h"

#include "base/screenfit.h"
#include "base/settingscatalogue.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace kelvane {

namespace {

QScreen* screenFor(const QRect& frame) {
    if (QScreen* screen = QGuiApplication::screenAt(frame.center()))
        return screen;
    QScreen* nearest = QGuiApplication::primaryScreen();
    qint64 shortest = std::numeric_limits<qint64>::max();
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        const QPoint inside(std::clamp(frame.center().x(), area.left(), area.right()),
                            std::clamp(frame.center().y(), area.top(), area.bottom()));
        const QPoint gap = inside - frame.center();
        const qint64 distance = qint64(gap.x()) * gap.x() + qint64(gap.y()) * gap.y();
        if (distance < shortest) {
            shortest = distance;
            nearest = screen;
        }
    }
    return nearest;
}

} // namespace

void keepOnScreen(QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QScreen* screen = screenFor(frame);
    if (!screen)
        return;
    const QRect fitted = fitIntoArea(frame, screen->availableGeometry());
    if (fitted == frame)
        return;
    // The frame around the window keeps its thickness.
    const QSize inner = window->size() - (frame.size() - fitted.size());
    if (inner != window->size())
        window->resize(inner.expandedTo(window->minimumSize()));
    window->move(fitted.topLeft());
}

namespace {

double screenScale(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

double logicalDpi(const QWidget* window, Qt::Orientation along) {
    return along == Qt::Horizontal ? window->logicalDpiX() : window->logicalDpiY();
}

} // namespace

double twipsOfPlace(const QWidget* window, int pixels, Qt::Orientation along) {
    return placeToTwips(pixels, logicalDpi(window, along), screenScale(window));
}

int pixelsOfPlace(const QWidget* window, double twips, Qt::Orientation along) {
    return placeFromTwips(twips, logicalDpi(window, along), screenScale(window));
}

int readPlace(const QWidget* window, const QString& key, Qt::Orientation along, int currentPixels) {
    const float current = float(twipsOfPlace(window, currentPixels, along));
    return pixelsOfPlace(window, Settings::readPosition(key, current), along);
}

void writePlace(const QWidget* window, const QString& key, Qt::Orientation along, int pixels) {
    Settings::writePosition(key, float(twipsOfPlace(window, pixels, along)));
}

} // namespace kelvane
