#include "base/appsettings.h"
#include "base/pagecolours.h"
#include "base/passwordhash.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "support/isolation.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TEST(Catalogue, DamagedTextsReadAsTheDefault) {
    test::IsolatedHome home;
    EXPECT_EQ(Settings::readText("HistorySite4"), QStringLiteral("0"));
    EXPECT_EQ(Settings::readPosition("NavigatorLeft", 4321.5f), 4321.5f);
    EXPECT_FALSE(QFileInfo::exists(SettingsStore::filePath())) << "reading writes nothing";
    const char* const damaged[][2] = {{"MainMaximized", "maybe"}, {"SitesToolbarVisible", "yes"},
                                      {"MainLeft", "left"},       {"MainWidth", "1e40"},
                                      {"HistoryCount", "40000"},  {"QuickNotesSize", ""}};
    for (const auto& [key, text] : damaged)
        writeSetting("Kelvane", "Settings", key, text);
    SettingsStore::reset();
    EXPECT_TRUE(Settings::readBool("MainMaximized"));
    EXPECT_FALSE(Settings::readBool("SitesToolbarVisible"));
    EXPECT_EQ(Settings::readPosition("MainLeft"), 1000.0f);
    EXPECT_EQ(Settings::readPosition("MainWidth"), 6500.0f);
    EXPECT_EQ(Settings::readInt16("HistoryCount"), 0);
    EXPECT_EQ(Settings::readInt16("QuickNotesSize"), 12);
}

TEST(Catalogue, PreferencesAreWrittenBackAsRead) {
    test::IsolatedHome home;
    // A text other than the default for each kind of preference.
    // clang-format off
    const QStringList stored = {
        "CleanOnExit=True", "MinimizeToTray=True", "CheckIfDefault=False", "Password= p,w; ",
        "Home1=https://a/?x=1,2", "eMail=m", "QuickNotesFont=DejaVu Sans", "QuickNotesSize=-9",
        "QuickNotesColor=16744512", "CustomLink10Enabled=True", "CustomLink10SiteName=Ten",
        "CustomLink3SiteURL=u3", "PopUpEnabled=False"};
    // clang-format on
    for (const QString& setting : stored)
        writeSetting("Kelvane", "Settings", setting.section('=', 0, 0), setting.section('=', 1));
    SettingsStore::reset();
    AppSettings read;
    read.readGeneral();
    read.readQuickNotesLook();
    read.readUserLinks();
    read.readPopUp();
    QStringList written;
    SettingsStore::setWriteObserver(
        [&](const QString&, const QString& k, const QString& v) { written << k + '=' + v; });
    read.write();
    SettingsStore::setWriteObserver({});
    for (const QString& setting : stored)
        EXPECT_TRUE(setting.startsWith("Password=") || written.contains(setting)) << setting;
    // An older password stored as typed goes back hashed, and still matches.
    const QString password = written.filter(QRegularExpression("^Password=")).value(0).mid(9);
    EXPECT_NE(password, " p,w; ");
    EXPECT_TRUE(passwordMatches(" p,w; ", password));
}

TEST(PageColours, AChoiceWaitsForTheNextStartOnlyWhenItWouldChangeThePages) {
    using P = PageColours;
    // pages started dark, chosen now, desktop dark now, the choice waits for a start
    const std::tuple<bool, P, bool, bool> cases[] = {
        {false, P::Desktop, false, false}, {false, P::Desktop, true, true},
        {false, P::Light, true, false},    {false, P::Dark, false, true},
        {true, P::Desktop, true, false},   {true, P::Light, true, true},
        {true, P::Dark, false, false}};
    for (const auto& [startedDark, chosen, desktopIsDark, waits] : cases) {
        setPageColoursInForce(startedDark);
        EXPECT_EQ(pageColoursWaitForStart(chosen, desktopIsDark), waits)
            << startedDark << int(chosen) << desktopIsDark;
        EXPECT_EQ(pageColoursFlag(chosen, desktopIsDark).endsWith('0'), startedDark != waits);
    }
}

} // namespace
