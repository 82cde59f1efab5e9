#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <array>

namespace kelvane {

inline constexpr int kUserLinkCount = 10;

// One button of the sites toolbar.
struct UserLink {
    bool enabled = false;
    QString siteName;
    QString siteUrl;
};

// The application-wide record of preferences: read by the main window's load sequence and
// written back by its unload. The Options dialog edits it in place.
struct AppSettings {
    bool cleanOnExit;
    bool saveAllOnExit;
    bool checkIfDefault;
    bool minimizeToTray;
    QString password; // as stored: a hash (base/passwordhash.h), or empty for none
    QString home1;
    QString home2;
    QString search;
    QString mail;
    QString news;
    bool quickNotesEnabled;
    bool quickNotesBold;
    bool quickNotesItalic;
    bool quickNotesUnderline;
    QString quickNotesFont;
    qint16 quickNotesSize;
    qint32 quickNotesColor;                         // 0x00BBGGRR
    std::array<UserLink, kUserLinkCount> userLinks; // entry i (1-based) at [i - 1]
    bool popUpEnabled;
    // Downloads: ask where to save each file, else save straight into downloadFolder (empty:
    // the desktop's download folder).
    bool downloadAskWhere;
    QString downloadFolder;
    // How long a document stays unseen before it sleeps, in the text form of SleepTimes.
    QString documentSleep;
    // Sites whose first page a new window may not open while popups are blocked. Kept in its
    // own file, read at start and written at exit by the main window.
    QStringList blockedSites;

    // Every field at its catalogue default, as on a first start.
    AppSettings();

    // The notes' font and text colour as the fields above describe them.
    QFont notesBoxFont() const;
    QColor notesBoxColor() const;
    void setNotesBoxColor(const QColor& color);

    // The reads of the load sequence, each in the order the sequence reads its keys.
    void readGeneral(); // exit flags, tray, password, the five addresses, QuickNotesEnabled
    void readQuickNotesLook();
    void readUserLinks();
    void readPopUp();
    void readDownloads();
    void readDocumentSleep();
    // Everything above, in the unload's order.
    void write() const;
};

// The one record of the process.
AppSettings& appSettings();

} // namespace kelvane
