// The Options dialog on its own.
#include "base/passwordhash.h"
#include "base/stringtable.h"
#include "dialogs/optionsdialog.h"
#include "dialogs/sitepermissionspage.h"
#include "support/isolation.h"
#include "support/modalanswers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

using namespace kelvane;
using test::ModalAnswers;

namespace {

const ActivePage kPage{"http://page.test/a", "Page A"};

struct Options : ::testing::Test {
    Options() {
        appSettings() = AppSettings();
        appSettings().blockedSites = {"ads.test", "pop.test"};
    }
    // The dialog, shown and active, over the page when given.
    OptionsDialog& open(std::optional<ActivePage> page = {}) {
        OptionsContext context;
        context.page = page;
        context.sitesToolbarVisible = sitesToolbarVisible;
        context.cleanHistory = [this] { ++cleaned; };
        context.rememberedAnswers = &remembered;
        dialog = std::make_unique<OptionsDialog>(context);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }
    template <typename T = QLineEdit> T* child(const char* name) {
        return dialog->findChild<T*>(name);
    }
    QCheckBox* box(const char* name) { return child<QCheckBox>(name); }
    void click(const char* name) {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton);
    }

    test::IsolatedHome home;
    std::unique_ptr<OptionsDialog> dialog;
    bool sitesToolbarVisible = true;
    int cleaned = 0;
    RememberedAnswers remembered;
};

TEST_F(Options, UseCurrentFollowsTheActivePage) {
    open();
    EXPECT_FALSE(child<QPushButton>("useCurrentSiteButton")->isEnabled());
    box("linkEnabledBox")->setChecked(true);
    EXPECT_FALSE(child<QPushButton>("useCurrentLinkButton")->isEnabled());
    EXPECT_EQ(child("blockedEntry")->text(), "");

    appSettings().userLinks[6].siteName = "Seven";
    open(kPage);
    EXPECT_EQ(child("blockedEntry")->text(), kPage.address);
    child("mailEdit")->setFocus();
    QApplication::processEvents();
    click("useCurrentSiteButton");
    // Custom 7 is edited like the first five.
    child<QComboBox>("linkList")->setCurrentIndex(6);
    EXPECT_EQ(child("siteNameEdit")->text(), "Seven");
    box("linkEnabledBox")->setChecked(true);
    click("useCurrentLinkButton");
    dialog->accept();
    EXPECT_EQ(appSettings().mail, kPage.address);
    EXPECT_EQ(appSettings().home1, AppSettings().home1);
    const UserLink& link = appSettings().userLinks[6];
    EXPECT_TRUE(link.enabled && link.siteName == kPage.title && link.siteUrl == kPage.address);
    EXPECT_FALSE(appSettings().userLinks[0].enabled);
}

TEST_F(Options, MismatchedPasswordsKeepTheDialogOpenWithTheConfirmationSelected) {
    open(); // no tray: nothing compared
    EXPECT_FALSE(child("passwordEdit")->isEnabled());
    child("confirmEdit")->setText("x");
    dialog->accept();
    EXPECT_FALSE(dialog->isVisible());

    open();
    box("minimizeToTrayBox")->setChecked(true);
    QTest::keyClicks(child("passwordEdit"), "Secret");
    QTest::keyClicks(child("confirmEdit"), "secret");
    {
        ModalAnswers answers;
        click("okButton");
        EXPECT_EQ(answers.seen(), QStringList{tableString(3021)});
    }
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(child("confirmEdit")->selectedText(), "secret");
    EXPECT_FALSE(appSettings().minimizeToTray) << "nothing committed";
    QTest::keyClicks(child("confirmEdit"), "Secret");
    click("okButton");
    EXPECT_FALSE(dialog->isVisible());
    const QString stored = appSettings().password;
    EXPECT_TRUE(isHashedPassword(stored) && passwordMatches("Secret", stored));

    // A set password shows as a placeholder that, left alone, keeps it; emptied, it goes.
    open();
    EXPECT_NE(child("passwordEdit")->text(), "Secret");
    dialog->accept();
    EXPECT_EQ(appSettings().password, stored);
    open();
    for (const char* name : {"passwordEdit", "confirmEdit"}) {
        child(name)->selectAll();
        QTest::keyClick(child(name), Qt::Key_Delete);
    }
    dialog->accept();
    EXPECT_EQ(appSettings().password, "");
}

TEST_F(Options, DownloadsGoStraightIntoTheFolderOnlyWhenChosen) {
    appSettings().downloadFolder = "/old";
    open();
    EXPECT_TRUE(child<QRadioButton>("askWhereButton")->isChecked());
    EXPECT_FALSE(child("downloadFolderEdit")->isEnabled());
    click("saveIntoButton");
    ASSERT_TRUE(child("downloadFolderEdit")->isEnabled());
    EXPECT_EQ(child("downloadFolderEdit")->text(), "/old");
    child("downloadFolderEdit")->setText(" /new ");
    dialog->accept();
    EXPECT_FALSE(appSettings().downloadAskWhere);
    EXPECT_EQ(appSettings().downloadFolder, "/new");
}

TEST_F(Options, BlockedSiteRemovedAndAddedGoesBackAtTheEnd) {
    open();
    auto* add = child<QToolButton>("addBlockedButton");
    auto* remove = child<QToolButton>("removeBlockedButton");
    EXPECT_FALSE(remove->isEnabled());
    child<QListWidget>("blockedList")->setCurrentRow(0);
    remove->click();
    EXPECT_EQ(child("blockedEntry")->text(), "ads.test");
    EXPECT_FALSE(remove->isEnabled());
    add->click();
    child("blockedEntry")->setText("   ");
    EXPECT_FALSE(add->isEnabled()) << "a blank entry is no site";
    add->click();
    dialog->accept();
    EXPECT_EQ(appSettings().blockedSites, (QStringList{"pop.test", "ads.test"}));
}

TEST_F(Options, FontSizeRoundsHalfToEvenAndCancelledDialogsKeepTheLook) {
    for (const auto& [chosen, committed] : {std::pair{10.5, 10}, {11.5, 12}, {9.4, 9}}) {
        open();
        QFont font("DejaVu Sans");
        font.setPointSizeF(chosen);
        font.setItalic(true);
        dialog->setPreviewFont(font);
        dialog->setPreviewColor(QColor(0x11, 0x22, 0x33));
        dialog->accept();
        EXPECT_EQ(appSettings().quickNotesSize, committed) << chosen;
        EXPECT_EQ(appSettings().quickNotesFont, "DejaVu Sans");
        EXPECT_TRUE(appSettings().quickNotesItalic);
        EXPECT_EQ(appSettings().quickNotesColor, 0x332211) << "0x00BBGGRR";
    }
    open();
    ModalAnswers cancel; // the colour and font dialogs
    click("colorButton");
    click("fontButton");
    dialog->accept();
    EXPECT_EQ(std::pair(appSettings().quickNotesColor, appSettings().quickNotesSize),
              std::pair(0x332211, qint16(9)));
}

TEST_F(Options, CleanNowAsksFirstAndUserLinksTabWarnsWhileTheSitesToolbarIsHidden) {
    sitesToolbarVisible = false;
    open();
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        ModalAnswers answers({ModalAnswers::press(answer)});
        click("cleanNowButton");
        EXPECT_EQ(answers.seen(), QStringList{tableString(3020)});
    }
    EXPECT_EQ(cleaned, 1);
    EXPECT_TRUE(dialog->isVisible());
    ModalAnswers answers;
    for (const int tab : {3, 0, 3})
        child<QTabWidget>("tabs")->setCurrentIndex(tab);
    EXPECT_EQ(answers.seen(), QStringList(2, tableString(3203)));
}

TEST_F(Options, RememberedAnswersAreRemovedOnlyOnOk) {
    remembered.remember("https://a.test", "location", false);
    remembered.remember("mailto:", "open-outside", true);
    for (const bool ok : {false, true}) {
        open();
        auto* page = dialog->findChild<SitePermissionsPage*>();
        ASSERT_TRUE(page);
        EXPECT_EQ(page->list()->topLevelItem(1)->text(2), "Allowed");
        EXPECT_FALSE(page->removeButton()->isEnabled());
        page->list()->setCurrentItem(page->list()->topLevelItem(0));
        page->removeButton()->click();
        EXPECT_EQ(page->list()->topLevelItemCount(), 1);
        ok ? dialog->accept() : dialog->reject();
        EXPECT_EQ(remembered.entries().size(), ok ? 1 : 2);
    }
    EXPECT_EQ(QString(test::readFile(remembered.path())), "mailto: open-outside allow\n");
}

} // namespace
