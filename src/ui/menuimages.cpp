#include "ui/menuimages.h"

namespace kelvane {

namespace {

const char* const kKeys[] = {
    "Open",     "Options1", "Options",   "Home1",   "Find",    "New",  "Save",  "Copy",
    "Cut",      "Paste",    "Back",      "Forward", "Refresh", "Stop", "Print", "Source",
    "FontDown", "FontUp",   "Favorites", "Search",  "Home2",   "Mail", "News",
};

// "Options1" and "Refresh" are in the list but no item shows them.
const char* const kAssignments[][2] = {
    {"mnuFileNew", "New"},           {"mnuFileOpen", "Open"},
    {"mnuFileSaveAs", "Save"},       {"mnuFilePrint", "Print"},
    {"mnuEditCopy", "Copy"},         {"mnuEditCut", "Cut"},
    {"mnuEditPaste", "Paste"},       {"mnuEditIncFont", "FontUp"},
    {"mnuEditDecFont", "FontDown"},  {"mnuEditFind", "Find"},
    {"mnuNavigateBack", "Back"},     {"mnuNavigateForward", "Forward"},
    {"mnuNavigateStop", "Stop"},     {"mnuNavigateHome1", "Home1"},
    {"mnuNavigateHome2", "Home2"},   {"mnuNavigateMail", "Mail"},
    {"mnuNavigateSearch", "Search"}, {"mnuNavigateNews", "News"},
    {"mnuViewOptions", "Options"},   {"mnuViewInternetOptions", "Options"},
    {"mnuViewFav", "Favorites"},     {"mnuQSource", "Find"},
    {"mnuViewSource", "Source"},     {"mnuWindowNewWindow", "New"},
};

} // namespace

QStringList menuImageKeys() {
    QStringList keys;
    for (const char* key : kKeys)
        keys.append(QLatin1String(key));
    return keys;
}

int GetMenuImageIndex(const QString& key) {
    const int count = int(std::size(kKeys));
    for (int i = 0; i < count; ++i) {
        if (key == QLatin1String(kKeys[i]))
            return i;
    }
    return -1;
}

QList<MenuImageAssignment> menuImageAssignments() {
    QList<MenuImageAssignment> list;
    for (const auto& pair : kAssignments)
        list.append({QLatin1String(pair[0]), QLatin1String(pair[1])});
    return list;
}

} // namespace kelvane
