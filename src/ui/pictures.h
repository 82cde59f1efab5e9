#pragma once

#include <QIcon>

namespace kelvane {

// Every picture the windows show, from one table: the desktop's icon theme where it has a
// fitting standard icon, else our own drawing compiled in.
enum class Picture {
    // Menu items.
    MenuOpen,
    MenuOptions,
    MenuHome1,
    MenuHome2,
    MenuFind,
    MenuNew,
    MenuSave,
    MenuCopy,
    MenuCut,
    MenuPaste,
    MenuBack,
    MenuForward,
    MenuStop,
    MenuPrint,
    MenuSource,
    MenuFontDown,
    MenuFontUp,
    MenuFavorites,
    MenuHistory,
    MenuSearch,
    MenuMail,
    MenuNews,
    // Toolbar buttons.
    ToolbarNew,
    ToolbarBack,
    ToolbarForward,
    ToolbarRefresh,
    ToolbarStop,
    ToolbarHome,
    ToolbarHome2,
    ToolbarMail,
    ToolbarSearch,
    ToolbarNews,
    ToolbarUserLink,
    // The address bar: an entry of the typed history, Go and Go in a new document.
    AddressPage,
    AddressGo,
    AddressGoNew,
    // The Navigator's buttons and its pin.
    NavigatorNew,
    NavigatorClose,
    NavigatorRefresh,
    NavigatorStop,
    NavigatorPin,
    // The status bar's panels.
    StatusOptions,
    StatusPopupsAllowed,
    StatusPopupsBlocked,
    StatusPopupKilled,
    StatusSecure,
    StatusNotSecure,
    // The program itself.
    Logo,
};

// A null icon only when neither the theme nor our resources have the picture.
QIcon picture(Picture which);

// Our own drawing, whatever the theme has.
QIcon builtInPicture(Picture which);

// The tab pictures, by load state: 0/2/4/6 loading by quarters (0-24 %, 25-49 %, 50-74 %,
// 75-99 %), 8 loaded, 10 the bright phase of the flash after a background load; each odd index
// is the picture before it in the compact look of a shrunk tab. Null outside 0..11.
inline constexpr int kTabPictureCount = 12;
QIcon tabPicture(int state);

} // namespace kelvane
