// Switching, closing and shrinking documents through their tabs, in the main window.
#include "bars/bandcontainer.h"
#include "fakes/testwindow.h"
#include "quicksearch/searchaddress.h"

using namespace kelvane;

namespace {

struct DocumentAreaTest : test::WindowTest {
    DocumentAreaTest() {
        frame.open("http://two/");
        frame.open("http://three/");
        for (int i = 1; i <= 3; ++i) {
            frame.engine(i)->fireTitle(QStringLiteral("Title %1").arg(i));
            frame.engine(i)->fireProgress(0, 0);
        }
    }
    void click(int tab, Qt::MouseButton button) {
        QTest::mouseClick(tabs, button, {}, tabs->tabRect(tab - 1).center());
    }

    TabBar* tabs = frame.window.tabBar();
    QSignalSpy barsMenu{frame.window.bars().container(), &BandContainer::contextMenuRequested};
};

TEST_F(DocumentAreaTest, LeftClickActivatesOtherClicksCloseAndOpenNoMenu) {
    click(1, Qt::LeftButton);
    EXPECT_TRUE(frame.area().activeDocument() == frame.doc(1) && tabs->currentIndex() == 0);
    click(2, Qt::RightButton);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Title 3"));
    click(1, Qt::MiddleButton);
    EXPECT_EQ(frame.set().count(), 1);
    EXPECT_EQ(barsMenu.count() + frame.menusShown, 0);
}

TEST_F(DocumentAreaTest, ShrinkCommandsAndReset) {
    frame.area().shrinkAllTabsButActive();
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Tit"));
    EXPECT_EQ(frame.set().tabIcon(1), 9);
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Title 3")) << "the selected tab stays as it is";
    frame.area().tabDoubleClicked(3);
    frame.area().shrinkAllTabsButActive();
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Tit")) << "a shrunk active tab stays shrunk";
    frame.area().resetAllTabs();
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(frame.set().tabIcon(i), 8) << i;
        EXPECT_EQ(tabs->tabText(i - 1), QStringLiteral("Title %1").arg(i));
    }
}

TEST_F(DocumentAreaTest, ClosingRenumbersLaterDocumentsFirstAndTheLastDisablesCommands) {
    DocumentWindow* third = frame.doc(3);
    int whileRemoving = 0;
    const QMetaObject::Connection watch =
        QObject::connect(&frame.set(), &QAbstractItemModel::rowsAboutToBeRemoved,
                         [&] { whileRemoving = third->docIndex(); });
    frame.doc(2)->closeDocument();
    QObject::disconnect(watch);
    EXPECT_EQ(whileRemoving, 2);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Title 3"));

    frame.closeAll();
    for (QAction* action : frame.window.menus().documentCommands())
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    frame.window.menus().newWindow->trigger();
    EXPECT_EQ(frame.engine(1)->navigated(), QStringList{QString()}) << "an empty document 1";
}

TEST_F(DocumentAreaTest, OpeningADocumentEnablesTheDocumentCommands) {
    frame.closeAll();
    frame.window.menus().newWindow->trigger();
    for (QAction* action : frame.window.menus().documentCommands())
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
}

TEST_F(DocumentAreaTest, OnlyALocalFileEndingInDotUrlIsReadAsAShortcut) {
    const QString link = home.root() + "/News.URL";
    ASSERT_TRUE(test::writeFile(link, "[InternetShortcut]\r\nURL=http://news/\r\n"));
    for (const QString& address :
         {searchAddress(0, "what is a .url"), QString("http://h/?q=x.url"), QString("h/x.url"),
          link, QUrl::fromLocalFile(link).toString()}) {
        frame.open(address);
        EXPECT_EQ(frame.active()->navigated().value(0),
                  address.contains("News") ? "http://news/" : address);
    }
}

TEST_F(DocumentAreaTest, ANewDocumentBesideArrangedOnesIsLargeEnoughToRead) {
    frame.area().tileVertically();
    frame.open("http://four/");
    const QWidget* window = frame.doc(4)->parentWidget();
    const QSize size = window->size(), area = window->parentWidget()->size();
    EXPECT_TRUE(size.width() > area.width() / 2 && size.height() > area.height() / 2)
        << size.width();
}

} // namespace
