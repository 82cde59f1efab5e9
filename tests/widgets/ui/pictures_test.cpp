#include "ui/pictures.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace kelvane;

TEST(Pictures, EveryPictureIsDrawnAndEachTabStateLooksItsOwn) {
    for (int i = 0; i <= int(Picture::NavigatorPin); ++i)
        EXPECT_FALSE(builtInPicture(Picture(i)).isNull() || picture(Picture(i)).isNull()) << i;
    QList<QImage> seen;
    for (int state = 0; state < kTabPictureCount; ++state) {
        const QImage image = tabPicture(state).pixmap(16, 16).toImage();
        EXPECT_FALSE(image.isNull() || seen.contains(image)) << state;
        seen << image;
    }
    EXPECT_TRUE(tabPicture(-1).isNull() && tabPicture(kTabPictureCount).isNull());
}
