#include "ui/themedpictures.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace kelvane {

namespace {

QIcon themeIcon(const ThemeNames& names) {
    for (const char* name : names) {
        if (name && QIcon::hasThemeIcon(QLatin1String(name)))
            return QIcon::fromTheme(QLatin1String(name));
    }
    return {};
}

QIcon withSecondBadge(const QIcon& home) {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48}) {
        QPixmap pixmap = home.pixmap(size, size);
        if (pixmap.isNull())
            continue;
        pixmap.setDevicePixelRatio(1.0);
        pixmap = pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal badge = size * 0.55;
        const QRectF circle(size - badge, size - badge, badge, badge);
        painter.setPen(QPen(QColor(0x1a, 0x5f, 0xb4), std::max(1.0, size / 16.0)));
        painter.setBrush(QColor(0x35, 0x84, 0xe4));
        painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
        QFont font;
        font.setBold(true);
        font.setPixelSize(std::max(6, int(badge * 0.8)));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(circle, Qt::AlignCenter, QStringLiteral("2"));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon builtInPicture(const QString& resource) {
    return QFile::exists(resource) ? QIcon(resource) : QIcon();
}

QIcon themedPicture(const ThemeNames& names, const QString& builtInResource) {
    if (QIcon icon = themeIcon(names); !icon.isNull())
        return icon;
    return builtInPicture(builtInResource);
}

QIcon themedSecondHome(const ThemeNames& homeNames, const QString& builtInResource) {
    if (const QIcon home = themeIcon(homeNames); !home.isNull())
        return withSecondBadge(home);
    return builtInPicture(builtInResource);
}

} // namespace kelvane
