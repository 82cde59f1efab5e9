#include "base/appsettings.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "support/isolation.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(Catalogue, LookupFindsPlainAndNumberedKeys) {
    const char* const cases[][2] = {{"MainLeft", "MainLeft"},
                                    {"Document12", "Document#"},
                                    {"HistorySite3", "HistorySite#"},
                                    {"CustomLink10SiteURL", "CustomLink#SiteURL"},
                                    {"Document", ""},
                                    {"Document01", ""},
                                    {"CustomLink1", ""},
                                    {"CustomLink1x2SiteURL", ""},
                                    {"HistorySite-1", ""},
                                    {"mainleft", ""}};
    for (const auto& [key, family] : cases)
        EXPECT_EQ(catalogueEntry(key).value_or(CatalogueEntry{}).key, family) << key;
}

TEST(Catalogue, DamagedTextsReadAsTheDefault) {
    test::IsolatedHome home;
    EXPECT_EQ(Settings::readText("HistorySite4"), QStringLiteral("0"));
    EXPECT_EQ(Settings::readPosition("NavigatorLeft", 4321.5f), 4321.5f);
    EXPECT_FALSE(QFileInfo::exists(SettingsStore::filePath())) << "reading writes nothing";
    const char* const damaged[][2] = {{"MainMaximized", "maybe"}, {"SitesToolbarVisible", "yes"},
                                      {"MainLeft", "left"},       {"MainWidth", "1e40"},
                                      {"HistoryCount", "40000"},  {"QuickNotesSize", ""},
                                      {"QuickNotesColor", "red"}, {"BandWidth2", "1,5"}};
    for (const auto& [key, text] : damaged)
        writeSetting("Kelvane", "Settings", key, text);
    SettingsStore::reset();
    EXPECT_TRUE(Settings::readBool("MainMaximized"));
    EXPECT_FALSE(Settings::readBool("SitesToolbarVisible"));
    EXPECT_EQ(Settings::readPosition("MainLeft"), 1000.0f);
    EXPECT_EQ(Settings::readPosition("MainWidth"), 6500.0f);
    EXPECT_EQ(Settings::readInt16("HistoryCount"), 0);
    EXPECT_EQ(Settings::readInt16("QuickNotesSize"), 12);
    EXPECT_EQ(Settings::readInt32("QuickNotesColor"), 0);
    EXPECT_EQ(Settings::readPosition("BandWidth2"), 1000.0f);
    EXPECT_EQ(Settings::readPosition("MainLeft", 77.0f), 77.0f);
    EXPECT_FALSE(Settings::readBool("MainMaximized", false));
}

TEST(Catalogue, PreferencesRoundTripThroughTheFile) {
    test::IsolatedHome home;
    AppSettings written;
    written.cleanOnExit = written.saveAllOnExit = written.minimizeToTray = true;
    written.checkIfDefault = written.quickNotesEnabled = written.popUpEnabled = false;
    written.quickNotesBold = written.quickNotesItalic = written.quickNotesUnderline = true;
    written.password = " p@ss,word; ";
    written.home1 = "https://a.example/?x=1,2";
    written.home2 = "h2";
    written.search = "s";
    written.mail = "m";
    written.news = "n";
    written.quickNotesFont = "DejaVu Sans";
    written.quickNotesSize = -9;
    written.quickNotesColor = 0x00FF8040;
    for (int i = 0; i < kUserLinkCount; ++i)
        written.userLinks[i] = {i % 2 == 0, QString("Site %1").arg(i), QString("u%1").arg(i)};
    // What is read back writes the same texts, key by key.
    const auto writes = [](const AppSettings& s) {
        QStringList list;
        SettingsStore::setWriteObserver(
            [&](const QString&, const QString& k, const QString& v) { list << k + '=' + v; });
        s.write();
        SettingsStore::setWriteObserver({});
        return list;
    };
    const QStringList expected = writes(written);
    SettingsStore::reset();
    AppSettings read;
    read.readGeneral();
    read.readQuickNotesLook();
    read.readUserLinks();
    read.readPopUp();
    EXPECT_EQ(writes(read), expected);
    EXPECT_TRUE(expected.contains("CustomLink10SiteURL=u9") && expected.contains("eMail=m"));
}

} // namespace
