// The downloads over the fake engine: where files go, what they leave, and the Downloads window.
#include "base/appsettings.h"
#include "base/downloadlist.h"
#include "base/stringtable.h"
#include "downloads/downloaditem.h"
#include "downloads/downloadmanager.h"
#include "downloads/downloadswindow.h"
#include "fakes/fakeengine.h"
#include "platform/paths.h"
#include "support/isolation.h"
#include "support/modalanswers.h"
#include "support/waituntil.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/stat.h>

using namespace kelvane;
using test::FakeDownload;
using test::ModalAnswers;
using State = DownloadItem::State;

// Runs before each rename of the program, with its target: what another program may do
// between the check of a name and the rename.
std::function<void(const char*)> beforeRename;

extern "C" int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    if (beforeRename)
        beforeRename(to);
    using Rename = int (*)(int, const char*, int, const char*, unsigned);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "renameat2"));
    return real(fromDir, from, toDir, to, flags);
}

namespace {

struct Downloads : ::testing::Test {
    Downloads() {
        appSettings() = AppSettings();
        appSettings().downloadAskWhere = false;
        appSettings().downloadFolder = folder.path();
    }
    FakeDownload* fire(const QString& url, const QString& name = "f.bin") {
        auto* download = new FakeDownload(url, name, &owner);
        services.fireDownload(download);
        return download;
    }
    // The engine writes the part file, then completes with total bytes of total.
    static void complete(FakeDownload* download, const QByteArray& bytes, qint64 total = -1) {
        test::writeFile(download->path(), bytes);
        download->setProgress(bytes.size(), total < 0 ? bytes.size() : total);
        download->setState(Download::State::Completed);
    }
    QString at(const QString& name) const { return folder.filePath(name); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files); }
    test::IsolatedHome home;
    QTemporaryDir folder;
    QObject owner;
    test::FakeEngineServices services;
    QWidget window;
    DownloadManager manager{services, &window};
};

TEST_F(Downloads, ServerNamesStayInTheFolderAndNeverReplaceAFile) {
    test::writeFile(at("report.bin"), "old");
    FakeDownload* download = fire("http://h/r", "../report.bin");
    EXPECT_EQ(download->path(), at("report (1).bin.part")) << "never under its final name";
    test::writeFile(at("report (1).bin"), "came meanwhile");
    complete(download, "new");
    EXPECT_EQ(files(), (QStringList{"report (1).bin", "report (2).bin", "report.bin"}));
    EXPECT_EQ(test::readFile(at("report (2).bin")), "new");
    EXPECT_EQ(test::readFile(at("report (1).bin")), "came meanwhile");
    EXPECT_EQ(test::readFile(at("report.bin")), "old");
    EXPECT_EQ(manager.items().last()->path(), at("report (2).bin"));
    EXPECT_EQ(readDownloadList(downloadListPath()).value(0).path, at("report (2).bin"));
    // Running downloads hold their names, the engine's own file beside the part file too.
    QSet<QString> names;
    for (const QString name : {"a.bin", "a.bin", "a.bin.part", "a.bin.part.download"}) {
        const QString part = fire("http://h/a", name)->path();
        names << manager.items().last()->path() << part << part + ".download";
    }
    EXPECT_EQ(names.size(), 12) << names.values().join(',').toStdString();
}

// A file, link or folder that takes the final name between the check and the rename is never
// written nor followed; a part file that cannot be renamed stays, and the download says so.
TEST_F(Downloads, TheFinalRenameNeverReplacesAndKeepsWhatItCannotMove) {
    test::writeFile(at("outside"), "mine");
    const std::pair<std::function<void(const char*)>, QString> cases[] = {
        {[&](const char* to) { beforeRename = {}, ::symlink("outside", to); }, "r (1).bin"},
        {[](const char* to) { ::mkdir(to, 0700); }, "r (2).bin.part"},
    };
    for (const auto& [race, kept] : cases) {
        FakeDownload* download = fire("http://h/r", "r.bin");
        beforeRename = race;
        complete(download, "new");
        beforeRename = {};
        EXPECT_EQ(test::readFile(at("outside")), "mine");
        EXPECT_EQ(test::readFile(at(kept)), "new");
        EXPECT_EQ(manager.items().last()->path(), at(kept));
    }
    EXPECT_EQ(manager.items().last()->state(), State::Failed);
    EXPECT_EQ(manager.items().last()->failureReason(), tableString(5046).arg("r (2).bin.part"));
}

TEST_F(Downloads, FailedCancelledAndCutShortDownloadsLeaveNothing) {
    const std::pair<std::function<void(FakeDownload*)>, State> cases[] = {
        {[](FakeDownload* d) { d->setState(Download::State::Failed, Download::Failure::DiskFull); },
         State::Failed},
        {[](FakeDownload* d) { complete(d, "half", 8); }, State::Failed},
        {[this](FakeDownload*) { manager.items().last()->cancel(); }, State::Cancelled},
        {[](FakeDownload* d) { delete d; }, State::Cancelled},
    };
    for (const auto& [end, state] : cases) {
        FakeDownload* download = fire("http://h/f");
        test::writeFile(download->path(), "part");
        DownloadItem* item = manager.items().last();
        end(download);
        EXPECT_EQ(item->state(), state);
        EXPECT_TRUE(files().isEmpty()) << files().join(',').toStdString();
    }
    EXPECT_EQ(manager.items().at(0)->failureReason(), tableString(5037));
    EXPECT_EQ(manager.items().at(1)->failureReason(), tableString(5030)) << "never complete";
    EXPECT_EQ(manager.activeCount(), 0);
    manager.retry(manager.items().at(2));
    EXPECT_EQ(services.downloaded(), QStringList{"http://h/f"}) << "a cancelled one again";
    // What the engine can continue stays for Retry, which continues it.
    FakeDownload* broken = fire("http://h/g");
    test::writeFile(broken->path() + ".download", "part");
    broken->setResumable(true);
    broken->setState(Download::State::Failed, Download::Failure::NetworkFailed);
    EXPECT_EQ(files(), QStringList{"f.bin.part.download"});
    manager.retry(manager.items().last());
    EXPECT_EQ(broken->calls().last(), "resume");
    EXPECT_TRUE(manager.items().last()->isActive());
}

TEST_F(Downloads, TheSaveDialogProposesTheLastFolderAndReplacesOnlyWhenTheUserSaysSo) {
    appSettings().downloadAskWhere = true;
    test::writeFile(at("mine.bin"), "old");
    QStringList proposed;
    const auto take = [&](QWidget* dialog) {
        proposed << static_cast<QFileDialog*>(dialog)->selectedFiles();
    };
    FakeDownload* download;
    {
        ModalAnswers answers({[&](QWidget* dialog) {
                                  take(dialog);
                                  auto* files = static_cast<QFileDialog*>(dialog);
                                  files->setDirectory(folder.path());
                                  // What the user types; selectFile() leaves a focused box.
                                  files->findChild<QLineEdit*>("fileNameEdit")->setText("mine.bin");
                                  static_cast<QDialog*>(dialog)->accept();
                              },
                              ModalAnswers::press(QMessageBox::Yes)});
        download = fire("http://h/x", ".hidden/../x.bin");
    }
    EXPECT_EQ(download->path(), at("mine.bin.part"));
    complete(download, "new");
    EXPECT_EQ(test::readFile(at("mine.bin")), "new");
    {
        ModalAnswers escape({[&](QWidget* dialog) { take(dialog); }}); // rejected: Esc
        download = fire("http://h/y", "y.bin");
    }
    EXPECT_EQ(proposed,
              (QStringList{QDir(desktopDownloadFolder()).filePath("x.bin"), at("y.bin")}));
    EXPECT_EQ(download->calls(), QStringList{"cancel"});
    EXPECT_EQ(manager.items().size(), 1);
}

TEST_F(Downloads, TheWindowActsOnTheChosenDownload) {
    test::writeFile(at("earlier.bin"), "e");
    const DownloadRecord earlier{.url = "http://h/e",
                                 .path = at("earlier.bin"),
                                 .bytes = 1,
                                 .finished = QDateTime::currentDateTimeUtc(),
                                 .reason = {}};
    writeDownloadList({earlier}, downloadListPath());
    FakeDownload* running = fire("http://h/run", "run.bin");
    running->setProgress(50, 100);
    EXPECT_EQ(manager.statusText(), "Downloads running: 1 (50%)");
    FakeDownload* failing = fire("http://h/fail", "fail.bin");
    failing->setProgress(1, 100);
    failing->setState(Download::State::Failed, Download::Failure::NetworkFailed);
    EXPECT_EQ(manager.statusText(), tableString(5045).arg("fail.bin", tableString(5030)) +
                                        " \u2014 Downloads running: 1 (50%)");
    complete(fire("http://h/done", "done.bin"), "done");
    EXPECT_TRUE(manager.statusText().startsWith(tableString(5044).arg("done.bin")));
    DownloadsWindow w(manager);
    QTreeWidget* list = w.list();
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows << list->topLevelItem(i)->text(0);
    ASSERT_EQ(rows, (QStringList{"done.bin", "fail.bin", "run.bin", "earlier.bin"}));
    EXPECT_EQ(list->topLevelItem(1)->text(DownloadsWindow::ProgressColumn),
              tableString(5021).arg(tableString(5030)));
    EXPECT_EQ(list->topLevelItem(1)->text(DownloadsWindow::SizeColumn),
              tableString(5023).arg(sizeText(1), sizeText(100)))
        << "what arrived, not the whole";
    EXPECT_EQ(list->topLevelItem(2)->data(DownloadsWindow::ProgressColumn, Qt::AccessibleTextRole),
              "50%")
        << "the drawn bar's caption for screen readers";
    const auto press = [&](DownloadsWindow::Button b) { w.button(b)->click(); };
    const auto enabled = [&] {
        QString states;
        for (int b = 0; b <= int(DownloadsWindow::Button::Clear); ++b)
            states += w.button(DownloadsWindow::Button(b))->isEnabled() ? '1' : '0';
        return states;
    };
    using B = DownloadsWindow::Button;
    list->setCurrentItem(list->topLevelItem(2));
    EXPECT_EQ(enabled(), "1100001") << w.selectedItem()->fileName().toStdString();
    press(B::PauseResume);
    press(B::PauseResume);
    EXPECT_EQ(running->calls(), (QStringList{"start " + at("run.bin.part"), "pause", "resume"}));
    list->setCurrentItem(list->topLevelItem(1));
    EXPECT_EQ(enabled(), "0010011");
    EXPECT_EQ(w.details()->text(), tableString(5021).arg(tableString(5030)) + '\n' + at("fail.bin"))
        << "the reason in full";
    press(B::Retry);
    EXPECT_EQ(services.downloaded(), QStringList{"http://h/fail"});
    FakeDownload* again = fire("http://h/fail", "other name.bin");
    EXPECT_EQ(again->path(), at("fail.bin.part")) << "the same file, no question";
    EXPECT_EQ(list->topLevelItemCount(), 4);
    EXPECT_EQ(enabled(), "1100001");
    // The desktop's opener logs what it is asked, and fails once "fail" is beside it.
    QTemporaryDir bin;
    const QString opener = bin.filePath("xdg-open"), path = qEnvironmentVariable("PATH");
    test::writeFile(opener, "#!/bin/sh\necho \"$1\" >> \"$0.log\"; [ ! -e \"$0.fail\" ]\n");
    ::chmod(QFile::encodeName(opener), 0700);
    qputenv("PATH", (bin.path() + ':' + path).toUtf8());
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_EQ(enabled(), "0001111");
    // The opener runs on its own: each call is waited for, so the log keeps their order.
    const auto logged = [&](int lines) {
        return test::waitUntil(
            [&] { return test::readFile(opener + ".log").count('\n') == lines; });
    };
    press(B::Open);
    EXPECT_TRUE(logged(1));
    press(B::ShowInFolder);
    EXPECT_TRUE(logged(2));
    test::writeFile(opener + ".fail", "");
    press(B::ShowInFolder);
    const QString noProgram = tableString(5047).arg(folder.path());
    EXPECT_TRUE(test::waitUntil([&] { return manager.statusText().startsWith(noProgram); }));
    EXPECT_EQ(w.details()->text(), noProgram);
    QFile::remove(at("done.bin"));
    ModalAnswers gone;
    press(B::Open);
    qputenv("PATH", path.toUtf8());
    EXPECT_EQ(test::readFile(opener + ".log"),
              (QStringList{at("done.bin"), folder.path(), folder.path(), ""}.join('\n')).toUtf8());
    EXPECT_EQ(gone.seen(), QStringList{tableString(5028).arg(at("done.bin"))});
    list->setCurrentItem(list->topLevelItem(3));
    press(B::Remove);
    EXPECT_EQ(readDownloadList(downloadListPath()).size(), 1) << "the completed one is left";
    press(B::Clear);
    EXPECT_EQ(list->topLevelItemCount(), 2) << "running ones stay";
    EXPECT_TRUE(readDownloadList(downloadListPath()).isEmpty());
}

// The files go at once: the program quits right after, before the engine's own cleaning.
TEST_F(Downloads, TheCloseQuestionCancelsOnlyWhenTheUserSaysSo) {
    EXPECT_TRUE(manager.confirmClose()) << "nothing runs: no question";
    FakeDownload* download = fire("http://h/f");
    test::writeFile(download->path(), "part");
    test::writeFile(download->path() + ".download", "engine's");
    const std::pair<ModalAnswers::Answer, bool> answers[] = {
        {[](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }, false},
        {[](QWidget* box) { box->close(); }, false},
        {[](QWidget* box) { static_cast<QMessageBox*>(box)->buttons().at(0)->click(); }, true},
    };
    for (const auto& [answer, closes] : answers) {
        ModalAnswers asked({answer});
        EXPECT_EQ(manager.confirmClose(), closes);
        EXPECT_EQ(asked.seen(), QStringList{tableString(5025).arg(1)});
        EXPECT_EQ(manager.items().last()->isActive(), !closes);
    }
    EXPECT_TRUE(files().isEmpty()) << files().join(',').toStdString();
}

} // namespace
