#include "base/appsettings.h"

#include "base/settingscatalogue.h"
#include "base/textforms.h"

namespace kelvane {

namespace {

// Defaults come from the catalogue, so they are stated once.
bool defaultBool(const QString& key) {
    return forms::boolFromText(catalogueDefault(key)).value_or(false);
}

QString linkKey(int i, const char* suffix) {
    return NumberedKey(QStringLiteral("CustomLink"), i, QString::fromLatin1(suffix));
}

} // namespace

AppSettings::AppSettings()
    : CleanOnExit(defaultBool(QStringLiteral("CleanOnExit")))
    , SaveAllOnExit(defaultBool(QStringLiteral("SaveAllOnExit")))
    , CheckIfDefault(defaultBool(QStringLiteral("CheckIfDefault")))
    , MinimizeToTray(defaultBool(QStringLiteral("MinimizeToTray")))
    , Password(catalogueDefault(QStringLiteral("Password")))
    , Home1(catalogueDefault(QStringLiteral("Home1")))
    , Home2(catalogueDefault(QStringLiteral("Home2")))
    , Search(catalogueDefault(QStringLiteral("Search")))
    , eMail(catalogueDefault(QStringLiteral("eMail")))
    , News(catalogueDefault(QStringLiteral("News")))
    , QuickNotesEnabled(defaultBool(QStringLiteral("QuickNotesEnabled")))
    , QuickNotesBold(defaultBool(QStringLiteral("QuickNotesBold")))
    , QuickNotesItalic(defaultBool(QStringLiteral("QuickNotesItalic")))
    , QuickNotesUnderline(defaultBool(QStringLiteral("QuickNotesUnderline")))
    , QuickNotesFont(catalogueDefault(QStringLiteral("QuickNotesFont")))
    , QuickNotesSize(
          forms::int16FromText(catalogueDefault(QStringLiteral("QuickNotesSize"))).value_or(0))
    , QuickNotesColor(
          forms::int32FromText(catalogueDefault(QStringLiteral("QuickNotesColor"))).value_or(0))
    , PopUpEnabled(defaultBool(QStringLiteral("PopUpEnabled"))) {
    for (int i = 1; i <= kUserLinkCount; ++i) {
        UserLink& link = UserLinks[i - 1];
        link.Enabled = defaultBool(linkKey(i, "Enabled"));
        link.SiteName = catalogueDefault(linkKey(i, "SiteName"));
        link.SiteURL = catalogueDefault(linkKey(i, "SiteURL"));
    }
}

void AppSettings::readGeneral() {
    CleanOnExit = Settings::readBool(QStringLiteral("CleanOnExit"));
    SaveAllOnExit = Settings::readBool(QStringLiteral("SaveAllOnExit"));
    MinimizeToTray = Settings::readBool(QStringLiteral("MinimizeToTray"));
    CheckIfDefault = Settings::readBool(QStringLiteral("CheckIfDefault"));
    Password = Settings::readText(QStringLiteral("Password"));
    Home1 = Settings::readText(QStringLiteral("Home1"));
    Home2 = Settings::readText(QStringLiteral("Home2"));
    Search = Settings::readText(QStringLiteral("Search"));
    eMail = Settings::readText(QStringLiteral("eMail"));
    News = Settings::readText(QStringLiteral("News"));
    QuickNotesEnabled = Settings::readBool(QStringLiteral("QuickNotesEnabled"));
}

void AppSettings::readQuickNotesLook() {
    QuickNotesFont = Settings::readText(QStringLiteral("QuickNotesFont"));
    QuickNotesSize = Settings::readInt16(QStringLiteral("QuickNotesSize"));
    QuickNotesColor = Settings::readInt32(QStringLiteral("QuickNotesColor"));
    QuickNotesBold = Settings::readBool(QStringLiteral("QuickNotesBold"));
    QuickNotesItalic = Settings::readBool(QStringLiteral("QuickNotesItalic"));
    QuickNotesUnderline = Settings::readBool(QStringLiteral("QuickNotesUnderline"));
}

void AppSettings::readUserLinks() {
    for (int i = 1; i <= kUserLinkCount; ++i) {
        UserLink& link = UserLinks[i - 1];
        link.Enabled = Settings::readBool(linkKey(i, "Enabled"));
        link.SiteName = Settings::readText(linkKey(i, "SiteName"));
        link.SiteURL = Settings::readText(linkKey(i, "SiteURL"));
    }
}

void AppSettings::readPopUp() {
    PopUpEnabled = Settings::readBool(QStringLiteral("PopUpEnabled"));
}

void AppSettings::write() const {
    Settings::writeBool(QStringLiteral("CleanOnExit"), CleanOnExit);
    Settings::writeBool(QStringLiteral("SaveAllOnExit"), SaveAllOnExit);
    Settings::writeBool(QStringLiteral("MinimizeToTray"), MinimizeToTray);
    Settings::writeBool(QStringLiteral("CheckIfDefault"), CheckIfDefault);
    Settings::writeText(QStringLiteral("Password"), Password);
    Settings::writeText(QStringLiteral("Home1"), Home1);
    Settings::writeText(QStringLiteral("Home2"), Home2);
    Settings::writeText(QStringLiteral("Search"), Search);
    Settings::writeText(QStringLiteral("eMail"), eMail);
    Settings::writeText(QStringLiteral("News"), News);
    Settings::writeBool(QStringLiteral("QuickNotesEnabled"), QuickNotesEnabled);
    Settings::writeText(QStringLiteral("QuickNotesFont"), QuickNotesFont);
    Settings::writeInt16(QStringLiteral("QuickNotesSize"), QuickNotesSize);
    Settings::writeInt32(QStringLiteral("QuickNotesColor"), QuickNotesColor);
    Settings::writeBool(QStringLiteral("QuickNotesBold"), QuickNotesBold);
    Settings::writeBool(QStringLiteral("QuickNotesItalic"), QuickNotesItalic);
    Settings::writeBool(QStringLiteral("QuickNotesUnderline"), QuickNotesUnderline);
    for (int i = 1; i <= kUserLinkCount; ++i) {
        const UserLink& link = UserLinks[i - 1];
        Settings::writeBool(linkKey(i, "Enabled"), link.Enabled);
        Settings::writeText(linkKey(i, "SiteName"), link.SiteName);
        Settings::writeText(linkKey(i, "SiteURL"), link.SiteURL);
    }
    Settings::writeBool(QStringLiteral("PopUpEnabled"), PopUpEnabled);
}

AppSettings& appSettings() {
    static AppSettings instance;
    return instance;
}

} // namespace kelvane
