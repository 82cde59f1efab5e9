// The start-up default-browser check and its question, in a temporary home.
#include "base/appsettings.h"
#include "base/defaultbrowser.h"
#include "base/settingscatalogue.h"
#include "base/settingsstore.h"
#include "base/stringtable.h"
#include "dialogs/defaultbrowsercheck.h"
#include "support/isolation.h"
#include "support/modalanswers.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvane;
using test::ModalAnswers;

namespace {

const QString kProgram = QStringLiteral("/opt/kelvane/bin/kelvane");

// Ticks "Don't ask" when asked to, then answers with a key or a button.
ModalAnswers::Answer answer(bool dontAsk, const char* how) {
    return [dontAsk, how](QWidget* question) {
        auto* box = question->findChild<QCheckBox*>();
        if (!box)
            return ADD_FAILURE() << "not the question: " << qPrintable(question->windowTitle());
        box->setChecked(dontAsk);
        const QByteArray what(how);
        if (what == "y" || what == "n")
            QTest::keyClick(question->focusWidget() ? question->focusWidget() : question, what[0]);
        else if (what == "close")
            question->close();
        else
            question->findChild<QPushButton*>(QLatin1String(how))->click();
    };
}

class DefaultBrowserCheck : public ::testing::Test {
protected:
    DefaultBrowserCheck() {
        appSettings() = AppSettings();
        restart();
    }
    // One start's check: the settings as the last exit left them. Returns what showed.
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
    static bool registered() {
        return QFile::exists(userApplicationsFolder() + "/kelvane.desktop");
    }
    static QString stored(const char* key) { return Settings::readText(QLatin1String(key)); }

    test::IsolatedHome home;
    const QString question = tableString(1500);
};

TEST_F(DefaultBrowserCheck, YesRegistersAndTheNextStartDoesNotAsk) {
    EXPECT_EQ(start({answer(false, "yesButton")}), QStringList{question});
    EXPECT_TRUE(defaultBrowserState(kProgram).isDefault);
    EXPECT_FALSE(defaultBrowserState(QStringLiteral("/elsewhere/kelvane")).isDefault);
    QFile entry(userApplicationsFolder() + "/kelvane.desktop");
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains("\nMimeType=text/html;application/x-mswinurl;"
                                         "x-scheme-handler/http;x-scheme-handler/https;"
                                         "x-scheme-handler/ftp;\n"));
    if (!QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) {
        QProcess query;
        query.start(QStringLiteral("xdg-mime"), {"query", "default", "text/html"});
        ASSERT_TRUE(query.waitForFinished(10000));
        EXPECT_EQ(query.readAllStandardOutput().trimmed(), "kelvane.desktop");
    }
    EXPECT_EQ(stored("FileAssociationSetDefault"), QStringLiteral("True"));
    EXPECT_TRUE(appSettings().checkIfDefault);
    EXPECT_EQ(start(), QStringList());
}

TEST_F(DefaultBrowserCheck, DontAskAndNoNeverAsksNorRegisters) {
    for (const char* how : {"noButton", "n", "close"}) {
        SCOPED_TRACE(how);
        EXPECT_EQ(start({answer(true, how)}), QStringList{question});
        EXPECT_FALSE(appSettings().checkIfDefault);
        EXPECT_EQ(stored("FileAssociationSetDefault"), QStringLiteral("False"));
        EXPECT_EQ(start(), QStringList());
        EXPECT_FALSE(registered());
        appSettings().checkIfDefault = true;
        restart();
    }
}

TEST_F(DefaultBrowserCheck, DontAskAndYesRegistersAgainSilentlyWhenAnotherProgramTookPages) {
    EXPECT_EQ(start({answer(true, "y")}), QStringList{question});
    EXPECT_TRUE(registered());
    QFile list(mimeappsListPath());
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\ntext/html=other.desktop;\n# mine\n");
    list.close();
    EXPECT_FALSE(defaultBrowserState(kProgram).isDefault);
    EXPECT_EQ(start(), QStringList()) << "no question, no message";
    EXPECT_TRUE(defaultBrowserState(kProgram).isDefault);
    list.open(QIODevice::ReadOnly);
    EXPECT_TRUE(list.readAll().endsWith("text/html=kelvane.desktop;\n# mine\n"));
}

TEST_F(DefaultBrowserCheck, OnlyAFileThatCannotBeReadOrWrittenShowsTheErrorBox) {
    QDir().mkpath(mimeappsListPath()); // a folder: neither readable nor writable as a file
    const QStringList seen = start({{}, answer(false, "yesButton")});
    EXPECT_EQ(seen, (QStringList{tableString(1505), question, tableString(1505)}));
}

} // namespace
