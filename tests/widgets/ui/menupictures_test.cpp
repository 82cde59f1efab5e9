// The menu pictures: which items show one, and that our own drawings are there to show.
#include "frame/menus.h"
#include "ui/captions.h"
#include "ui/menuimages.h"
#include "ui/menupictures.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QSet>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

QImage picture16(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128;
    return count;
}

TEST(MenuPictures, EveryKeyHasItsOwnDrawing) {
    QSet<QByteArray> drawings;
    for (const QString& key : menuImageKeys()) {
        const QIcon icon = builtInMenuPicture(key);
        ASSERT_FALSE(icon.isNull()) << key.toStdString();
        const QImage image = picture16(icon);
        EXPECT_GT(opaquePixels(image), 30) << key.toStdString() << " is readable at 16 px";
        drawings.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        EXPECT_FALSE(menuPicture(key).isNull()) << key.toStdString();
    }
    EXPECT_EQ(drawings.size(), menuImageKeys().size()) << "no two keys look the same";
    EXPECT_TRUE(menuPicture(QStringLiteral("Nothing")).isNull());
    EXPECT_TRUE(builtInMenuPicture(QStringLiteral("Nothing")).isNull());
}

TEST(MenuPictures, OnlyTheAssignedItemsShowOne) {
    QMainWindow window;
    MainMenus menus(&window);
    menus.applyImages();
    // Pictures go with item names, so the string table leaves them in place.
    applyCaptions(&window);

    // Whatever the desktop's default for menu icons.
    QApplication::setAttribute(Qt::AA_DontShowIconsInMenus, true);
    QHash<QString, QString> keyOf;
    for (const MenuImageAssignment& a : menuImageAssignments())
        keyOf.insert(a.item, a.key);
    for (const QString& name : menus.names()) {
        QAction* action = menus.action(name);
        ASSERT_NE(action, nullptr) << name.toStdString();
        if (!keyOf.contains(name)) {
            EXPECT_TRUE(action->icon().isNull()) << name.toStdString();
            continue;
        }
        ASSERT_FALSE(action->icon().isNull()) << name.toStdString();
        EXPECT_TRUE(action->isIconVisibleInMenu()) << name.toStdString();
        EXPECT_EQ(picture16(action->icon()), picture16(menuPicture(keyOf[name])))
            << name.toStdString();
    }
    EXPECT_TRUE(menus.newPageMenu()->icon().isNull());
    EXPECT_TRUE(menus.barsMenu()->icon().isNull());
    EXPECT_TRUE(menus.action(QStringLiteral("mnuNavigateRefresh"))->icon().isNull());
}

} // namespace
