#include "ui/menupictures.h"

#include "ui/menuimages.h"
#include "ui/themedpictures.h"

namespace kelvane {

namespace {

struct Picture {
    const char* key;
    ThemeNames names;
};

// clang-format off
const Picture kPictures[] = {
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
    // No standard name tells the second home page from the first: the theme's home with a "2".
    {"Home2", {nullptr, nullptr, nullptr}},
    {"Mail", {"mail-message-new", "internet-mail", "mail-unread"}},
    {"News", {"internet-news-reader", "application-rss+xml", nullptr}},
};
// clang-format on

const Picture* picture(const QString& key) {
    for (const Picture& entry : kPictures) {
        if (key == QLatin1String(entry.key))
            return &entry;
    }
    return nullptr;
}

QString resourceOf(const QString& key) {
    return QStringLiteral(":/icons/menu-") + key + QStringLiteral(".svg");
}

} // namespace

QIcon builtInMenuPicture(const QString& key) {
    return GetMenuImageIndex(key) < 0 ? QIcon() : builtInPicture(resourceOf(key));
}

QIcon menuPicture(const QString& key) {
    const Picture* entry = picture(key);
    if (!entry)
        return {};
    if (key == QLatin1String("Home2"))
        return themedSecondHome(picture(QStringLiteral("Home1"))->names, resourceOf(key));
    return themedPicture(entry->names, resourceOf(key));
}

} // namespace kelvane
