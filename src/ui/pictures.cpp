#include "ui/pictures.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace kelvane {

namespace {

struct Entry {
    Picture picture;
    // Freedesktop names, best first; null ends the list.
    std::array<const char*, 3> themeNames;
    // Our own drawing under :/icons/.
    const char* builtIn;
};

// No standard name tells the second home page from the first: the two Home2 rows take the
// theme's home picture and add a "2" (see picture()).
// clang-format off
const Entry kTable[] = {
    {Picture::MenuOpen, {"document-open", "folder-open", nullptr}, "menu-Open"},
    {Picture::MenuOptions, {"preferences-system", "configure", "preferences-other"}, "menu-Options"},
    {Picture::MenuHome1, {"go-home", nullptr, nullptr}, "menu-Home1"},
    {Picture::MenuHome2, {"go-home", nullptr, nullptr}, "menu-Home2"},
    {Picture::MenuFind, {"edit-find", "system-search", nullptr}, "menu-Find"},
    {Picture::MenuNew, {"document-new", "window-new", nullptr}, "menu-New"},
    {Picture::MenuSave, {"document-save-as", "document-save", nullptr}, "menu-Save"},
    {Picture::MenuCopy, {"edit-copy", nullptr, nullptr}, "menu-Copy"},
    {Picture::MenuCut, {"edit-cut", nullptr, nullptr}, "menu-Cut"},
    {Picture::MenuPaste, {"edit-paste", nullptr, nullptr}, "menu-Paste"},
    {Picture::MenuBack, {"go-previous", nullptr, nullptr}, "menu-Back"},
    {Picture::MenuForward, {"go-next", nullptr, nullptr}, "menu-Forward"},
    {Picture::MenuStop, {"process-stop", nullptr, nullptr}, "menu-Stop"},
    {Picture::MenuPrint, {"document-print", nullptr, nullptr}, "menu-Print"},
    {Picture::MenuSource, {"text-html", "text-x-generic", nullptr}, "menu-Source"},
    {Picture::MenuFontDown, {"zoom-out", "format-font-size-less", nullptr}, "menu-FontDown"},
    {Picture::MenuFontUp, {"zoom-in", "format-font-size-more", nullptr}, "menu-FontUp"},
    {Picture::MenuFavorites, {"bookmarks", "user-bookmarks", "bookmark-new"}, "menu-Favorites"},
    {Picture::MenuHistory, {"view-history", "document-open-recent", nullptr}, "menu-History"},
    {Picture::MenuSearch, {"system-search", "edit-find", nullptr}, "menu-Search"},
    {Picture::MenuMail, {"mail-message-new", "internet-mail", "mail-unread"}, "menu-Mail"},
    {Picture::MenuNews, {"internet-news-reader", "application-rss+xml", nullptr}, "menu-News"},
    {Picture::ToolbarNew, {"window-new", "document-new", nullptr}, "toolbar-New"},
    {Picture::ToolbarBack, {"go-previous", nullptr, nullptr}, "toolbar-Back"},
    {Picture::ToolbarForward, {"go-next", nullptr, nullptr}, "toolbar-Forward"},
    {Picture::ToolbarRefresh, {"view-refresh", nullptr, nullptr}, "toolbar-Refresh"},
    {Picture::ToolbarStop, {"process-stop", nullptr, nullptr}, "toolbar-Stop"},
    {Picture::ToolbarHome, {"go-home", nullptr, nullptr}, "toolbar-Home"},
    {Picture::ToolbarHome2, {"go-home", nullptr, nullptr}, "toolbar-Home2"},
    {Picture::ToolbarMail, {"mail-message-new", "internet-mail", "mail-unread"}, "toolbar-Mail"},
    {Picture::ToolbarSearch, {"system-search", "edit-find", nullptr}, "toolbar-Search"},
    {Picture::ToolbarNews, {"internet-news-reader", "application-rss+xml", nullptr}, "toolbar-News"},
    {Picture::ToolbarUserLink, {"text-html", "applications-internet", nullptr}, "toolbar-Custom"},
    {Picture::AddressPage, {"text-html", nullptr, nullptr}, "address-page"},
    {Picture::AddressGo, {"go-jump", nullptr, nullptr}, "address-go"},
    {Picture::AddressGoNew, {"window-new", nullptr, nullptr}, "address-gonew"},
    {Picture::NavigatorNew, {"document-new", nullptr, nullptr}, "navigator-new"},
    {Picture::NavigatorClose, {"window-close", nullptr, nullptr}, "navigator-close"},
    {Picture::NavigatorRefresh, {"view-refresh", nullptr, nullptr}, "navigator-refresh"},
    {Picture::NavigatorStop, {"process-stop", nullptr, nullptr}, "navigator-stop"},
    {Picture::NavigatorPin, {"window-pin", "view-pin", nullptr}, "navigator-pin"},
    // Our own pictures only: these tell states of the program that no theme names.
    {Picture::StatusOptions, {nullptr, nullptr, nullptr}, "statusbar-options"},
    {Picture::StatusPopupsAllowed, {nullptr, nullptr, nullptr}, "statusbar-popups-allowed"},
    {Picture::StatusPopupsBlocked, {nullptr, nullptr, nullptr}, "statusbar-popups-blocked"},
    {Picture::StatusPopupKilled, {nullptr, nullptr, nullptr}, "statusbar-popup-killed"},
    {Picture::StatusSecure, {"security-high", "channel-secure", nullptr}, "statusbar-secure"},
    {Picture::StatusNotSecure, {"security-low", "channel-insecure", nullptr}, "statusbar-not-secure"},
    {Picture::Logo, {nullptr, nullptr, nullptr}, "kelvane"},
};
// clang-format on

const Entry& entryOf(Picture which) {
    for (const Entry& entry : kTable) {
        if (entry.picture == which)
            return entry;
    }
    Q_UNREACHABLE();
    return kTable[0];
}

QIcon themeIcon(const Entry& entry) {
    for (const char* name : entry.themeNames) {
        if (name && QIcon::hasThemeIcon(QLatin1String(name)))
            return QIcon::fromTheme(QLatin1String(name));
    }
    return {};
}

// The theme's home picture with a small "2" badge in its lower right corner.
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

QIcon builtInPicture(Picture which) {
    const QString resource =
        QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entryOf(which).builtIn));
    return QFile::exists(resource) ? QIcon(resource) : QIcon();
}

QIcon picture(Picture which) {
    const QIcon themed = themeIcon(entryOf(which));
    if (themed.isNull())
        return builtInPicture(which);
    if (which == Picture::MenuHome2 || which == Picture::ToolbarHome2)
        return withSecondBadge(themed);
    return themed;
}

} // namespace kelvane
