#include "frame/windowplacement.h"

#include "base/settingscatalogue.h"
#include "platform/twips.h"

#include <QEvent>
#include <QWidget>

namespace kelvane {

namespace {

bool isNormal(const QWidget* window) {
    return !(window->windowState() &
             (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

} // namespace

WindowPlacement::WindowPlacement(QWidget* mainWindow)
    : QObject(mainWindow)
    , m_window(mainWindow) {
    mainWindow->installEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && isNormal(m_window)) {
        if (event->type() == QEvent::Move)
            m_normalGeometry.moveTopLeft(m_window->pos());
        else if (event->type() == QEvent::Resize)
            m_normalGeometry.setSize(m_window->size());
    }
    return QObject::eventFilter(watched, event);
}

int WindowPlacement::read(const QString& key, std::optional<int> currentPixels) {
    const double dpi = m_window->logicalDpiX();
    const float twips = currentPixels
                            ? Settings::readPosition(key, float(pixelsToTwips(*currentPixels, dpi)))
                            : Settings::readPosition(key);
    const int pixels = twipsToPixels(twips, dpi);
    m_read.insert(key, {twips, pixels});
    return pixels;
}

void WindowPlacement::write(const QString& key, int pixels) {
    const auto read = m_read.constFind(key);
    const float twips = read != m_read.cend() && read->second == pixels
                            ? read->first
                            : float(pixelsToTwips(pixels, m_window->logicalDpiX()));
    Settings::writePosition(key, twips);
}

QRect WindowPlacement::readRect(const QString& prefix, std::optional<QRect> current) {
    const auto value = [&](const char* name, int currentValue) {
        return read(prefix + QLatin1String(name),
                    current ? std::optional(currentValue) : std::nullopt);
    };
    const QRect c = current.value_or(QRect());
    const int left = value("Left", c.x());
    const int top = value("Top", c.y());
    const int width = value("Width", c.width());
    const int height = value("Height", c.height());
    return QRect(left, top, width, height);
}

void WindowPlacement::writeRect(const QString& prefix, const QRect& rect) {
    write(prefix + QLatin1String("Left"), rect.x());
    write(prefix + QLatin1String("Top"), rect.y());
    write(prefix + QLatin1String("Width"), rect.width());
    write(prefix + QLatin1String("Height"), rect.height());
}

void WindowPlacement::restoreMainWindow() {
    const QRect rect = readRect(QStringLiteral("Main"), std::nullopt);
    m_window->move(rect.topLeft());
    m_window->resize(rect.size());
    m_normalGeometry = rect;
    m_startMaximized = Settings::readBool(QStringLiteral("MainMaximized"));
}

void WindowPlacement::applyStartState() {
    if (m_startMaximized)
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
}

void WindowPlacement::restoreNavigator(QWidget* navigator) {
    const QRect rect =
        readRect(QStringLiteral("Navigator"), QRect(navigator->pos(), navigator->size()));
    navigator->move(rect.topLeft());
    navigator->resize(rect.size());
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
