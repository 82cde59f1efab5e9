// The start-up default-browser check and its question, in a temporary home.
#include "base/appsettings.h"
#include "base/defaultbrowser.h"
#include "base/fileassociation.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "base/stringtable.h"
#include "dialogs/defaultbrowsercheck.h"
#include "support/isolation.h"
#include "support/modalanswers.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>

using namespace kelvane;
using test::ModalAnswers;

namespace {

const QString kProgram = "/opt/kelvane/bin/kelvane";

// Ticks "Don't ask" when asked to, then answers with a key ("y", "n"), "close" or a button.
ModalAnswers::Answer answer(bool dontAsk, const char* how) {
    return [dontAsk, how](QWidget* question) {
        auto* box = question->findChild<QCheckBox*>();
        if (!box)
            return ADD_FAILURE() << "not the question: " << qPrintable(question->windowTitle());
        box->setChecked(dontAsk);
        if (qstrlen(how) == 1)
            QTest::keyClick(question->focusWidget() ? question->focusWidget() : question, how[0]);
        else if (qstrcmp(how, "close") == 0)
            question->close();
        else
            question->findChild<QPushButton*>(how)->click();
    };
}

struct DefaultBrowserCheck : ::testing::Test {
    DefaultBrowserCheck() {
        appSettings() = AppSettings();
        restart();
    }
    // One start's check, with the settings as the last exit left them. Returns what showed.
    QStringList start(QList<ModalAnswers::Answer> answers = {}) {
        ModalAnswers modal(std::move(answers));
        checkDefaultBrowser(nullptr, kProgram);
        const QStringList seen = modal.seen();
        restart();
        return seen;
    }
    void restart() {
        appSettings().write();
        SettingsStore::reset();
        appSettings() = AppSettings();
        appSettings().readGeneral();
    }
    static QString entry() { return userApplicationsFolder() + "/kelvane.desktop"; }

    test::IsolatedHome home;
    const QString question = tableString(1500);
};

// No, N or the close box with "Don't ask" never asks again nor registers; Yes registers, and
// the next start need not ask.
TEST_F(DefaultBrowserCheck, YesRegistersAndTheNextStartDoesNotAsk) {
    for (const char* how : {"noButton", "n", "close", "yesButton"}) {
        SCOPED_TRACE(how);
        const bool yes = qstrcmp(how, "yesButton") == 0;
        EXPECT_EQ(start({answer(!yes, how)}), QStringList{question});
        EXPECT_EQ(appSettings().checkIfDefault, yes);
        EXPECT_EQ(Settings::readText("FileAssociationSetDefault"), yes ? "True" : "False");
        EXPECT_EQ(start(), QStringList());
        EXPECT_EQ(QFile::exists(entry()), yes);
        appSettings().checkIfDefault = true;
        restart();
    }
    EXPECT_TRUE(defaultBrowserState(kProgram).isDefault);
    EXPECT_FALSE(defaultBrowserState("/elsewhere/kelvane").isDefault);
    EXPECT_TRUE(test::readFile(entry()).contains("\nMimeType=text/html;application/x-mswinurl;"
                                                 "x-scheme-handler/http;x-scheme-handler/https;"
                                                 "x-scheme-handler/ftp;\n"));
    if (!QStandardPaths::findExecutable("xdg-mime").isEmpty()) {
        QProcess query;
        query.start("xdg-mime", {"query", "default", "text/html"});
        ASSERT_TRUE(query.waitForFinished(10000));
        EXPECT_EQ(query.readAllStandardOutput().trimmed(), "kelvane.desktop");
    }
}

TEST_F(DefaultBrowserCheck, DontAskAndYesRegistersAgainSilentlyWhenAnotherProgramTookPages) {
    EXPECT_EQ(start({answer(true, "y")}), QStringList{question});
    EXPECT_TRUE(QFile::exists(entry()));
    ASSERT_TRUE(test::writeFile(mimeappsListPath(),
                                "[Default Applications]\ntext/html=other.desktop;\n# mine\n"));
    EXPECT_FALSE(defaultBrowserState(kProgram).isDefault);
    EXPECT_EQ(start(), QStringList()) << "no question, no message";
    EXPECT_TRUE(defaultBrowserState(kProgram).isDefault);
    EXPECT_TRUE(
        test::readFile(mimeappsListPath()).endsWith("text/html=kelvane.desktop;\n# mine\n"));
}

TEST_F(DefaultBrowserCheck, AnInstalledEntryIsNamedWhenItRunsThisProgram) {
    // Installed as a package does it: the program in a folder of PATH, its entry in the
    // desktop's system folder.
    const QByteArray savedPath = qgetenv("PATH"), savedDirs = qgetenv("XDG_DATA_DIRS");
    const auto restore = qScopeGuard([&] {
        qputenv("PATH", savedPath);
        qputenv("XDG_DATA_DIRS", savedDirs);
    });
    const QString prefix = home.root() + "/usr", program = prefix + "/bin/kelvane";
    ASSERT_TRUE(test::writeFile(program, "#!/bin/sh\n"));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(prefix + "/bin:") + savedPath);
    qputenv("XDG_DATA_DIRS", QFile::encodeName(prefix + "/share"));
    const QString installed = prefix + "/share/applications/" + installedDesktopId();
    for (const QString& installedExec : {QString("kelvane"), QString("/usr/bin/other")}) {
        const bool ours = installedExec == "kelvane";
        ASSERT_TRUE(test::writeFile(installed, desktopEntryText(installedExec)));
        QFile::remove(mimeappsListPath());
        EXPECT_EQ(makeDefaultBrowser(program), QStringList());
        EXPECT_EQ(defaultApplications(test::readFile(mimeappsListPath()), "text/html"),
                  QStringList{ours ? installedDesktopId() : "kelvane.desktop"});
        EXPECT_EQ(QFile::exists(entry()), !ours) << "a copy only when not installed";
        EXPECT_TRUE(defaultBrowserState(program).isDefault);
        EXPECT_FALSE(defaultBrowserState(kProgram).isDefault) << "nor another program";
    }
}

TEST_F(DefaultBrowserCheck, OnlyAFileThatCannotBeReadOrWrittenShowsTheErrorBox) {
    QDir().mkpath(mimeappsListPath()); // a folder: neither readable nor writable as a file
    const QStringList seen = start({{}, answer(false, "yesButton")});
    EXPECT_EQ(seen, (QStringList{tableString(1505), question, tableString(1505)}));
}

} // namespace
