#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

namespace kelvane {

// An off-screen 32-bit picture with its own pixel memory that a QPainter draws into, and that
// blends onto other pictures at a constant opacity.
//
// Pixel memory: 4 bytes a pixel in the order blue, green, red, alpha; rows top to bottom, each
// bytesPerLine() = width x 4 bytes long with no padding. Colours are premultiplied by their
// alpha, which is what QPainter writes and what paintOnto() expects.
class AlphaSurface {
public:
    AlphaSurface() = default;

    // Makes a new picture of that size, releasing any previous one first. The new pixels have
    // no defined content until clear() or drawing sets them. False, and the surface left empty,
    // when the size is not positive or the memory cannot be had.
    bool create(int width, int height);
    // Releases the picture; create() makes the surface usable again.
    void release();

    bool isNull() const { return m_image.isNull(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    qsizetype bytesPerLine() const { return m_image.bytesPerLine(); }
    qsizetype sizeInBytes() const { return m_image.sizeInBytes(); }

    // Every byte 0, alpha included: fully transparent black.
    void clear();

    // The raw pixels in the layout above (null when empty).
    uchar* bits() { return isNull() ? nullptr : m_image.bits(); }
    const uchar* bits() const { return isNull() ? nullptr : m_image.constBits(); }

    // The paint device: open a QPainter on it to draw into the pixels.
    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }

    // Paints source (a part of this picture; null: all of it) at destination with QPainter's
    // source-over of premultiplied pixels, scaled by constantAlpha of 255: each destination
    // channel becomes source x a + destination x (1 - source alpha x a). No stretching.
    void paintOnto(QPainter& target, QPoint destination, int constantAlpha = 255,
                   const QRect& source = {}) const;

    // Blends source into destination in memory, ignoring alpha: source's pixel (x, y) goes onto
    // destination's (x + destLeft, y + destTop), and each of its blue, green and red bytes
    // becomes round((1 - a / 255) x destination + source x a / 255), rounded to nearest; the
    // destination's alpha byte stays. Only where the two pictures overlap is touched.
    static void alphaBlend(AlphaSurface& destination, const AlphaSurface& source, int destLeft,
                           int destTop, int constantAlpha);

private:
    QImage m_image;
};

} // namespace kelvane
