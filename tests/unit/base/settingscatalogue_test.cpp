#include "base/appsettings.h"
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
        SaveSetting(QStringLiteral("Kelvane"), QStringLiteral("Settings"), key, text);
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
    EXPECT_EQ(GetSetting(QStringLiteral("Kelvane"), QStringLiteral("Settings"),
                         QStringLiteral("MainMaximized"), {}),
              QStringLiteral("False"));
    EXPECT_EQ(GetSetting(QStringLiteral("Kelvane"), QStringLiteral("Settings"),
                         QStringLiteral("MainLeft"), {}),
              QStringLiteral("1234.5"));
}

TEST(AppSettingsDefaults, ConstructedAtTheFirstStartValues) {
    const AppSettings s;
    EXPECT_FALSE(s.CleanOnExit);
    EXPECT_TRUE(s.CheckIfDefault);
    EXPECT_EQ(s.Password, QString(""));
    EXPECT_EQ(s.Home1, QStringLiteral("https://www.yahoo.com/"));
    EXPECT_EQ(s.QuickNotesFont, QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(s.QuickNotesSize, 12);
    EXPECT_FALSE(s.UserLinks[9].Enabled);
    EXPECT_TRUE(s.PopUpEnabled);
    EXPECT_TRUE(s.IsNT);
}

AppSettings sampleSettings() {
    AppSettings s;
    s.CleanOnExit = true;
    s.SaveAllOnExit = true;
    s.CheckIfDefault = false;
    s.MinimizeToTray = true;
    s.Password = QStringLiteral(" p@ss,word; ");
    s.Home1 = QStringLiteral("https://one.example/");
    s.Home2 = QStringLiteral("https://two.example/");
    s.Search = QStringLiteral("https://search.example/");
    s.eMail = QStringLiteral("https://mail.example/");
    s.News = QStringLiteral("https://news.example/");
    s.QuickNotesEnabled = false;
    s.QuickNotesBold = true;
    s.QuickNotesItalic = true;
    s.QuickNotesUnderline = true;
    s.QuickNotesFont = QStringLiteral("DejaVu Sans");
    s.QuickNotesSize = 9;
    s.QuickNotesColor = 0x00123456;
    for (int i = 1; i <= kUserLinkCount; ++i) {
        s.UserLinks[i - 1] = {i % 2 == 0, QStringLiteral("Site %1").arg(i),
                              QStringLiteral("https://site%1.example/").arg(i)};
    }
    s.PopUpEnabled = false;
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
        expected << NumberedKey(QStringLiteral("CustomLink"), i, QStringLiteral("Enabled"))
                 << NumberedKey(QStringLiteral("CustomLink"), i, QStringLiteral("SiteName"))
                 << NumberedKey(QStringLiteral("CustomLink"), i, QStringLiteral("SiteURL"));
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
    EXPECT_EQ(read.CleanOnExit, written.CleanOnExit);
    EXPECT_EQ(read.SaveAllOnExit, written.SaveAllOnExit);
    EXPECT_EQ(read.CheckIfDefault, written.CheckIfDefault);
    EXPECT_EQ(read.MinimizeToTray, written.MinimizeToTray);
    EXPECT_EQ(read.Password, written.Password);
    EXPECT_EQ(read.Home1, written.Home1);
    EXPECT_EQ(read.Home2, written.Home2);
    EXPECT_EQ(read.Search, written.Search);
    EXPECT_EQ(read.eMail, written.eMail);
    EXPECT_EQ(read.News, written.News);
    EXPECT_EQ(read.QuickNotesEnabled, written.QuickNotesEnabled);
    EXPECT_EQ(read.QuickNotesBold, written.QuickNotesBold);
    EXPECT_EQ(read.QuickNotesItalic, written.QuickNotesItalic);
    EXPECT_EQ(read.QuickNotesUnderline, written.QuickNotesUnderline);
    EXPECT_EQ(read.QuickNotesFont, written.QuickNotesFont);
    EXPECT_EQ(read.QuickNotesSize, written.QuickNotesSize);
    EXPECT_EQ(read.QuickNotesColor, written.QuickNotesColor);
    for (int i = 0; i < kUserLinkCount; ++i) {
        EXPECT_EQ(read.UserLinks[i].Enabled, written.UserLinks[i].Enabled) << i;
        EXPECT_EQ(read.UserLinks[i].SiteName, written.UserLinks[i].SiteName) << i;
        EXPECT_EQ(read.UserLinks[i].SiteURL, written.UserLinks[i].SiteURL) << i;
    }
    EXPECT_EQ(read.PopUpEnabled, written.PopUpEnabled);
}

TEST_F(CatalogueTest, AppSettingsReadsAnEmptyStoreAsDefaults) {
    AppSettings s = sampleSettings();
    s.readGeneral();
    s.readQuickNotesLook();
    s.readUserLinks();
    s.readPopUp();
    const AppSettings defaults;
    EXPECT_EQ(s.CheckIfDefault, defaults.CheckIfDefault);
    EXPECT_EQ(s.Password, defaults.Password);
    EXPECT_EQ(s.Home1, defaults.Home1);
    EXPECT_EQ(s.QuickNotesEnabled, defaults.QuickNotesEnabled);
    EXPECT_EQ(s.QuickNotesFont, defaults.QuickNotesFont);
    EXPECT_EQ(s.QuickNotesSize, defaults.QuickNotesSize);
    EXPECT_EQ(s.UserLinks[1].Enabled, false);
    EXPECT_EQ(s.UserLinks[9].SiteURL, QString());
    EXPECT_EQ(s.PopUpEnabled, defaults.PopUpEnabled);
}

} // namespace
