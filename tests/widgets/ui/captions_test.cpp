#include "ui/captions.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QDockWidget>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <memory>

using namespace kelvane;

namespace {

// A window designed the way the program's windows are: identifiers where texts go.
class CaptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QMainWindow>();
        window->setWindowTitle(QStringLiteral("Design title"));
        central = new QWidget(window.get());
        window->setCentralWidget(central);
        layout = new QVBoxLayout(central);
    }

    template <typename W, typename... Args> W* add(Args&&... args) {
        auto* widget = new W(std::forward<Args>(args)...);
        layout->addWidget(widget);
        return widget;
    }

    QPushButton* button(const char* caption, const char* tag) {
        auto* b = add<QPushButton>(QString::fromUtf8(caption));
        if (tag)
            b->setProperty(kCaptionIdProperty, QString::fromUtf8(tag));
        return b;
    }

    std::unique_ptr<QMainWindow> window;
    QWidget* central = nullptr;
    QVBoxLayout* layout = nullptr;
};

TEST_F(CaptionsTest, WindowTitleFromTag) {
    struct Case {
        const char* tag; // nullptr: no Tag at all
        QString title;
    };
    const Case cases[] = {
        {"2000", QStringLiteral("Kelvane Favorites")},
        {" 2500 ", QStringLiteral("Navigator")},
        {"-1", QStringLiteral("Design title")},
        {"", QStringLiteral("Design title")},
        {nullptr, QStringLiteral("Design title")},
        {"2500x", QStringLiteral("Design title")}, // the Tag must be a number as a whole
        {"1121", QStringLiteral("Design title")},  // not in the table
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag ? c.tag : "(none)");
        QWidget w;
        w.setWindowTitle(QStringLiteral("Design title"));
        if (c.tag)
            w.setProperty(kCaptionIdProperty, QString::fromUtf8(c.tag));
        applyCaptions(&w);
        EXPECT_EQ(w.windowTitle(), c.title);
    }
}

TEST_F(CaptionsTest, MenusTakeTheirTextsAndKeepSeparators) {
    QMenu* file = window->menuBar()->addMenu(QStringLiteral("1000"));
    QAction* newItem = file->addAction(QStringLiteral("1001"));
    QAction* cut = file->addAction(QStringLiteral("1015"));
    QAction* separator = file->addSeparator();
    separator->setText(QStringLiteral("1002"));
    QAction* section = file->addSection(QStringLiteral("1081"));
    QAction* dash = file->addAction(QStringLiteral("-"));
    QAction* empty = file->addAction(QString());
    QAction* missing = file->addAction(QStringLiteral("1121"));
    QAction* notWhole = file->addAction(QStringLiteral("1003x"));
    QMenu* view = file->addMenu(QStringLiteral("1019"));
    QAction* toolbar = view->addAction(QStringLiteral("1020"));

    // A menu that only the menu bar holds, without a parent.
    auto orphan = std::make_unique<QMenu>(QStringLiteral("1025"));
    QAction* cascade = orphan->addAction(QStringLiteral("1027"));
    window->menuBar()->addMenu(orphan.get());

    // A hidden popup menu of the window, in no menu bar; its Tag names its title.
    auto* popup = new QMenu(window.get());
    popup->setTitle(QStringLiteral("Popup design"));
    popup->setProperty(kCaptionIdProperty, QStringLiteral("1081"));
    popup->setToolTip(QStringLiteral("1108"));
    QAction* shrink = popup->addAction(QStringLiteral("1082"));

    // A button's drop-down menu.
    auto* dropDown = button("Drop", nullptr);
    auto buttonMenu = std::make_unique<QMenu>();
    QAction* blank = buttonMenu->addAction(QStringLiteral("1099"));
    dropDown->setMenu(buttonMenu.get());

    applyCaptions(window.get());

    EXPECT_EQ(file->title(), QStringLiteral("&File"));
    EXPECT_EQ(newItem->text(), QStringLiteral("&New"));
    EXPECT_EQ(cut->text(), QStringLiteral("Cu&t\tCtrl+X"));
    EXPECT_EQ(separator->text(), QStringLiteral("1002"));
    EXPECT_EQ(section->text(), QStringLiteral("1081"));
    EXPECT_EQ(dash->text(), QStringLiteral("-"));
    EXPECT_EQ(empty->text(), QString());
    EXPECT_EQ(missing->text(), QStringLiteral("1121"));
    EXPECT_EQ(notWhole->text(), QStringLiteral("1003x"));
    EXPECT_EQ(view->title(), QStringLiteral("&View"));
    EXPECT_EQ(toolbar->text(), QStringLiteral("&Toolbar"));
    EXPECT_EQ(orphan->title(), QStringLiteral("&Window"));
    EXPECT_EQ(cascade->text(), QStringLiteral("&Cascade"));
    EXPECT_EQ(popup->title(), QStringLiteral("Tabs"));
    EXPECT_EQ(popup->toolTip(), QStringLiteral("1108")); // popup menus take no tool tip
    EXPECT_EQ(shrink->text(), QStringLiteral("Shrink A&ll"));
    EXPECT_EQ(blank->text(), QStringLiteral("&Blank Page"));
}

TEST_F(CaptionsTest, ToolbarButtonsButNotSeparatorsOrPlaceholders) {
    QToolBar* bar = window->addToolBar(QStringLiteral("Browse"));
    QAction* back = bar->addAction(QStringLiteral("1102"));
    back->setToolTip(QStringLiteral("1108"));
    QAction* print = bar->addAction(QStringLiteral("1010")); // tool tip derived from the text
    QAction* stop = bar->addAction(QStringLiteral("1105"));
    stop->setToolTip(QStringLiteral("1111x"));
    QAction* sameTip = bar->addAction(QStringLiteral("1106"));
    sameTip->setToolTip(QStringLiteral("1106"));
    QAction* separator = bar->addSeparator();
    separator->setText(QStringLiteral("1103"));
    separator->setToolTip(QStringLiteral("1109"));
    auto* placeholder = new QWidgetAction(bar);
    placeholder->setText(QStringLiteral("1119"));
    placeholder->setDefaultWidget(new QLineEdit);
    bar->addAction(placeholder);
    auto history = std::make_unique<QMenu>();
    QAction* entry = history->addAction(QStringLiteral("1100"));
    back->setMenu(history.get());

    applyCaptions(window.get());

    EXPECT_EQ(back->text(), QStringLiteral("Back"));
    EXPECT_EQ(back->toolTip(), QStringLiteral("Navigate to previous site"));
    EXPECT_EQ(print->text(), QStringLiteral("&Print..."));
    EXPECT_EQ(print->toolTip(), QStringLiteral("Print"));
    EXPECT_EQ(stop->text(), QStringLiteral("Stop"));
    EXPECT_EQ(stop->toolTip(), QStringLiteral("1111x"));
    // The button shows the action; the general rule must not read "1111x" as 1111 on it.
    EXPECT_EQ(bar->widgetForAction(stop)->toolTip(), QStringLiteral("1111x"));
    EXPECT_EQ(sameTip->text(), QStringLiteral("Home"));
    EXPECT_EQ(sameTip->toolTip(), QStringLiteral("Home"));
    EXPECT_EQ(separator->text(), QStringLiteral("1103"));
    EXPECT_EQ(separator->toolTip(), QStringLiteral("1109"));
    EXPECT_EQ(placeholder->text(), QStringLiteral("1119"));
    EXPECT_EQ(entry->text(), QStringLiteral("Cu&rrent Page"));
}

TEST_F(CaptionsTest, TabsTakeCaptionFromTagAndToolTip) {
    auto* tabs = add<QTabWidget>();
    tabs->addTab(new QWidget, QStringLiteral("General design"));
    tabs->tabBar()->setTabData(0, QStringLiteral("3009"));
    tabs->setTabToolTip(0, QStringLiteral("3010"));
    tabs->addTab(new QWidget, QStringLiteral("Typed data"));
    tabs->tabBar()->setTabData(1, 100); // not a text: not an identifier
    tabs->setTabToolTip(1, QStringLiteral("3010x"));

    auto* strip = add<QTabBar>();
    strip->addTab(QStringLiteral("2503"));
    strip->setTabData(0, QStringLiteral("1081"));
    strip->addTab(QStringLiteral("Untagged"));

    applyCaptions(window.get());

    EXPECT_EQ(tabs->tabText(0), QStringLiteral("General"));
    EXPECT_EQ(tabs->tabToolTip(0), QStringLiteral("Sites"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Typed data"));
    EXPECT_EQ(tabs->tabToolTip(1), QStringLiteral("3010x"));
    EXPECT_EQ(strip->tabText(0), QStringLiteral("Tabs")); // the Tag, not the caption, counts
    EXPECT_EQ(strip->tabText(1), QStringLiteral("Untagged"));
}

TEST_F(CaptionsTest, ListHeadersTakeTextFromTheirTag) {
    auto* tree = add<QTreeWidget>();
    tree->setColumnCount(3);
    tree->setHeaderLabels({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    tree->headerItem()->setData(0, Qt::UserRole, QStringLiteral("2503"));
    tree->headerItem()->setData(1, Qt::UserRole, QStringLiteral("2504"));
    tree->headerItem()->setData(2, Qt::UserRole, QStringLiteral("1121"));

    auto* table = add<QTableWidget>(0, 1);
    table->setHorizontalHeaderItem(0, new QTableWidgetItem(QStringLiteral("Name")));
    table->horizontalHeaderItem(0)->setData(Qt::UserRole, QStringLiteral("3201"));

    auto* view = add<QTreeView>();
    auto* model = new QStandardItemModel(0, 2, view);
    model->setHeaderData(0, Qt::Horizontal, QStringLiteral("X"));
    model->setHeaderData(0, Qt::Horizontal, QStringLiteral("3202"), Qt::UserRole);
    model->setHeaderData(1, Qt::Horizontal, QStringLiteral("Y"));
    view->setModel(model);

    applyCaptions(window.get());

    EXPECT_EQ(tree->headerItem()->text(0), QStringLiteral("Site"));
    EXPECT_EQ(tree->headerItem()->text(1), QStringLiteral("Status"));
    EXPECT_EQ(tree->headerItem()->text(2), QStringLiteral("C"));
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QStringLiteral("Site &Name"));
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Site &URL"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Y"));
}

TEST_F(CaptionsTest, LabelsNeedAWholeKnownIdentifier) {
    struct Case {
        const char* caption;
        QString expected;
    };
    const Case cases[] = {
        {"1501", QStringLiteral("Kelvane v1.50 is not currently your default web browser, would "
                                "you like to make it the default browser for the web?")},
        {"3202", QStringLiteral("Site &URL")},
        {"Site", QStringLiteral("Site")},
        {"1121", QStringLiteral("1121")},
        {"1503x", QStringLiteral("1503x")},
        {"", QString()},
    };
    QList<QLabel*> labels;
    for (const Case& c : cases)
        labels.append(add<QLabel>(QString::fromUtf8(c.caption)));

    applyCaptions(window.get());

    for (qsizetype i = 0; i < labels.size(); ++i) {
        SCOPED_TRACE(cases[i].caption);
        EXPECT_EQ(labels[i]->text(), cases[i].expected);
    }
}

TEST_F(CaptionsTest, GeneralRuleUsesTheLeadingNumberOfTagAndToolTip) {
    struct Case {
        const char* tag;
        const char* toolTip;
        QString caption;
        QString expectedToolTip;
    };
    const Case cases[] = {
        {"1503", "", QStringLiteral("&Yes"), QString()},
        {"1503x", "2502", QStringLiteral("&Yes"), QStringLiteral("Close selected site")},
        {"0", "0", QStringLiteral("Design"), QStringLiteral("0")},
        {"", "Press me", QStringLiteral("Design"), QStringLiteral("Press me")},
        {nullptr, "2502 and more", QStringLiteral("Design"), QStringLiteral("Close selected site")},
        {"-1503", "-2502", QStringLiteral("Design"), QStringLiteral("-2502")},
        {"1121", "1121", QStringLiteral("Design"), QStringLiteral("1121")},
        {"40000", "", QStringLiteral("Design"), QString()},
    };
    QList<QPushButton*> buttons;
    for (const Case& c : cases) {
        QPushButton* b = button("Design", c.tag);
        b->setToolTip(QString::fromUtf8(c.toolTip));
        buttons.append(b);
    }

    applyCaptions(window.get());

    for (qsizetype i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(cases[i].tag ? cases[i].tag : "(none)");
        EXPECT_EQ(buttons[i]->text(), cases[i].caption);
        EXPECT_EQ(buttons[i]->toolTip(), cases[i].expectedToolTip);
    }
}

TEST_F(CaptionsTest, GeneralRuleCaptionOfEachKind) {
    auto* check = add<QCheckBox>(QStringLiteral("Design"));
    check->setProperty(kCaptionIdProperty, QStringLiteral("3004"));
    auto* tool = add<QToolButton>();
    tool->setText(QStringLiteral("Design"));
    tool->setProperty(kCaptionIdProperty, QByteArray("2501"));
    auto* group = add<QGroupBox>(QStringLiteral("Design"));
    group->setProperty(kCaptionIdProperty, QStringLiteral("3001"));
    // No caption to take: the Tag is left alone, the tool tip still converts.
    auto* edit = add<QLineEdit>(QStringLiteral("typed"));
    edit->setProperty(kCaptionIdProperty, QStringLiteral("100"));
    edit->setToolTip(QStringLiteral("1127"));

    auto* dock = new QDockWidget(QStringLiteral("Design"), window.get());
    dock->setProperty(kCaptionIdProperty, QStringLiteral("1122"));
    dock->setToolTip(QStringLiteral("1123"));
    window->addDockWidget(Qt::LeftDockWidgetArea, dock);
    dock->setFloating(true); // a floating dock is a window of its own, yet still ours
    auto* inDock = new QPushButton(QStringLiteral("Design"));
    inDock->setProperty(kCaptionIdProperty, QStringLiteral("2002"));
    dock->setWidget(inDock);

    applyCaptions(window.get());

    EXPECT_EQ(check->text(), QStringLiteral("&Save All Documents"));
    EXPECT_EQ(tool->text(), QStringLiteral("Close"));
    EXPECT_EQ(group->title(), QStringLiteral("On Exit"));
    EXPECT_EQ(edit->text(), QStringLiteral("typed"));
    EXPECT_EQ(edit->toolTip(), QStringLiteral("Security Status"));
    EXPECT_EQ(dock->windowTitle(), QStringLiteral("Quick Notes"));
    EXPECT_EQ(dock->toolTip(), QStringLiteral("Click to show Quick Notes"));
    EXPECT_EQ(inDock->text(), QStringLiteral("&Load"));
}

TEST_F(CaptionsTest, SkippedControlsAndOtherWindows) {
    auto* line = add<QFrame>();
    line->setFrameShape(QFrame::HLine);
    line->setToolTip(QStringLiteral("1108"));

    // A common dialog takes its title from its Tag, nothing else.
    auto* colour = new QColorDialog(window.get());
    colour->setOption(QColorDialog::DontUseNativeDialog);
    colour->setWindowTitle(QStringLiteral("Design"));
    colour->setProperty(kCaptionIdProperty, QStringLiteral("3510"));
    colour->setToolTip(QStringLiteral("1108"));
    auto* insideColour = new QLabel(QStringLiteral("1501"), colour);

    // A child window applies its own captions when it loads.
    auto* dialog = new QDialog(window.get());
    dialog->setWindowTitle(QStringLiteral("Dialog design"));
    dialog->setProperty(kCaptionIdProperty, QStringLiteral("3000"));
    auto* insideDialog = new QLabel(QStringLiteral("1501"), dialog);
    auto* dialogButton = new QPushButton(QStringLiteral("Design"), dialog);
    dialogButton->setProperty(kCaptionIdProperty, QStringLiteral("3017"));

    applyCaptions(window.get());

    EXPECT_EQ(line->toolTip(), QStringLiteral("1108"));
    EXPECT_EQ(colour->windowTitle(), QStringLiteral("Notes &Color"));
    EXPECT_EQ(colour->toolTip(), QStringLiteral("1108"));
    EXPECT_EQ(insideColour->text(), QStringLiteral("1501"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Dialog design"));
    EXPECT_EQ(insideDialog->text(), QStringLiteral("1501"));
    EXPECT_EQ(dialogButton->text(), QStringLiteral("Design"));

    applyCaptions(dialog);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(insideDialog->text(),
              QStringLiteral("Kelvane v1.50 is not currently your default web "
                             "browser, would you like to make it the default "
                             "browser for the web?"));
    EXPECT_EQ(dialogButton->text(), QStringLiteral("OK"));
}

TEST_F(CaptionsTest, LeavesAWindowWithoutMenusAsItIs) {
    applyCaptions(window.get());
    EXPECT_EQ(window->findChild<QMenuBar*>(), nullptr); // asking for one would make one
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Design title"));
    applyCaptions(nullptr);
}

} // namespace
