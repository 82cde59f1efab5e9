#include "base/stringtable.h"

#include "base/buildconfig.h"

#include <QTranslator>

#include <algorithm>
#include <array>
#include <string_view>

namespace kelvane {

namespace {

struct Entry {
    int id;
    std::u16string_view text;
};

// Sorted by identifier, so a lookup is a binary search over static data.
constexpr Entry kTable[] = {
    // Application
    {100, u"Kelvane"},
    {101, u"A multiple-document web browser for the Linux desktop, built on Qt and Qt "
          u"WebEngine by the Kelvane developers."},
    {102, u"Kelvane v" KELVANE_VERSION},
    {103, u"Warning: ..."},
    {104, u"Version"},
    {105, u"Application Title"},
    {106, u"App Description"},
    {107, u"v" KELVANE_VERSION},
    {109, u"Version " KELVANE_VERSION},
    // About box
    {500, u"About Kelvane"},
    {501, u"&OK"},
    // Menus
    {1000, u"&File"},
    {1001, u"&New"},
    {1002, u"&Open..."},
    {1003, u"&Close"},
    {1004, u"&Save"},
    {1005, u"Save &As..."},
    {1006, u"Save A&ll"},
    {1007, u"Propert&ies"},
    {1008, u"Page Set&up..."},
    {1009, u"Print Pre&view"},
    {1010, u"&Print..."},
    {1011, u"Sen&d..."},
    {1012, u"E&xit"},
    {1013, u"&Edit"},
    {1014, u"&Undo"},
    {1015, u"Cu&t\tCtrl+X"},
    {1016, u"&Copy\tCtrl+C"},
    {1017, u"&Paste\tCtrl+V"},
    {1018, u"Paste &Special..."},
    {1019, u"&View"},
    {1020, u"&Toolbar"},
    {1021, u"Status &Bar"},
    {1022, u"&Refresh"},
    {1023, u"&Options..."},
    {1024, u"&Web Browser"},
    {1025, u"&Window"},
    {1026, u"&New Window"},
    {1027, u"&Cascade"},
    {1028, u"Tile &Horizontal"},
    {1029, u"Tile &Vertical"},
    {1030, u"&Arrange Icons"},
    {1031, u"&Help"},
    {1032, u"&Contents"},
    {1033, u"&Search For Help On..."},
    {1034, u"&About "},
    // Standard commands, dialogs and samples
    {1035, u"New"},
    {1036, u"Open"},
    {1037, u"Save"},
    {1038, u"Print"},
    {1039, u"Cut"},
    {1040, u"Copy"},
    {1041, u"Paste"},
    {1042, u"Bold"},
    {1043, u"Italic"},
    {1044, u"Underline"},
    {1045, u"Align Left"},
    {1046, u"Center"},
    {1047, u"Align Right"},
    {1049, u"Company"},
    {1050, u"Warning"},
    {1051, u"Version"},
    {1052, u"Platform"},
    {1053, u"CompanyProduct"},
    {1054, u"Product"},
    {1056, u"Options"},
    {1057, u"Sample 1"},
    {1058, u"Sample 2"},
    {1059, u"Sample 3"},
    {1060, u"Sample 4"},
    {1061, u"&Apply"},
    {1062, u"Cancel"},
    {1063, u"OK"},
    {1064, u"About Project1"},
    {1065, u"&System Info..."},
    {1066, u"OK"},
    // Main window menus, toolbar buttons and tool tips
    {1067, u"Print Pre&view"},
    {1068, u"&Increase Font"},
    {1069, u"&Decrease Font"},
    {1070, u"&Reset Font"},
    {1071, u"Select A&ll\tCtrl+A"},
    {1072, u"&Find"},
    {1073, u"&Browse Toolbar"},
    {1074, u"&Sites Toolbar"},
    {1075, u"A&ddress Bar"},
    {1076, u"&Tabs Bar"},
    {1077, u"&Navigator"},
    {1078, u"&Favorites"},
    {1079, u"Add to Favorites"},
    {1080, u"Organize Favorites"},
    {1081, u"Tabs"},
    {1082, u"Shrink A&ll"},
    {1083, u"Shrink All but &Active"},
    {1084, u"&Reset All"},
    {1085, u"&Quick Search"},
    {1086, u"Sour&ce"},
    {1087, u"&Navigate"},
    {1088, u"&Back"},
    {1089, u"&Forward"},
    {1090, u"&Stop"},
    {1091, u"&Refresh"},
    {1092, u"Home &1"},
    {1093, u"Home &2"},
    {1094, u"&Mail"},
    {1095, u"Sear&ch"},
    {1096, u"&News"},
    {1097, u"Kelvane on the Web"},
    {1098, u"Kelvane Help"},
    {1099, u"&Blank Page"},
    {1100, u"Cu&rrent Page"},
    {1101, u"New"},
    {1102, u"Back"},
    {1103, u"Forward"},
    {1104, u"Refresh"},
    {1105, u"Stop"},
    {1106, u"Home"},
    {1107, u"New site"},
    {1108, u"Navigate to previous site"},
    {1109, u"Navigate to next site"},
    {1110, u"Reload current site"},
    {1111, u"Stop loading site"},
    {1112, u"Go to primary home page"},
    {1113, u"Mail"},
    {1114, u"Search"},
    {1115, u"News"},
    {1116, u"Load Mail site"},
    {1117, u"Load Search engine"},
    {1118, u"Load News page"},
    {1119, u"A&ddress"},
    {1120, u"Kelvane v" KELVANE_VERSION},
    {1122, u"Quick Notes"},
    {1123, u"Click to show Quick Notes"},
    {1124, u"Click to hide Quick Notes"},
    {1125, u"Double click to view options"},
    {1126, u"Double click to toggle popup-kill on/off"},
    {1127, u"Security Status"},
    {1128, u"&Internet Options"},
    {1129, u"Home"},
    {1130, u"Go to secondary home page"},
    // Default-browser question
    {1500, u"Association Checking..."},
    {1501,
     u"Kelvane "
     u"v" KELVANE_VERSION u" is not currently your default web browser, would you like to make it "
     u"the default browser for the web?"},
    {1502, u"Don't ask for this in the future."},
    {1503, u"&Yes"},
    {1504, u"&No"},
    {1505, u"Error in File Association Process"},
    // Favorites window
    {2000, u"Kelvane Favorites"},
    {2001, u"&Clipboard"},
    {2002, u"&Load"},
    {2003, u"&Done"},
    {2004, u"Favorite Name"},
    {2005, u"Favorite URL"},
    {2006, u"Favorites"},
    // Add to Favorites
    {2010, u"Add to Favorites"},
    {2011, u"&Name:"},
    {2012, u"Create &in:"},
    {2013, u"&New Folder..."},
    {2014, u"OK"},
    {2015, u"Cancel"},
    {2016, u"A favorite named \"%1\" already exists in this folder. Do you want to replace it?"},
    {2017, u"The favorite \"%1\" could not be saved."},
    // Organize Favorites
    {2020, u"Organize Favorites"},
    {2021, u"&Create Folder..."},
    {2022, u"&Rename..."},
    {2023, u"&Move to Folder..."},
    {2024, u"&Delete"},
    {2025, u"C&lose"},
    {2026, u"Are you sure you want to delete the favorite \"%1\"?"},
    {2027, u"Are you sure you want to delete the folder \"%1\" and everything in it?"},
    {2028, u"New Folder"},
    {2029, u"Folder name:"},
    {2030, u"New name:"},
    {2031, u"Move to Folder"},
    {2032, u"Choose the folder to move the selected item to:"},
    {2033, u"A favorite or folder named \"%1\" already exists there."},
    {2034, u"\"%1\" cannot be used as a name here."},
    {2035, u"\"%1\" could not be changed."},
    // Navigator
    {2500, u"Navigator"},
    {2501, u"Close"},
    {2502, u"Close selected site"},
    {2503, u"Site"},
    {2504, u"Status"},
    // Options dialog
    {3000, u"Options"},
    {3001, u"On Exit"},
    {3002, u"&Clean History"},
    {3003, u"Clean &Now"},
    {3004, u"&Save All Documents"},
    {3005, u"Minimize To &Tray"},
    {3006, u"&Password"},
    {3007, u"Con&firm"},
    {3008, u"Prompt to set Kelvane as your default Internet Browser"},
    {3009, u"General"},
    {3010, u"Sites"},
    {3011, u"Home &1:"},
    {3012, u"Home &2:"},
    {3013, u"&Search:"},
    {3014, u"&Mail:"},
    {3015, u"&News:"},
    {3016, u"Use &Current"},
    {3017, u"OK"},
    {3018, u"Cancel"},
    {3019, u"Tray"},
    {3020, u"Temporary Files, Cookies and History will be deleted, Proceed?"},
    {3021, u"Error passwords do NOT match, please type a correct password"},
    {3022, u"This desktop has no system tray, so minimizing keeps the window on the taskbar."},
    // Options dialog, user links
    {3200, u"Enabled"},
    {3201, u"Site &Name"},
    {3202, u"Site &URL"},
    {3203, u"If sites toolbar is not visible, you wont be able to get benifit of User Links.To "
           u"show the sites toolbar, check it from the \"View-Sites Toolbar\" menu."},
    // Password prompt
    {3500, u"Kelvane - Enter Password"},
    {3501, u"Please enter password:"},
    {3502, u"&Password"},
    {3503, u"OK"},
    {3504, u"Cancel"},
    {3505, u"Invalid Password, try again!"},
    // Options dialog, Quick Notes
    {3506, u"Kelvane Quick Notes"},
    {3507, u"&Enable Quick Notes"},
    {3508, u"Quick Notes Format"},
    {3509, u"Notes &Font"},
    {3510, u"Notes &Color"},
    {3511, u"..."},
    // Quick Search
    {4000, u"Quick Search"},
    {4001,
     u"Google is one of the most precise search engines nowadays. You can type any query for it."},
    {4002, u"Method"},
    {4003, u"Search"},
    // Downloads window, its texts and its question
    {5000, u"Kelvane Downloads"},
    {5001, u"&Pause"},
    {5002, u"&Resume"},
    {5003, u"&Cancel"},
    {5004, u"Re&try"},
    {5005, u"&Open"},
    {5006, u"Show in &Folder"},
    {5007, u"Re&move from List"},
    {5008, u"C&lear List"},
    {5009, u"Name"},
    {5010, u"Size"},
    {5011, u"Progress"},
    {5012, u"Speed"},
    {5013, u"Time Left"},
    {5014, u"%1 s left"},
    {5015, u"%1 min left"},
    {5016, u"%1 h %2 min left"},
    {5017, u"Downloads running: %1 (%2%)"},
    {5018, u"Downloads running: %1 (%2)"},
    {5019, u"Complete"},
    {5020, u"Cancelled"},
    {5021, u"Failed: %1"},
    {5022, u"Paused"},
    {5023, u"%1 of %2"},
    {5024, u"Save Download As"},
    {5025, u"Downloads are still running (%1). Closing Kelvane cancels them."},
    {5026, u"Cancel Downloads and &Close"},
    {5027, u"&Keep Kelvane Open"},
    {5028, u"The file is no longer there: %1"},
    {5029, u"&Downloads"},
    // Why a download failed
    {5030, u"the connection broke or the server closed it before the end"},
    {5031, u"the server took too long to answer"},
    {5032, u"the computer is off line"},
    {5033, u"the server could not be reached"},
    {5034, u"the server answered with an error"},
    {5035, u"the server asks for a sign-in"},
    {5036, u"the server refused to send the file"},
    {5037, u"the disk is full"},
    {5038, u"the folder or the file may not be written"},
    {5039, u"the file name is too long"},
    {5040, u"the file is too large for the disk"},
    {5041, u"the file could not be written"},
    {5042, u"the file was blocked"},
    {5043, u"an unknown error"},
    // What the status bar says when a download ends, and what the Downloads window adds
    {5044, u"Download complete: %1"},
    {5045, u"Download failed: %1 (%2)"},
    {5046, u"its name could not be given to it; the complete file is kept as %1"},
    {5047, u"No program was found to open %1"},
    // Options dialog, downloads
    {5050, u"Downloads"},
    {5051, u"&Ask where to save each file"},
    {5052, u"Save files &in:"},
    {5053, u"Choose the Download Folder"},
};

constexpr bool strictlyAscending() {
    return std::ranges::adjacent_find(kTable, [](const Entry& a, const Entry& b) {
               return a.id >= b.id;
           }) == std::end(kTable);
}
static_assert(strictlyAscending(), "the string table must stay sorted by identifier");

const QTranslator* tableTranslator = nullptr;

} // namespace

void setTableTranslator(const QTranslator* translator) {
    tableTranslator = translator;
}

std::optional<QString> findTableString(int id) {
    const auto it = std::ranges::lower_bound(kTable, id, {}, &Entry::id);
    if (it == std::end(kTable) || it->id != id)
        return std::nullopt;
    // The texts live in static storage for the life of the program: no copy needed.
    const QString english = QString::fromRawData(reinterpret_cast<const QChar*>(it->text.data()),
                                                 qsizetype(it->text.size()));
    if (tableTranslator) {
        const QString translated = tableTranslator->translate("StringTable", english.toUtf8());
        if (!translated.isEmpty())
            return translated;
    }
    return english;
}

QString tableString(int id) {
    return findTableString(id).value_or(QString());
}

QList<int> tableIdentifiers() {
    QList<int> ids;
    ids.reserve(qsizetype(std::size(kTable)));
    for (const Entry& entry : kTable)
        ids.append(entry.id);
    return ids;
}

} // namespace kelvane
