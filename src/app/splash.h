#pragma once

#include <QWidget>

namespace kelvane {

// The splash window: logo, product name and version, for two seconds after the main window.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    static constexpr int kShowMilliseconds = 2000;

    // Shows a splash that closes and deletes itself after kShowMilliseconds.
    static SplashWindow* showFor(QWidget* over);
};

} // namespace kelvane
