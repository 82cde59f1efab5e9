// The Options dialog on its own, and the About box.
#include "base/appsettings.h"
#include "base/passwordhash.h"
#include "base/stringtable.h"
#include "dialogs/aboutbox.h"
#include "dialogs/optionsdialog.h"
#include "support/isolation.h"
#include "support/modalanswers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kelvane;
using test::ModalAnswers;

namespace {

const ActivePage kPage{QStringLiteral("http://page.test/a"), QStringLiteral("Page A")};

class Options : public ::testing::Test {
protected:
    Options() {
        appSettings() = AppSettings();
        appSettings().blockedSites = {QStringLiteral("ads.test"), QStringLiteral("pop.test")};
    }
    std::unique_ptr<OptionsDialog> open(std::optional<ActivePage> page = {}) {
        OptionsContext context;
        context.page = page;
        context.sitesToolbarVisible = sitesToolbarVisible;
        context.cleanHistory = [this] { ++cleaned; };
        auto dialog = std::make_unique<OptionsDialog>(context);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }
    template <typename T> static T* child(QWidget* dialog, const char* name) {
        return dialog->findChild<T*>(QLatin1String(name));
    }
    static QLineEdit* edit(QWidget* d, const char* name) { return child<QLineEdit>(d, name); }
    static QCheckBox* box(QWidget* d, const char* name) { return child<QCheckBox>(d, name); }
    static void click(QWidget* d, const char* name) {
        QTest::mouseClick(child<QAbstractButton>(d, name), Qt::LeftButton);
    }

    test::IsolatedHome home;
    bool sitesToolbarVisible = true;
    int cleaned = 0;
};

TEST_F(Options, UseCurrentFollowsTheActivePage) {
    auto none = open();
    EXPECT_FALSE(child<QPushButton>(none.get(), "useCurrentSiteButton")->isEnabled());
    box(none.get(), "linkEnabledBox")->setChecked(true);
    EXPECT_FALSE(child<QPushButton>(none.get(), "useCurrentLinkButton")->isEnabled());
    EXPECT_EQ(edit(none.get(), "blockedEntry")->text(), QString());
    EXPECT_FALSE(child<QToolButton>(none.get(), "addBlockedButton")->isEnabled());

    appSettings().userLinks[6].siteName = QStringLiteral("Seven");
    auto dialog = open(kPage);
    EXPECT_EQ(edit(dialog.get(), "blockedEntry")->text(), kPage.address);
    edit(dialog.get(), "mailEdit")->setFocus();
    QApplication::processEvents();
    click(dialog.get(), "useCurrentSiteButton");
    // Custom 7 is edited like the first five.
    child<QComboBox>(dialog.get(), "linkList")->setCurrentIndex(6);
    EXPECT_EQ(edit(dialog.get(), "siteNameEdit")->text(), QStringLiteral("Seven"));
    box(dialog.get(), "linkEnabledBox")->setChecked(true);
    click(dialog.get(), "useCurrentLinkButton");
    dialog->accept();
    EXPECT_EQ(appSettings().mail, kPage.address);
    EXPECT_EQ(appSettings().home1, AppSettings().home1);
    const UserLink& link = appSettings().userLinks[6];
    EXPECT_TRUE(link.enabled);
    EXPECT_EQ(link.siteName, kPage.title);
    EXPECT_EQ(link.siteUrl, kPage.address);
    EXPECT_FALSE(appSettings().userLinks[0].enabled);
}

TEST_F(Options, MismatchedPasswordsKeepTheDialogOpenWithTheConfirmationSelected) {
    auto trayOff = open(); // no tray: nothing compared
    EXPECT_FALSE(edit(trayOff.get(), "passwordEdit")->isEnabled());
    edit(trayOff.get(), "confirmEdit")->setText(QStringLiteral("x"));
    trayOff->accept();
    EXPECT_FALSE(trayOff->isVisible());

    auto dialog = open();
    box(dialog.get(), "minimizeToTrayBox")->setChecked(true);
    QTest::keyClicks(edit(dialog.get(), "passwordEdit"), QStringLiteral("Secret"));
    QTest::keyClicks(edit(dialog.get(), "confirmEdit"), QStringLiteral("secret"));
    {
        ModalAnswers answers;
        click(dialog.get(), "okButton");
        EXPECT_EQ(answers.seen(), QStringList{tableString(3021)});
    }
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(edit(dialog.get(), "confirmEdit")->selectedText(), QStringLiteral("secret"));
    EXPECT_FALSE(appSettings().minimizeToTray) << "nothing committed";

    QTest::keyClicks(edit(dialog.get(), "confirmEdit"), QStringLiteral("Secret"));
    click(dialog.get(), "okButton");
    EXPECT_FALSE(dialog->isVisible());
    const QString stored = appSettings().password;
    EXPECT_TRUE(isHashedPassword(stored));
    EXPECT_TRUE(passwordMatches(QStringLiteral("Secret"), stored));

    // A set password shows as a placeholder that, left alone, keeps it; emptied, it goes.
    auto again = open();
    EXPECT_NE(edit(again.get(), "passwordEdit")->text(), QStringLiteral("Secret"));
    again->accept();
    EXPECT_EQ(appSettings().password, stored);
    auto third = open();
    for (const char* name : {"passwordEdit", "confirmEdit"}) {
        edit(third.get(), name)->selectAll();
        QTest::keyClick(edit(third.get(), name), Qt::Key_Delete);
    }
    third->accept();
    EXPECT_EQ(appSettings().password, QString());
}

TEST_F(Options, BlockedSiteRemovedAndAddedGoesBackAtTheEnd) {
    auto dialog = open();
    auto* list = child<QListWidget>(dialog.get(), "blockedList");
    auto* add = child<QToolButton>(dialog.get(), "addBlockedButton");
    auto* remove = child<QToolButton>(dialog.get(), "removeBlockedButton");
    EXPECT_FALSE(remove->isEnabled());
    list->setCurrentRow(0);
    EXPECT_TRUE(remove->isEnabled());
    remove->click();
    EXPECT_EQ(edit(dialog.get(), "blockedEntry")->text(), QStringLiteral("ads.test"));
    EXPECT_FALSE(remove->isEnabled());
    add->click();
    edit(dialog.get(), "blockedEntry")->setText(QStringLiteral("   "));
    EXPECT_FALSE(add->isEnabled()) << "a blank entry is no site";
    add->click();
    dialog->accept();
    EXPECT_EQ(appSettings().blockedSites, (QStringList{"pop.test", "ads.test"}));
}

TEST_F(Options, FontSizeRoundsHalfToEvenAndCancelledDialogsKeepTheLook) {
    for (const auto& [chosen, committed] : {std::pair{10.5, 10}, {11.5, 12}, {9.4, 9}}) {
        auto dialog = open();
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(chosen);
        font.setItalic(true);
        dialog->setPreviewFont(font);
        dialog->setPreviewColor(QColor(0x11, 0x22, 0x33));
        dialog->accept();
        EXPECT_EQ(appSettings().quickNotesSize, committed) << chosen;
        EXPECT_EQ(appSettings().quickNotesFont, QStringLiteral("DejaVu Sans"));
        EXPECT_TRUE(appSettings().quickNotesItalic);
        EXPECT_EQ(appSettings().quickNotesColor, 0x332211) << "0x00BBGGRR";
    }
    auto dialog = open(); // cancelled colour and font dialogs keep what was there
    ModalAnswers cancel;
    click(dialog.get(), "colorButton");
    click(dialog.get(), "fontButton");
    dialog->accept();
    EXPECT_EQ(cancel.seen().size(), 2);
    EXPECT_EQ(std::pair(appSettings().quickNotesColor, appSettings().quickNotesSize),
              std::pair(0x332211, qint16(9)));
}

TEST_F(Options, CleanNowAsksFirstAndUserLinksTabWarnsWhileTheSitesToolbarIsHidden) {
    sitesToolbarVisible = false;
    auto dialog = open();
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        ModalAnswers answers(
            {[answer](QWidget* box) { static_cast<QMessageBox*>(box)->button(answer)->click(); }});
        click(dialog.get(), "cleanNowButton");
        EXPECT_EQ(answers.seen(), QStringList{tableString(3020)});
    }
    EXPECT_EQ(cleaned, 1);
    EXPECT_TRUE(dialog->isVisible());
    ModalAnswers answers;
    child<QTabWidget>(dialog.get(), "tabs")->setCurrentIndex(3);
    child<QTabWidget>(dialog.get(), "tabs")->setCurrentIndex(0);
    child<QTabWidget>(dialog.get(), "tabs")->setCurrentIndex(3);
    EXPECT_EQ(answers.seen(), QStringList(2, tableString(3203)));
}

TEST(AboutBox, CentredOkAndEnterOrEscClose) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        AboutBox about;
        about.show();
        auto* ok = about.findChild<QPushButton*>("okButton");
        EXPECT_LE(std::abs(ok->x() * 2 + ok->width() - about.width()), 1);
        QTest::keyClick(&about, key);
        EXPECT_FALSE(about.isVisible()) << key;
    }
}

} // namespace
