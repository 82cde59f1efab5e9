#include "mainwnd/menupictures.h"

#include "mainwnd/menuimages.h"
#include "mainwnd/menus.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace kelvane {

namespace {

struct ThemeNames {
    const char* key;
    std::array<const char*, 3> names; // freedesktop names, best first; null ends the list
};

// clang-format off
const ThemeNames kThemeNames[] = {
    {"Open", {"document-open", "folder-open", nullptr}},
    {"Options1", {"preferences-other", "preferences-desktop", nullptr}},
    {"Options", {"preferences-system", "configure", "preferences-other"}},
    {"Home1", {"go-home", nullptr, nullptr}},
    {"Find", {"edit-find", "system-search", nullptr}},
    {"New", {"document-new", "window-new", nullptr}},
    {"Save", {"document-save-as", "document-save", nullptr}},
    {"Copy", {"edit-copy", nullptr, nullptr}},
    {"Cut", {"edit-cut", nullptr, nullptr}},
    {"Paste", {"edit-paste", nullptr, nullptr}},
    {"Back", {"go-previous", nullptr, nullptr}},
    {"Forward", {"go-next", nullptr, nullptr}},
    {"Refresh", {"view-refresh", nullptr, nullptr}},
    {"Stop", {"process-stop", nullptr, nullptr}},
    {"Print", {"document-print", nullptr, nullptr}},
    {"Source", {"text-html", "text-x-generic", nullptr}},
    {"FontDown", {"zoom-out", "format-font-size-less", nullptr}},
    {"FontUp", {"zoom-in", "format-font-size-more", nullptr}},
    {"Favorites", {"bookmarks", "user-bookmarks", "bookmark-new"}},
    {"Search", {"system-search", "edit-find", nullptr}},
    // No standard name tells the second home page from the first: see secondHome().
    {"Home2", {nullptr, nullptr, nullptr}},
    {"Mail", {"mail-message-new", "internet-mail", "mail-unread"}},
    {"News", {"internet-news-reader", "application-rss+xml", nullptr}},
};
// clang-format on

const ThemeNames* themeNames(const QString& key) {
    for (const ThemeNames& entry : kThemeNames) {
        if (key == QLatin1String(entry.key))
            return &entry;
    }
    return nullptr;
}

QIcon themeIcon(const ThemeNames& entry) {
    for (const char* name : entry.names) {
        if (name && QIcon::hasThemeIcon(QLatin1String(name)))
            return QIcon::fromTheme(QLatin1String(name));
    }
    return {};
}

// The theme's home picture with a small "2" badge in its lower right corner, so that Home 2
// matches Home 1 in a themed menu.
QIcon secondHome(const QIcon& home) {
    QIcon icon;
    for (const int size : {16, 22, 24, 32}) {
        QPixmap pixmap = home.pixmap(size, size);
        if (pixmap.isNull())
            continue;
        pixmap.setDevicePixelRatio(1.0);
        pixmap = pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal badge = size * 0.6;
        const QRectF circle(size - badge, size - badge, badge, badge);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x26, 0xa2, 0x69));
        painter.drawEllipse(circle);
        QFont font;
        font.setBold(true);
        font.setPixelSize(std::max(6, int(badge * 0.85)));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(circle, Qt::AlignCenter, QStringLiteral("2"));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon builtInMenuPicture(const QString& key) {
    if (GetMenuImageIndex(key) < 0)
        return {};
    const QString path = QStringLiteral(":/icons/menu-") + key + QStringLiteral(".svg");
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QIcon menuPicture(const QString& key) {
    const ThemeNames* entry = themeNames(key);
    if (!entry)
        return {};
    if (key == QLatin1String("Home2")) {
        if (const QIcon home = themeIcon(*themeNames(QStringLiteral("Home1"))); !home.isNull())
            return secondHome(home);
    } else if (QIcon icon = themeIcon(*entry); !icon.isNull()) {
        return icon;
    }
    return builtInMenuPicture(key);
}

void SetMenuImage(const MainMenus& menus, const QString& key, const QString& itemName) {
    QAction* item = menus.action(itemName);
    if (!item)
        return;
    item->setIcon(menuPicture(key));
    // Shown whatever the desktop's default for menu icons is: the pictures are part of the
    // menus' look.
    item->setIconVisibleInMenu(true);
}

void applyMenuImages(const MainMenus& menus) {
    QCoreApplication::setAttribute(Qt::AA_DontShowIconsInMenus, false);
    for (const MenuImageAssignment& assignment : menuImageAssignments())
        SetMenuImage(menus, assignment.key, assignment.item);
}

} // namespace kelvane
