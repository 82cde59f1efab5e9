// The browsing commands through a real main window with the fake engine.
#include "base/appsettings.h"
#include "documents/documentarea.h"
#include "documents/documentwindow.h"
#include "fakes/fakeengine.h"
#include "frame/commands.h"
#include "frame/mainwindow.h"
#include "frame/menus.h"
#include "support/isolation.h"
#include "support/waituntil.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace kelvane;
using kelvane::test::FakeEngineFactory;
using kelvane::test::FakeEngine;

namespace {

const QString kHome1 = QStringLiteral("http://home1.test/");
const QString kHome2 = QStringLiteral("http://home2.test/");
const QString kSearch = QStringLiteral("http://search.test/");
const QString kMail = QStringLiteral("http://mail.test/");
const QString kNews = QStringLiteral("http://news.test/");

// Runs `drive` on the modal dialog that the next call opens, once it is up.
void whenModal(std::function<void(QWidget*)> drive) {
    QTimer::singleShot(0, [drive] {
        QWidget* modal = nullptr;
        test::waitUntil([&] { return (modal = QApplication::activeModalWidget()) != nullptr; });
        drive(modal);
        // A drive that failed half way must not leave the test waiting on the dialog.
        if (auto* dialog = qobject_cast<QDialog*>(modal);
            dialog && QApplication::activeModalWidget() == dialog)
            dialog->reject();
    });
}

class Commands : public ::testing::Test {
protected:
    Commands() {
        appSettings() = AppSettings();
        window.load(QStringLiteral("http://one/"));
        AppSettings& app = appSettings();
        app.home1 = kHome1;
        app.home2 = kHome2;
        app.search = kSearch;
        app.mail = kMail;
        app.news = kNews;
        window.show();
    }
    ~Commands() override { window.close(); }

    DocumentArea& area() { return window.documentArea(); }
    int count() { return area().count(); }
    FakeEngine* engine(int i) {
        return static_cast<FakeEngine*>(area().document(i)->engine());
    }
    FakeEngine* active() {
        DocumentWindow* doc = area().activeDocument();
        return doc ? static_cast<FakeEngine*>(doc->engine()) : nullptr;
    }
    void closeAll() {
        while (count() > 0)
            area().document(1)->closeDocument();
        ASSERT_EQ(count(), 0);
    }
    void trigger(const char* item) { window.menus().action(QLatin1String(item))->trigger(); }

    test::IsolatedHome home;
    FakeEngineFactory engines;
    MainWindow window{engines, nullptr};
    CommandSet& commands = window.commands();
};

TEST_F(Commands, RuleANavigatesTheActiveDocumentOrOpensOne) {
    for (const auto& [item, address] :
         {std::pair{"mnuNavigateHome1", kHome1}, std::pair{"mnuNavigateHome2", kHome2}}) {
        engine(1)->clearRecords();
        trigger(item);
        EXPECT_EQ(count(), 1) << item;
        EXPECT_EQ(engine(1)->navigated(), QStringList{address}) << item;
    }
    for (const auto& [item, address] :
         {std::pair{"mnuNavigateHome1", kHome1}, std::pair{"mnuNavigateHome2", kHome2}}) {
        closeAll();
        trigger(item);
        ASSERT_EQ(count(), 1) << item;
        EXPECT_EQ(active()->navigated(), QStringList{address}) << "navigated once: " << item;
    }
}

TEST_F(Commands, RuleBNavigatesANewDocumentTwice) {
    for (const auto& [item, address] :
         {std::pair{"mnuNavigateMail", kMail}, std::pair{"mnuNavigateSearch", kSearch},
          std::pair{"mnuNavigateNews", kNews}}) {
        closeAll();
        trigger(item);
        ASSERT_EQ(count(), 1) << item;
        EXPECT_EQ(active()->navigated(), (QStringList{address, address})) << item;
        // With a document open, only that document goes there.
        active()->clearRecords();
        trigger(item);
        EXPECT_EQ(count(), 1) << item;
        EXPECT_EQ(active()->navigated(), QStringList{address}) << item;
    }
}

TEST_F(Commands, NewPopupAndHelpAlwaysOpenANewDocument) {
    engine(1)->setLocationURL(QStringLiteral("http://one/current"));
    const struct {
        const char* item;
        QString address;
    } cases[] = {
        {"mnuNewHome1", kHome1},
        {"mnuNewHome2", kHome2},
        {"mnuNewPageBlank", QStringLiteral("about:blank")},
        {"mnuNewCurrent", QStringLiteral("http://one/current")},
        {"mnuNewEmail", kMail},
        {"mnuNewSearch", kSearch},
        {"mnuNewNews", kNews},
        {"mnuHelpContents", QStringLiteral("qrc:/help/index.html")},
        {"mnuHelpOnTheWeb", QStringLiteral("qrc:/help/index.html#about")},
    };
    for (const auto& c : cases) {
        area().document(1)->bringToFront();
        const int before = count();
        trigger(c.item);
        ASSERT_EQ(count(), before + 1) << c.item;
        EXPECT_EQ(active(), engine(count())) << c.item;
        EXPECT_EQ(active()->navigated(), QStringList{c.address}) << c.item;
    }
    EXPECT_EQ(engine(1)->navigated(), QStringList{QStringLiteral("http://one/")});

    closeAll();
    trigger("mnuNewCurrent");
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(active()->navigated(), QStringList{kHome1}) << "no current page: Home 1";
}

TEST_F(Commands, ToolbarButtonsByKey) {
    FakeEngine* e = engine(1);
    commands.buttonClicked(QStringLiteral("Back"));
    commands.buttonClicked(QStringLiteral("Forward"));
    commands.buttonClicked(QStringLiteral("Refresh"));
    commands.buttonClicked(QStringLiteral("Stop"));
    EXPECT_EQ(e->goBackCount(), 1);
    EXPECT_EQ(e->goForwardCount(), 1);
    EXPECT_EQ(e->refresh2Levels(), QList<int>{3}) << "a complete reload";
    EXPECT_EQ(e->refreshCount(), 0);
    EXPECT_EQ(e->stopCount(), 1);

    e->clearRecords();
    for (const char* key : {"Home", "Home2", "Mail", "Search", "News"})
        commands.buttonClicked(QLatin1String(key));
    EXPECT_EQ(e->navigated(), (QStringList{kHome1, kHome2, kMail, kSearch, kNews}));
    EXPECT_EQ(count(), 1);

    for (const char* key : {"", "Link", "Custom1", "Separator", "back", "New "})
        commands.buttonClicked(QLatin1String(key));
    EXPECT_EQ(count(), 1) << "unknown keys do nothing";
    EXPECT_EQ(e->navigated().size(), 5);

    commands.buttonClicked(QStringLiteral("New"));
    commands.buttonClicked(QStringLiteral("New"));
    ASSERT_EQ(count(), 3) << "New always opens a new document";
    EXPECT_EQ(engine(3)->navigated(), QStringList{kHome1});
}

TEST_F(Commands, FontSizeSteps) {
    FakeEngine* e = engine(1);
    const auto levelsSet = [e] {
        QList<int> set;
        for (const FakeEngine::ExecCall& call : e->execCalls(EngineCommand::Zoom)) {
            EXPECT_EQ(call.option, CommandOption::DontPromptUser);
            if (call.input.isValid())
                set.append(call.input.toInt());
        }
        return set;
    };
    const struct {
        const char* item;
        int from;
        int calls; // queries and sets together
        QList<int> set;
    } cases[] = {
        {"mnuEditIncFont", 4, 2, {4}},      {"mnuEditIncFont", 1, 2, {2}},
        {"mnuEditDecFont", 0, 2, {0}},      {"mnuEditDecFont", 3, 2, {2}},
        {"mnuEditResetFont", 0, 5, {1, 2}}, {"mnuEditResetFont", 1, 3, {2}},
        {"mnuEditResetFont", 2, 1, {}},     {"mnuEditResetFont", 4, 5, {3, 2}},
    };
    for (const auto& c : cases) {
        e->clearRecords();
        e->setZoomLevel(c.from);
        trigger(c.item);
        EXPECT_EQ(e->execCalls(EngineCommand::Zoom).size(), c.calls) << c.item << " " << c.from;
        EXPECT_EQ(levelsSet(), c.set) << c.item << " " << c.from;
        EXPECT_EQ(e->execCalls().size(), c.calls) << "nothing but zoom";
    }
}

TEST_F(Commands, EngineCommandsOnTheActiveDocument) {
    window.openInNewDocument(QStringLiteral("http://two/"));
    const struct {
        const char* item;
        EngineCommand command;
    } cases[] = {
        {"mnuFileSaveAs", EngineCommand::SaveAs},
        {"mnuFileProperties", EngineCommand::Properties},
        {"mnuFilePageSetup", EngineCommand::PageSetup},
        {"mnuFilePrintPreview", EngineCommand::PrintPreview},
        {"mnuEditSelectAll", EngineCommand::SelectAll},
    };
    for (const auto& c : cases) {
        engine(2)->clearRecords();
        trigger(c.item);
        const QList<FakeEngine::ExecCall> calls = engine(2)->execCalls();
        ASSERT_EQ(calls.size(), 1) << c.item;
        EXPECT_EQ(calls[0].command, c.command) << c.item;
        EXPECT_EQ(calls[0].option, CommandOption::DoDefault) << c.item;
    }
    EXPECT_TRUE(engine(1)->execCalls().isEmpty()) << "only the active document";

    trigger("mnuViewSource");
    EXPECT_EQ(engine(2)->viewSourceCount(), 1);
    trigger("mnuViewInternetOptions");
    EXPECT_EQ(engine(2)->internetOptionsCount(), 1);
}

TEST_F(Commands, NoDocumentCommandsDoNothing) {
    closeAll();
    const int created = engines.createdCount();
    // Straight to the handlers: the menu items are disabled with no document.
    using Handler = void (CommandSet::*)();
    const Handler handlers[] = {&CommandSet::back,
                                &CommandSet::forward,
                                &CommandSet::stop,
                                &CommandSet::reload,
                                &CommandSet::saveAs,
                                &CommandSet::showProperties,
                                &CommandSet::pageSetup,
                                &CommandSet::printPreview,
                                &CommandSet::print,
                                &CommandSet::selectAll,
                                &CommandSet::increaseFont,
                                &CommandSet::decreaseFont,
                                &CommandSet::resetFont,
                                &CommandSet::viewSource,
                                &CommandSet::showInternetOptions};
    for (const auto handler : handlers)
        (commands.*handler)();
    commands.showHistoryMenu(true, QPoint(10, 10));
    commands.showHistoryMenu(false, QPoint(10, 10));
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(engines.createdCount(), created);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(Commands, PrintCancelledDoesNothing) {
    QString title;
    bool pageRange = true;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        pageRange = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
        dialog->reject();
    });
    trigger("mnuFilePrint");
    EXPECT_EQ(title, QStringLiteral("Print"));
    EXPECT_FALSE(pageRange) << "no page numbers to choose";
    EXPECT_TRUE(engine(1)->execCalls().isEmpty());
}

TEST_F(Commands, PrintAcceptedHandsTheDialogsPrinterToTheEngine) {
    QPrinter* chosen = nullptr;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        chosen = dialog->printer();
        dialog->accept();
    });
    trigger("mnuFilePrint");
    const QList<FakeEngine::ExecCall> calls = engine(1)->execCalls();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].command, EngineCommand::Print);
    EXPECT_EQ(calls[0].option, CommandOption::DoDefault);
    EXPECT_NE(chosen, nullptr);
    EXPECT_EQ(calls[0].input.value<QPrinter*>(), chosen);
}

TEST_F(Commands, OpenDialogFilterAndChoice) {
    QTemporaryDir dir;
    for (const char* name : {"a.htm", "b.html", "c.xhtml", "d.url", "e.txt", "F.HTM", "g.htmx"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name[0] == 'd' ? "[InternetShortcut]\r\nURL=http://shortcut/\r\n" : "x");
    }

    QString title;
    QString filterText;
    QStringList shown;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        filterText = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText();
        dialog->setDirectory(dir.path());
        auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
        const auto names = [&] {
            QStringList names;
            const QModelIndex root = list->rootIndex();
            for (int row = 0; row < list->model()->rowCount(root); ++row)
                names.append(list->model()->index(row, 0, root).data().toString());
            names.sort();
            return names;
        };
        test::waitUntil([&] { return names().size() >= 4; });
        test::waitUntil([&] { return false; }, 200); // let late entries arrive too
        shown = names();
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(QStringLiteral("b.html"));
        static_cast<QDialog*>(dialog)->accept();
    });
    trigger("mnuFileOpen");

    EXPECT_EQ(title, QStringLiteral("Open"));
    EXPECT_EQ(filterText, QStringLiteral("HTML Files (*.htm,*.html,*.url)"));
    EXPECT_EQ(shown, (QStringList{"F.HTM", "a.htm", "b.html", "c.xhtml", "d.url"}));
    ASSERT_EQ(count(), 2);
    const QString path = dir.filePath(QStringLiteral("b.html"));
    EXPECT_EQ(engine(2)->navigated(), QStringList{path});
    EXPECT_EQ(area().document(2)->windowTitle(), path);

    // Cancelled: nothing opens.
    whenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    commands.openFile();
    EXPECT_EQ(count(), 2);
}

TEST_F(Commands, HistoryDropDowns) {
    FakeEngine* e = engine(1);
    commands.showHistoryMenu(true, QPoint(20, 20));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "an empty back list shows nothing";

    e->setForwardList({{QStringLiteral("First"), QStringLiteral("http://f1/")},
                       {QStringLiteral("Fish & Chips"), QStringLiteral("http://f2/")},
                       {QString(), QStringLiteral("http://f3/")},
                       {QStringLiteral("Fourth"), QStringLiteral("http://f4/")}});
    commands.showHistoryMenu(false, QPoint(20, 20));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), QStringLiteral("First"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Fish && Chips")) << "no mnemonic";
    EXPECT_EQ(items[2]->text(), QStringLiteral("http://f3/")) << "untitled: its address";

    e->clearRecords();
    items[2]->trigger();
    EXPECT_EQ(e->navigated(), QStringList{QStringLiteral("http://f3/")});
    EXPECT_EQ(e->goForwardCount(), 0) << "straight there, not three steps";
    menu->close();
}

TEST_F(Commands, CutCopyPasteReachTheFocusedTextBox) {
    auto* box = new QLineEdit(&window);
    box->show();
    box->setText(QStringLiteral("hello world"));
    box->activateWindow();
    box->setFocus();
    ASSERT_TRUE(test::waitUntil([&] { return QApplication::focusWidget() == box; }));

    box->setSelection(0, 5);
    trigger("mnuEditCopy");
    EXPECT_NE(QApplication::clipboard()->text(), QStringLiteral("hello")) << "queued, not sent";
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("hello"));

    box->setSelection(6, 5);
    trigger("mnuEditCut");
    QCoreApplication::processEvents();
    EXPECT_EQ(box->text(), QStringLiteral("hello "));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("world"));

    box->end(false);
    trigger("mnuEditPaste");
    QCoreApplication::processEvents();
    EXPECT_EQ(box->text(), QStringLiteral("hello world"));
}

} // namespace
