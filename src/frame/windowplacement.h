#pragma once

#include <QHash>
#include <QObject>
#include <QRect>

#include <optional>

class QWidget;

namespace kelvane {

// Where the main window and the Navigator sit, kept in the settings in twips: "MainLeft",
// "MainTop", "MainWidth", "MainHeight", "MainMaximized" and the four "Navigator..." keys.
// Positions are frame positions and sizes are inner sizes, read and written alike, so a start
// and close cycle moves nothing; a value that did not change since it was read is written back
// exactly as read. A maximized or minimized main window is stored with the normal geometry it
// had before. Every geometry given back fits the free area of its screen.
class WindowPlacement : public QObject {
    Q_OBJECT
public:
    explicit WindowPlacement(QWidget* mainWindow);

    // Gives the main window its stored geometry and reads "MainMaximized".
    void restoreMainWindow();
    // The maximized state read, given once the window holds its first pages: setting a state
    // makes the native window.
    void applyStartState();
    // The Navigator's stored geometry; each key defaults to its current value.
    void restoreNavigator(QWidget* navigator);
    // Both windows' geometry (the close skips it while the main window is minimized).
    void saveGeometry(const QWidget* navigator);
    // "MainMaximized": true only for a maximized window that is not minimized.
    void saveMaximized();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How long the window manager is given to place a window before it is checked.
    static constexpr int kSettleMs = 100;

    void fitMainWindow();
    QRect readRect(const QString& prefix, std::optional<QRect> current);
    void writeRect(const QString& prefix, const QRect& rect);
    int read(const QString& key, Qt::Orientation along, std::optional<int> currentPixels);
    void write(const QString& key, Qt::Orientation along, int pixels);

    QWidget* m_window;
    // The last geometry the main window had in the normal state.
    QRect m_normalGeometry;
    bool m_startMaximized = false;
    // Positions as read (twips, pixels).
    QHash<QString, std::pair<float, int>> m_read;
};

} // namespace kelvane
