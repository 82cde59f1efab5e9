// The tab pictures: our own drawings, made once and kept.
#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include <array>

namespace kelvane {

namespace {

// Pixel sizes each picture is drawn at: 16 and its high-DPI doubles, plus the in-betweens
// fractional scale factors ask for. QIcon picks the nearest one.
constexpr int kSizes[] = {16, 20, 24, 32, 40, 48, 64};

const QColor kOutline(0x3d, 0x4f, 0x63);
const QColor kDone(0x1a, 0x5f, 0xb4);
const QColor kInProgress(0x99, 0xc1, 0xf1);
const QColor kTrack(0xf2, 0xf5, 0xf8);
const QColor kGlow(0xff, 0x8c, 0x00);

// The pictures are drawn on a 16 x 16 grid; the painter is scaled to the pixmap's size.
void drawLoading(QPainter& p, int quarter) {
    const QRectF disc(1.5, 1.5, 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(kTrack);
    p.drawEllipse(disc);
    // Quarters already loaded in the strong colour, the quarter in progress in a light one,
    // clockwise from twelve o'clock.
    if (quarter > 0) {
        p.setBrush(kDone);
        p.drawPie(disc, 90 * 16, -quarter * 90 * 16);
    }
    p.setBrush(kInProgress);
    p.drawPie(disc, (90 - quarter * 90) * 16, -90 * 16);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 1.0));
    p.drawEllipse(disc);
}

void drawPage(QPainter& p, bool glowing) {
    if (glowing) {
        QRadialGradient glow(QPointF(8, 8), 8);
        glow.setColorAt(0.0, QColor(0xff, 0xd0, 0x40));
        glow.setColorAt(0.6, kGlow);
        glow.setColorAt(1.0, QColor(0xff, 0x8c, 0x00, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QRectF(0, 0, 16, 16));
    }
    QPainterPath sheet;
    sheet.moveTo(3.5, 1.5);
    sheet.lineTo(9.5, 1.5);
    sheet.lineTo(12.5, 4.5);
    sheet.lineTo(12.5, 14.5);
    sheet.lineTo(3.5, 14.5);
    sheet.closeSubpath();
    p.setPen(QPen(glowing ? QColor(0xa3, 0x40, 0x00) : kOutline, 1.0));
    p.setBrush(glowing ? QColor(0xff, 0xf4, 0xd6) : QColor(Qt::white));
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(9.5, 1.5);
    corner.lineTo(9.5, 4.5);
    corner.lineTo(12.5, 4.5);
    p.setBrush(QColor(0xdc, 0xe4, 0xec));
    p.drawPath(corner);
    // Lines of text.
    p.setPen(QPen(glowing ? kGlow : kDone, 1.0));
    for (qreal y : {7.5, 9.5, 11.5})
        p.drawLine(QPointF(5.5, y), QPointF(10.5, y));
}

QPixmap render(int index, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    // A shrunk tab's picture is the same drawing made smaller, so it reads as compact beside
    // the normal one.
    if (index % 2 == 1) {
        constexpr qreal kCompact = 0.72;
        p.translate(8 * (1 - kCompact), 8 * (1 - kCompact));
        p.scale(kCompact, kCompact);
    }
    const int state = index / 2;
    if (state < 4)
        drawLoading(p, state);
    else
        drawPage(p, state == 5);
    return pixmap;
}

QIcon makeIcon(int index) {
    QIcon icon;
    for (int size : kSizes)
        icon.addPixmap(render(index, size));
    return icon;
}

} // namespace

QIcon tabPicture(int index) {
    if (index < 0 || index >= kTabPictureCount)
        return {};
    static std::array<QIcon, kTabPictureCount> cache;
    if (cache[index].isNull())
        cache[index] = makeIcon(index);
    return cache[index];
}

} // namespace kelvane
