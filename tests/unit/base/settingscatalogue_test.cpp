#include "base/appsettings.h"
#include "base/passwordhash.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"

#include "support/isolation.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

class CatalogueTest : public ::testing::Test {
protected:
    test::IsolatedHome home;
    static void store(const QString& key, const QString& text) {
        writeSetting(QStringLiteral("Kelvane"), QStringLiteral("Settings"), key, text);
    }
};

TEST(Catalogue, KeysAreUniqueAndNumberedOnesCarryTheMark) {
    QSet<QString> keys;
    for (const CatalogueEntry& e : settingsCatalogue()) {
        EXPECT_FALSE(keys.contains(e.key)) << qPrintable(e.key);
        keys.insert(e.key);
        EXPECT_EQ(e.numbered, e.key.contains(QLatin1Char('#'))) << qPrintable(e.key);
    }
}

TEST(Catalogue, DefaultsConvertToTheirType) {
    // An empty default on a non-text key means "given at run time"; anything else must read.
    for (const CatalogueEntry& e : settingsCatalogue()) {
        if (e.type == SettingType::Text || e.defaultText.isEmpty())
            continue;
        bool ok = false;
        switch (e.type) {
        case SettingType::Boolean:
            ok = e.defaultText == QLatin1String("True") || e.defaultText == QLatin1String("False");
            break;
        case SettingType::Position:
        case SettingType::Int16:
        case SettingType::Int32:
            e.defaultText.toInt(&ok);
            break;
        case SettingType::Text:
            break;
        }
        EXPECT_TRUE(ok) << qPrintable(e.key);
    }
}

TEST(Catalogue, LookupFindsPlainAndNumberedKeys) {
    const struct {
        const char* key;
        const char* entry; // nullptr: not in the catalogue
    } cases[] = {
        {"MainLeft", "MainLeft"},
        {"DocumentCount", "DocumentCount"},
        {"Document1", "Document#"},
        {"Document12", "Document#"},
        {"HistorySite3", "HistorySite#"},
        {"CustomLink10SiteURL", "CustomLink#SiteURL"},
        {"CustomLink1Enabled", "CustomLink#Enabled"},
        {"CustomLink7SiteName", "CustomLink#SiteName"},
        {"BandRow2", "BandRow#"},
        {"BandWidth4", "BandWidth#"},
        {"QSearchSearchListItem5", "QSearchSearchListItem#"},
        {"QSearchSearchListCount", "QSearchSearchListCount"},
        {"Document", nullptr},
        {"Document01", nullptr},
        {"DocumentX", nullptr},
        {"CustomLinkEnabled", nullptr},
        {"CustomLink1", nullptr},
        {"CustomLink1x2SiteURL", nullptr},
        {"HistorySite-1", nullptr},
        {"mainleft", nullptr},
        {"Unknown", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<CatalogueEntry> e = catalogueEntry(QString::fromLatin1(c.key));
        if (c.entry) {
            ASSERT_TRUE(e.has_value()) << c.key;
            EXPECT_EQ(e->key, QString::fromLatin1(c.entry)) << c.key;
        } else {
            EXPECT_FALSE(e.has_value()) << c.key;
        }
    }
}

TEST_F(CatalogueTest, FirstStartValues) {
    // One key of each type, plain and numbered.
    EXPECT_EQ(Settings::readPosition(QStringLiteral("MainWidth")), 6500.0f);
    EXPECT_TRUE(Settings::readBool(QStringLiteral("MainMaximized")));
    EXPECT_FALSE(Settings::readBool(QStringLiteral("SitesToolbarVisible")));
    EXPECT_EQ(Settings::readText(QStringLiteral("NavigatorVisible")), QStringLiteral("True"));
    EXPECT_EQ(Settings::readInt16(QStringLiteral("QuickNotesSize")), 12);
    EXPECT_EQ(Settings::readText(QStringLiteral("HistorySite4")), QStringLiteral("0"));
    EXPECT_TRUE(Settings::readBool(QStringLiteral("BandRow2")));
    EXPECT_EQ(Settings::readPosition(QStringLiteral("BandWidth3")), 1000.0f);
    EXPECT_EQ(Settings::readText(QStringLiteral("QSearchSearchListItem1")), QString(""));

    // Keys whose default is known only at run time take it from the caller.
    EXPECT_EQ(Settings::readPosition(QStringLiteral("NavigatorLeft"), 4321.5f), 4321.5f);
    EXPECT_EQ(Settings::readPosition(QStringLiteral("QSearchTop"), 120.0f), 120.0f);
    EXPECT_EQ(Settings::readText(QStringLiteral("Document2"), QStringLiteral("https://home/")),
              QStringLiteral("https://home/"));

    // Reading wrote nothing.
    EXPECT_FALSE(QFileInfo::exists(SettingsStore::filePath()));
}

TEST_F(CatalogueTest, NavigatorNeedsExactTrueWhileBooleansAcceptAnyCase) {
    store(QStringLiteral("NavigatorVisible"), QStringLiteral("true"));
    store(QStringLiteral("BrowseToolbarVisible"), QStringLiteral("true"));
    EXPECT_NE(Settings::readText(QStringLiteral("NavigatorVisible")), QStringLiteral("True"));
    EXPECT_TRUE(Settings::readBool(QStringLiteral("BrowseToolbarVisible")));
}

TEST_F(CatalogueTest, TextsThatDoNotConvertReadAsTheDefault) {
    const struct {
        const char* key;
        const char* stored;
    } cases[] = {
        {"MainMaximized", "maybe"}, {"SitesToolbarVisible", "yes"}, {"MainLeft", "left"},
        {"MainWidth", "1e40"},      {"HistoryCount", "40000"},      {"QuickNotesSize", ""},
        {"QuickNotesColor", "red"}, {"BandWidth2", "1,5"},          {"PopUpEnabled", "nan"},
    };
    for (const auto& c : cases)
        store(QString::fromLatin1(c.key), QString::fromLatin1(c.stored));
    SettingsStore::reset();

    EXPECT_TRUE(Settings::readBool(QStringLiteral("MainMaximized")));
    EXPECT_FALSE(Settings::readBool(QStringLiteral("SitesToolbarVisible")));
    EXPECT_EQ(Settings::readPosition(QStringLiteral("MainLeft")), 1000.0f);
    EXPECT_EQ(Settings::readPosition(QStringLiteral("MainWidth")), 6500.0f);
    EXPECT_EQ(Settings::readInt16(QStringLiteral("HistoryCount")), 0);
    EXPECT_EQ(Settings::readInt16(QStringLiteral("QuickNotesSize")), 12);
    EXPECT_EQ(Settings::readInt32(QStringLiteral("QuickNotesColor")), 0);
    EXPECT_EQ(Settings::readPosition(QStringLiteral("BandWidth2")), 1000.0f);
    EXPECT_TRUE(Settings::readBool(QStringLiteral("PopUpEnabled")));
    // ... and so does a run-time default.
    EXPECT_EQ(Settings::readPosition(QStringLiteral("MainLeft"), 77.0f), 77.0f);
    EXPECT_FALSE(Settings::readBool(QStringLiteral("MainMaximized"), false));
}

TEST_F(CatalogueTest, TypedValuesRoundTripThroughTheFile) {
    Settings::writeBool(QStringLiteral("MainMaximized"), false);
    Settings::writePosition(QStringLiteral("MainLeft"), 1234.5f);
    Settings::writePosition(QStringLiteral("MainTop"), -15.0f);
    Settings::writeInt16(QStringLiteral("HistoryCount"), -32768);
    Settings::writeInt32(QStringLiteral("QuickNotesColor"), 0x00FF8040);
    Settings::writeText(QStringLiteral("Home1"), QStringLiteral("https://a.example/?x=1,2"));
    SettingsStore::reset();

    EXPECT_FALSE(Settings::readBool(QStringLiteral("MainMaximized")));
    EXPECT_EQ(Settings::readPosition(QStringLiteral("MainLeft")), 1234.5f);
    EXPECT_EQ(Settings::readPosition(QStringLiteral("MainTop")), -15.0f);
    EXPECT_EQ(Settings::readInt16(QStringLiteral("HistoryCount")), -32768);
    EXPECT_EQ(Settings::readInt32(QStringLiteral("QuickNotesColor")), 0x00FF8040);
    EXPECT_EQ(Settings::readText(QStringLiteral("Home1")),
              QStringLiteral("https://a.example/?x=1,2"));
    // The written forms are the documented ones.
    EXPECT_EQ(readSetting(QStringLiteral("Kelvane"), QStringLiteral("Settings"),
                          QStringLiteral("MainMaximized"), {}),
              QStringLiteral("False"));
    EXPECT_EQ(readSetting(QStringLiteral("Kelvane"), QStringLiteral("Settings"),
                          QStringLiteral("MainLeft"), {}),
              QStringLiteral("1234.5"));
}

TEST(AppSettingsDefaults, ConstructedAtTheFirstStartValues) {
    const AppSettings s;
    EXPECT_FALSE(s.cleanOnExit);
    EXPECT_TRUE(s.checkIfDefault);
    EXPECT_EQ(s.password, QString(""));
    EXPECT_EQ(s.home1, QStringLiteral("https://www.yahoo.com/"));
    EXPECT_EQ(s.quickNotesFont, QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(s.quickNotesSize, 12);
    EXPECT_FALSE(s.userLinks[9].enabled);
    EXPECT_TRUE(s.popUpEnabled);
}

AppSettings sampleSettings() {
    AppSettings s;
    s.cleanOnExit = true;
    s.saveAllOnExit = true;
    s.checkIfDefault = false;
    s.minimizeToTray = true;
    s.password = QStringLiteral(" p@ss,word; ");
    s.home1 = QStringLiteral("https://one.example/");
    s.home2 = QStringLiteral("https://two.example/");
    s.search = QStringLiteral("https://search.example/");
    s.mail = QStringLiteral("https://mail.example/");
    s.news = QStringLiteral("https://news.example/");
    s.quickNotesEnabled = false;
    s.quickNotesBold = true;
    s.quickNotesItalic = true;
    s.quickNotesUnderline = true;
    s.quickNotesFont = QStringLiteral("DejaVu Sans");
    s.quickNotesSize = 9;
    s.quickNotesColor = 0x00123456;
    for (int i = 1; i <= kUserLinkCount; ++i) {
        s.userLinks[i - 1] = {i % 2 == 0, QStringLiteral("Site %1").arg(i),
                              QStringLiteral("https://site%1.example/").arg(i)};
    }
    s.popUpEnabled = false;
    return s;
}

TEST_F(CatalogueTest, AppSettingsWritesInUnloadOrder) {
    QStringList keys;
    SettingsStore::setWriteObserver(
        [&](const QString& section, const QString& key, const QString&) {
            EXPECT_EQ(section, QStringLiteral("Settings"));
            keys << key;
        });
    sampleSettings().write();
    SettingsStore::setWriteObserver({});

    QStringList expected = {"CleanOnExit",
                            "SaveAllOnExit",
                            "MinimizeToTray",
                            "CheckIfDefault",
                            "Password",
                            "Home1",
                            "Home2",
                            "Search",
                            "eMail",
                            "News",
                            "QuickNotesEnabled",
                            "QuickNotesFont",
                            "QuickNotesSize",
                            "QuickNotesColor",
                            "QuickNotesBold",
                            "QuickNotesItalic",
                            "QuickNotesUnderline"};
    for (int i = 1; i <= kUserLinkCount; ++i) {
        expected << numberedKey(QStringLiteral("CustomLink"), i, QStringLiteral("Enabled"))
                 << numberedKey(QStringLiteral("CustomLink"), i, QStringLiteral("SiteName"))
                 << numberedKey(QStringLiteral("CustomLink"), i, QStringLiteral("SiteURL"));
    }
    expected << QStringLiteral("PopUpEnabled");
    EXPECT_EQ(keys, expected);
}

TEST_F(CatalogueTest, AppSettingsRoundTripThroughTheFile) {
    const AppSettings written = sampleSettings();
    written.write();
    SettingsStore::reset();

    AppSettings read;
    read.readGeneral();
    read.readQuickNotesLook();
    read.readUserLinks();
    read.readPopUp();
    EXPECT_EQ(read.cleanOnExit, written.cleanOnExit);
    EXPECT_EQ(read.saveAllOnExit, written.saveAllOnExit);
    EXPECT_EQ(read.checkIfDefault, written.checkIfDefault);
    EXPECT_EQ(read.minimizeToTray, written.minimizeToTray);
    // The password goes to the file hashed, never as typed.
    EXPECT_TRUE(passwordMatches(written.password, read.password));
    EXPECT_EQ(read.home1, written.home1);
    EXPECT_EQ(read.home2, written.home2);
    EXPECT_EQ(read.search, written.search);
    EXPECT_EQ(read.mail, written.mail);
    EXPECT_EQ(read.news, written.news);
    EXPECT_EQ(read.quickNotesEnabled, written.quickNotesEnabled);
    EXPECT_EQ(read.quickNotesBold, written.quickNotesBold);
    EXPECT_EQ(read.quickNotesItalic, written.quickNotesItalic);
    EXPECT_EQ(read.quickNotesUnderline, written.quickNotesUnderline);
    EXPECT_EQ(read.quickNotesFont, written.quickNotesFont);
    EXPECT_EQ(read.quickNotesSize, written.quickNotesSize);
    EXPECT_EQ(read.quickNotesColor, written.quickNotesColor);
    for (int i = 0; i < kUserLinkCount; ++i) {
        EXPECT_EQ(read.userLinks[i].enabled, written.userLinks[i].enabled) << i;
        EXPECT_EQ(read.userLinks[i].siteName, written.userLinks[i].siteName) << i;
        EXPECT_EQ(read.userLinks[i].siteUrl, written.userLinks[i].siteUrl) << i;
    }
    EXPECT_EQ(read.popUpEnabled, written.popUpEnabled);
}

TEST_F(CatalogueTest, AppSettingsReadsAnEmptyStoreAsDefaults) {
    AppSettings s = sampleSettings();
    s.readGeneral();
    s.readQuickNotesLook();
    s.readUserLinks();
    s.readPopUp();
    const AppSettings defaults;
    EXPECT_EQ(s.checkIfDefault, defaults.checkIfDefault);
    EXPECT_EQ(s.password, defaults.password);
    EXPECT_EQ(s.home1, defaults.home1);
    EXPECT_EQ(s.quickNotesEnabled, defaults.quickNotesEnabled);
    EXPECT_EQ(s.quickNotesFont, defaults.quickNotesFont);
    EXPECT_EQ(s.quickNotesSize, defaults.quickNotesSize);
    EXPECT_EQ(s.userLinks[1].enabled, false);
    EXPECT_EQ(s.userLinks[9].siteUrl, QString());
    EXPECT_EQ(s.popUpEnabled, defaults.popUpEnabled);
}

} // namespace
