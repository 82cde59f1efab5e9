// The caption loader on a window designed with identifiers where texts go: a few cases for each
// kind of control.
#include "ui/captions.h"

#include <QColorDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabBar>
#include <QToolBar>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace kelvane;

TEST(Captions, EachKindOfControlTakesItsTexts) {
    QMainWindow window;
    window.setProperty(kCaptionIdProperty, "2500x"); // not a whole number: the title stays
    QMenu* file = window.menuBar()->addMenu("1000");
    auto* popup = new QMenu(&window); // hidden, in no menu bar
    popup->setProperty(kCaptionIdProperty, "1081");
    popup->setToolTip("1108");
    QToolBar* bar = window.addToolBar("Browse");
    QAction* back = bar->addAction("1102");
    back->setToolTip("1108");
    QAction* print = bar->addAction("1010"); // its tool tip is derived from its text
    auto* tabs = new QTabBar(&window);
    tabs->setTabData(tabs->addTab("Design"), "3009");
    auto* view = new QTreeView(&window);
    QStandardItemModel model(0, 1);
    model.setHeaderData(0, Qt::Horizontal, "3202", Qt::UserRole);
    view->setModel(&model);
    auto* label = new QLabel("3202", &window);
    auto* unknown = new QLabel("1121", &window);
    auto* button = new QPushButton(&window);
    button->setProperty(kCaptionIdProperty, "1503x"); // the general rule: a leading number
    button->setToolTip("2502 and more");
    auto* colours = new QColorDialog(&window); // a common dialog: its title only
    colours->setProperty(kCaptionIdProperty, "3510");

    applyCaptions(&window);
    // clang-format off
    const std::pair<QString, const char*> texts[] = {
        {window.windowTitle(), ""}, {file->title(), "&File"}, {popup->title(), "Tabs"}, {popup->toolTip(), "1108"}, {back->text(), "Back"},
        {back->toolTip(), "Navigate to previous site"}, {print->toolTip(), "Print"},
        {tabs->tabText(0), "General"}, {model.headerData(0, Qt::Horizontal).toString(), "Site &URL"},
        {label->text(), "Site &URL"}, {unknown->text(), "1121"}, {button->text(), "&Yes"},
        {button->toolTip(), "Close selected site"}, {colours->windowTitle(), "Notes &Color"}};
    // clang-format on
    for (const auto& [text, expected] : texts)
        EXPECT_EQ(text, QLatin1String(expected)) << expected;
}
