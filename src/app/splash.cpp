#include "app/splash.h"

#include "ui/captions.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace kelvane {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("splash"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    auto* product = new QLabel(QStringLiteral("100"), frame);
    product->setObjectName(QStringLiteral("productName"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    product->setFont(big);
    auto* version = new QLabel(QStringLiteral("109"), frame);
    version->setObjectName(QStringLiteral("version"));

    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(24, 24, 24, 24);
    inner->addWidget(logo, 0, Qt::AlignHCenter);
    inner->addWidget(product, 0, Qt::AlignHCenter);
    inner->addWidget(version, 0, Qt::AlignHCenter);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    applyCaptions(this);
    QTimer::singleShot(kShowMilliseconds, this, &QWidget::close);
}

SplashWindow* SplashWindow::showFor(QWidget* over) {
    auto* splash = new SplashWindow;
    splash->adjustSize();
    const QRect area = over && over->isVisible() ? over->frameGeometry()
                                                 : QApplication::primaryScreen()->geometry();
    splash->move(area.center() - splash->rect().center());
    splash->show();
    return splash;
}

} // namespace kelvane
