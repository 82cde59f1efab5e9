#include "ui/toolbaricons.h"

#include "ui/themedpictures.h"

namespace kelvane {

namespace {

struct Picture {
    const char* key;
    ThemeNames themeNames;
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

QString resourceOf(const QString& key) {
    return QStringLiteral(":/icons/toolbar-") + key + QStringLiteral(".svg");
}

} // namespace

QStringList toolbarIconKeys() {
    QStringList keys;
    for (const Picture& p : kPictures)
        keys.append(QLatin1String(p.key));
    return keys;
}

QIcon builtInToolbarIcon(const QString& key) {
    return picture(key) ? builtInPicture(resourceOf(key)) : QIcon();
}

QIcon toolbarIcon(const QString& key) {
    const Picture* p = picture(key);
    if (!p)
        return {};
    if (key == QLatin1String("Home2"))
        return themedSecondHome(picture(QStringLiteral("Home"))->themeNames, resourceOf(key));
    return themedPicture(p->themeNames, resourceOf(key));
}

} // namespace kelvane
