#include "base/appsettings.h"

#include "base/passwordhash.h"
#include "base/settingscatalogue.h"
#include "base/textforms.h"

namespace kelvane {

namespace {

// Defaults come from the catalogue, so they are stated once.
bool defaultBool(const QString& key) {
    return boolFromText(catalogueDefault(key)).value_or(false);
}

QString linkKey(int i, const char* suffix) {
    return numberedKey(QStringLiteral("CustomLink"), i, QString::fromLatin1(suffix));
}

} // namespace

AppSettings::AppSettings()
    : cleanOnExit(defaultBool(QStringLiteral("CleanOnExit")))
    , saveAllOnExit(defaultBool(QStringLiteral("SaveAllOnExit")))
    , checkIfDefault(defaultBool(QStringLiteral("CheckIfDefault")))
    , minimizeToTray(defaultBool(QStringLiteral("MinimizeToTray")))
    , password(catalogueDefault(QStringLiteral("Password")))
    , home1(catalogueDefault(QStringLiteral("Home1")))
    , home2(catalogueDefault(QStringLiteral("Home2")))
    , search(catalogueDefault(QStringLiteral("Search")))
    , mail(catalogueDefault(QStringLiteral("eMail")))
    , news(catalogueDefault(QStringLiteral("News")))
    , quickNotesEnabled(defaultBool(QStringLiteral("QuickNotesEnabled")))
    , quickNotesBold(defaultBool(QStringLiteral("QuickNotesBold")))
    , quickNotesItalic(defaultBool(QStringLiteral("QuickNotesItalic")))
    , quickNotesUnderline(defaultBool(QStringLiteral("QuickNotesUnderline")))
    , quickNotesFont(catalogueDefault(QStringLiteral("QuickNotesFont")))
    , quickNotesSize(int16FromText(catalogueDefault(QStringLiteral("QuickNotesSize"))).value_or(0))
    , quickNotesColor(
          int32FromText(catalogueDefault(QStringLiteral("QuickNotesColor"))).value_or(0))
    , popUpEnabled(defaultBool(QStringLiteral("PopUpEnabled")))
    , downloadAskWhere(defaultBool(QStringLiteral("DownloadAskWhere")))
    , downloadFolder(catalogueDefault(QStringLiteral("DownloadFolder")))
    , documentSleep(catalogueDefault(QStringLiteral("DocumentSleep"))) {
    for (int i = 1; i <= kUserLinkCount; ++i) {
        UserLink& link = userLinks[i - 1];
        link.enabled = defaultBool(linkKey(i, "Enabled"));
        link.siteName = catalogueDefault(linkKey(i, "SiteName"));
        link.siteUrl = catalogueDefault(linkKey(i, "SiteURL"));
    }
}

void AppSettings::readGeneral() {
    cleanOnExit = Settings::readBool(QStringLiteral("CleanOnExit"));
    saveAllOnExit = Settings::readBool(QStringLiteral("SaveAllOnExit"));
    minimizeToTray = Settings::readBool(QStringLiteral("MinimizeToTray"));
    checkIfDefault = Settings::readBool(QStringLiteral("CheckIfDefault"));
    password = Settings::readText(QStringLiteral("Password"));
    home1 = Settings::readText(QStringLiteral("Home1"));
    home2 = Settings::readText(QStringLiteral("Home2"));
    search = Settings::readText(QStringLiteral("Search"));
    mail = Settings::readText(QStringLiteral("eMail"));
    news = Settings::readText(QStringLiteral("News"));
    quickNotesEnabled = Settings::readBool(QStringLiteral("QuickNotesEnabled"));
}

void AppSettings::readQuickNotesLook() {
    quickNotesFont = Settings::readText(QStringLiteral("QuickNotesFont"));
    quickNotesSize = Settings::readInt16(QStringLiteral("QuickNotesSize"));
    quickNotesColor = Settings::readInt32(QStringLiteral("QuickNotesColor"));
    quickNotesBold = Settings::readBool(QStringLiteral("QuickNotesBold"));
    quickNotesItalic = Settings::readBool(QStringLiteral("QuickNotesItalic"));
    quickNotesUnderline = Settings::readBool(QStringLiteral("QuickNotesUnderline"));
}

void AppSettings::readUserLinks() {
    for (int i = 1; i <= kUserLinkCount; ++i) {
        UserLink& link = userLinks[i - 1];
        link.enabled = Settings::readBool(linkKey(i, "Enabled"));
        link.siteName = Settings::readText(linkKey(i, "SiteName"));
        link.siteUrl = Settings::readText(linkKey(i, "SiteURL"));
    }
}

void AppSettings::readPopUp() {
    popUpEnabled = Settings::readBool(QStringLiteral("PopUpEnabled"));
}

void AppSettings::readDownloads() {
    downloadAskWhere = Settings::readBool(QStringLiteral("DownloadAskWhere"));
    downloadFolder = Settings::readText(QStringLiteral("DownloadFolder"));
}

void AppSettings::readDocumentSleep() {
    documentSleep = Settings::readText(QStringLiteral("DocumentSleep"));
}

void AppSettings::write() const {
    Settings::writeBool(QStringLiteral("CleanOnExit"), cleanOnExit);
    Settings::writeBool(QStringLiteral("SaveAllOnExit"), saveAllOnExit);
    Settings::writeBool(QStringLiteral("MinimizeToTray"), minimizeToTray);
    Settings::writeBool(QStringLiteral("CheckIfDefault"), checkIfDefault);
    // Never as typed: an older unhashed password is hashed on its way to the file.
    Settings::writeText(QStringLiteral("Password"), storedPasswordForm(password));
    Settings::writeText(QStringLiteral("Home1"), home1);
    Settings::writeText(QStringLiteral("Home2"), home2);
    Settings::writeText(QStringLiteral("Search"), search);
    Settings::writeText(QStringLiteral("eMail"), mail);
    Settings::writeText(QStringLiteral("News"), news);
    Settings::writeBool(QStringLiteral("QuickNotesEnabled"), quickNotesEnabled);
    Settings::writeText(QStringLiteral("QuickNotesFont"), quickNotesFont);
    Settings::writeInt16(QStringLiteral("QuickNotesSize"), quickNotesSize);
    Settings::writeInt32(QStringLiteral("QuickNotesColor"), quickNotesColor);
    Settings::writeBool(QStringLiteral("QuickNotesBold"), quickNotesBold);
    Settings::writeBool(QStringLiteral("QuickNotesItalic"), quickNotesItalic);
    Settings::writeBool(QStringLiteral("QuickNotesUnderline"), quickNotesUnderline);
    for (int i = 1; i <= kUserLinkCount; ++i) {
        const UserLink& link = userLinks[i - 1];
        Settings::writeBool(linkKey(i, "Enabled"), link.enabled);
        Settings::writeText(linkKey(i, "SiteName"), link.siteName);
        Settings::writeText(linkKey(i, "SiteURL"), link.siteUrl);
    }
    Settings::writeBool(QStringLiteral("PopUpEnabled"), popUpEnabled);
    Settings::writeBool(QStringLiteral("DownloadAskWhere"), downloadAskWhere);
    Settings::writeText(QStringLiteral("DownloadFolder"), downloadFolder);
    Settings::writeText(QStringLiteral("DocumentSleep"), documentSleep);
}

QFont AppSettings::notesBoxFont() const {
    QFont font(quickNotesFont);
    if (quickNotesSize > 0)
        font.setPointSize(quickNotesSize);
    font.setBold(quickNotesBold);
    font.setItalic(quickNotesItalic);
    font.setUnderline(quickNotesUnderline);
    return font;
}

QColor AppSettings::notesBoxColor() const {
    return QColor(quickNotesColor & 0xff, (quickNotesColor >> 8) & 0xff,
                  (quickNotesColor >> 16) & 0xff);
}

void AppSettings::setNotesBoxColor(const QColor& color) {
    quickNotesColor = qint32(color.red() | (color.green() << 8) | (color.blue() << 16));
}

AppSettings& appSettings() {
    static AppSettings instance;
    return instance;
}

} // namespace kelvane
