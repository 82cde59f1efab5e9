#include "frame/windowplacement.h"

#include "base/screenfit.h"
#include "base/settingscatalogue.h"
#include "ui/onscreen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace kelvane {

namespace {

bool isNormal(const QWidget* window) {
    return !(window->windowState() &
             (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

// rect: a frame position with an inner size, as stored. The decorations count once the window
// has them; before it is shown they are not known yet, and the fit is made again then.
QRect fittedToScreen(const QWidget* window, const QRect& rect) {
    const QScreen* screen = QGuiApplication::screenAt(rect.center());
    if (!screen)
        screen = window->screen();
    if (!screen)
        return rect;
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins decorations(inner.left() - frame.left(), inner.top() - frame.top(),
                               frame.right() - inner.right(), frame.bottom() - inner.bottom());
    const QSize frameSize = rect.size().grownBy(decorations);
    const QRect fitted = fitIntoArea(QRect(rect.topLeft(), frameSize), screen->availableGeometry());
    return QRect(fitted.topLeft(), fitted.size().shrunkBy(decorations));
}

void placeWindow(QWidget* window, const QRect& rect) {
    window->move(rect.topLeft());
    window->resize(rect.size());
}

} // namespace

WindowPlacement::WindowPlacement(QWidget* mainWindow)
    : QObject(mainWindow)
    , m_window(mainWindow) {
    mainWindow->installEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window)
        return QObject::eventFilter(watched, event);
    if (isNormal(m_window)) {
        if (event->type() == QEvent::Move)
            m_normalGeometry.moveTopLeft(m_window->pos());
        else if (event->type() == QEvent::Resize)
            m_normalGeometry.setSize(m_window->size());
    }
    // Coming back to the normal state (or showing in it), the window takes the geometry it had
    // there, which may be larger than this screen; the window manager places it first, and
    // then its decorations are known.
    const bool toNormal = event->type() == QEvent::WindowStateChange &&
                          (static_cast<QWindowStateChangeEvent*>(event)->oldState() &
                           (Qt::WindowMaximized | Qt::WindowFullScreen));
    if ((toNormal || event->type() == QEvent::Show) && isNormal(m_window))
        QTimer::singleShot(kSettleMs, this, &WindowPlacement::fitMainWindow);
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::fitMainWindow() {
    if (!isNormal(m_window) || !m_window->isVisible())
        return;
    const QRect current(m_window->pos(), m_window->size());
    const QRect fitted = fittedToScreen(m_window, current);
    if (fitted != current)
        placeWindow(m_window, fitted);
}

int WindowPlacement::read(const QString& key, Qt::Orientation along,
                          std::optional<int> currentPixels) {
    const float twips =
        currentPixels
            ? Settings::readPosition(key, float(twipsOfPlace(m_window, *currentPixels, along)))
            : Settings::readPosition(key);
    const int pixels = pixelsOfPlace(m_window, twips, along);
    m_read.insert(key, {twips, pixels});
    return pixels;
}

void WindowPlacement::write(const QString& key, Qt::Orientation along, int pixels) {
    const auto read = m_read.constFind(key);
    const float twips = read != m_read.cend() && read->second == pixels
                            ? read->first
                            : float(twipsOfPlace(m_window, pixels, along));
    Settings::writePosition(key, twips);
}

QRect WindowPlacement::readRect(const QString& prefix, std::optional<QRect> current) {
    const auto value = [&](const char* name, Qt::Orientation along, int currentValue) {
        return read(prefix + QLatin1String(name), along,
                    current ? std::optional(currentValue) : std::nullopt);
    };
    const QRect c = current.value_or(QRect());
    const int left = value("Left", Qt::Horizontal, c.x());
    const int top = value("Top", Qt::Vertical, c.y());
    const int width = value("Width", Qt::Horizontal, c.width());
    const int height = value("Height", Qt::Vertical, c.height());
    return QRect(left, top, width, height);
}

void WindowPlacement::writeRect(const QString& prefix, const QRect& rect) {
    write(prefix + QLatin1String("Left"), Qt::Horizontal, rect.x());
    write(prefix + QLatin1String("Top"), Qt::Vertical, rect.y());
    write(prefix + QLatin1String("Width"), Qt::Horizontal, rect.width());
    write(prefix + QLatin1String("Height"), Qt::Vertical, rect.height());
}

void WindowPlacement::restoreMainWindow() {
    const QRect rect = fittedToScreen(m_window, readRect(QStringLiteral("Main"), std::nullopt));
    placeWindow(m_window, rect);
    m_normalGeometry = rect;
    m_startMaximized = Settings::readBool(QStringLiteral("MainMaximized"));
}

void WindowPlacement::applyStartState() {
    if (m_startMaximized)
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
}

void WindowPlacement::restoreNavigator(QWidget* navigator) {
    placeWindow(navigator,
                fittedToScreen(navigator, readRect(QStringLiteral("Navigator"),
                                                   QRect(navigator->pos(), navigator->size()))));
}

void WindowPlacement::saveGeometry(const QWidget* navigator) {
    writeRect(QStringLiteral("Main"), m_normalGeometry);
    writeRect(QStringLiteral("Navigator"), QRect(navigator->pos(), navigator->size()));
}

void WindowPlacement::saveMaximized() {
    const Qt::WindowStates state = m_window->windowState();
    Settings::writeBool(QStringLiteral("MainMaximized"),
                        (state & Qt::WindowMaximized) && !(state & Qt::WindowMinimized));
}

} // namespace kelvane
