#pragma once

#include <QString>

#include <array>

namespace kelvane {

inline constexpr int kUserLinkCount = 10;

// One button of the sites toolbar.
struct UserLink {
    bool Enabled = false;
    QString SiteName;
    QString SiteURL;
};

// The application-wide record: the preferences read by the main window's load sequence and
// written back by its unload, plus run-time state shared between windows. The Options dialog
// edits it in place.
struct AppSettings {
    bool CleanOnExit;
    bool SaveAllOnExit;
    bool CheckIfDefault;
    bool MinimizeToTray;
    QString Password;
    QString Home1;
    QString Home2;
    QString Search;
    QString eMail;
    QString News;
    bool QuickNotesEnabled;
    bool QuickNotesBold;
    bool QuickNotesItalic;
    bool QuickNotesUnderline;
    QString QuickNotesFont;
    qint16 QuickNotesSize;
    qint32 QuickNotesColor;
    std::array<UserLink, kUserLinkCount> UserLinks; // entry i (1-based) at [i - 1]
    bool PopUpEnabled;
    bool IsNT = true;

    int OpenDocCount = 0; // run-time state: open document windows

    // Every field at its catalogue default, as on a first start.
    AppSettings();

    // The reads of the load sequence, each in the order the sequence reads its keys.
    void readGeneral(); // exit flags, tray, password, the five addresses, QuickNotesEnabled
    void readQuickNotesLook();
    void readUserLinks();
    void readPopUp();
    // Everything above, in the unload's order.
    void write() const;
};

// The one record of the process.
AppSettings& appSettings();

} // namespace kelvane
