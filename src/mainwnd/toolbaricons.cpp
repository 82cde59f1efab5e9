#include "mainwnd/toolbaricons.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace kelvane {

namespace {

struct Picture {
    const char* key;
    std::array<const char*, 3> themeNames; // freedesktop names, best first; null ends the list
};

// clang-format off
const Picture kPictures[] = {
    {"New", {"window-new", "document-new", nullptr}},
    {"Mail", {"mail-message-new", "internet-mail", "mail-unread"}},
    {"Search", {"system-search", "edit-find", nullptr}},
    {"Back", {"go-previous", nullptr, nullptr}},
    {"Forward", {"go-next", nullptr, nullptr}},
    {"Refresh", {"view-refresh", nullptr, nullptr}},
    {"Stop", {"process-stop", nullptr, nullptr}},
    {"News", {"internet-news-reader", "application-rss+xml", nullptr}},
    {"Home", {"go-home", nullptr, nullptr}},
    {"Link", {"insert-link", nullptr, nullptr}},
    {"Custom", {"text-html", "applications-internet", nullptr}},
    // No standard name tells the second home page from the first: the theme's home with a "2".
    {"Home2", {nullptr, nullptr, nullptr}},
};
// clang-format on

const Picture* picture(const QString& key) {
    for (const Picture& p : kPictures) {
        if (key == QLatin1String(p.key))
            return &p;
    }
    return nullptr;
}

QIcon themeIcon(const Picture& p) {
    for (const char* name : p.themeNames) {
        if (name && QIcon::hasThemeIcon(QLatin1String(name)))
            return QIcon::fromTheme(QLatin1String(name));
    }
    return {};
}

// The theme's home picture with a small numbered badge in its lower right corner.
QIcon secondHome(const QIcon& home) {
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

QStringList toolbarIconKeys() {
    QStringList keys;
    for (const Picture& p : kPictures)
        keys.append(QLatin1String(p.key));
    return keys;
}

QIcon builtInToolbarIcon(const QString& key) {
    if (!picture(key))
        return {};
    const QString path = QStringLiteral(":/icons/toolbar-") + key + QStringLiteral(".svg");
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QIcon toolbarIcon(const QString& key) {
    const Picture* p = picture(key);
    if (!p)
        return {};
    if (key == QLatin1String("Home2")) {
        if (const QIcon home = themeIcon(*picture(QStringLiteral("Home"))); !home.isNull())
            return secondHome(home);
    } else if (QIcon icon = themeIcon(*p); !icon.isNull()) {
        return icon;
    }
    return builtInToolbarIcon(key);
}

} // namespace kelvane
