#include "draw/alphasurface.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace kelvane {

namespace {

// One channel of the blend, exact in integers. The blend is defined as
// round((1 - a/255) d + s a / 255) in double precision with halves to even; that value is
// N / 255 with N = (255 - a) d + a s, and since 255 is odd, N / 255 is never a half: rounding to
// nearest is floor((N + 127) / 255) whatever the tie rule. For N <= 65025, with t = N + 128,
// (t + (t >> 8)) >> 8 is that value, and t fits 16 bits, so the loop below stays in 16-bit lanes
// that the compiler turns into vector code.
inline std::uint16_t blendChannel(std::uint16_t d, std::uint16_t s, std::uint16_t keep,
                                  std::uint16_t a) {
    const std::uint16_t t = std::uint16_t(keep * d + a * s + 128);
    return std::uint16_t((t + (t >> 8)) >> 8);
}

// Thirty-two bytes (eight pixels) at a time in 16-bit lanes, written with the compiler's vector
// types so that it becomes vector code on any target.
constexpr qsizetype kBlock = 32;
using Bytes = std::uint8_t __attribute__((vector_size(kBlock)));
using Words = std::uint16_t __attribute__((vector_size(kBlock * 2)));

// On x86-64 the blend is built twice and the wider build chosen at start where the processor
// has it.
#if defined(__x86_64__)
#define KELVANE_WIDE_WHERE_AVAILABLE __attribute__((target_clones("avx2", "default")))
#else
#define KELVANE_WIDE_WHERE_AVAILABLE
#endif

// Blends a run of whole pixels; every fourth byte (alpha) keeps the destination's value.
KELVANE_WIDE_WHERE_AVAILABLE void blendRun(std::uint8_t* dst, const std::uint8_t* src,
                                           qsizetype bytes, std::uint16_t a) {
    const std::uint16_t keep = std::uint16_t(255 - a);
    Bytes colourBytes;
    for (qsizetype k = 0; k < kBlock; ++k)
        colourBytes[k] = (k & 3) == 3 ? 0 : 255;
    qsizetype i = 0;
    for (; i + kBlock <= bytes; i += kBlock) {
        Bytes d, s;
        std::memcpy(&d, dst + i, kBlock);
        std::memcpy(&s, src + i, kBlock);
        const Words t =
            __builtin_convertvector(d, Words) * keep + __builtin_convertvector(s, Words) * a + 128;
        const Bytes blended = __builtin_convertvector((t + (t >> 8)) >> 8, Bytes);
        const Bytes out = (blended & colourBytes) | (d & ~colourBytes);
        std::memcpy(dst + i, &out, kBlock);
    }
    for (; i < bytes; ++i) {
        if ((i & 3) != 3)
            dst[i] = std::uint8_t(blendChannel(dst[i], src[i], keep, a));
    }
}

} // namespace

bool AlphaSurface::create(int width, int height) {
    release();
    if (width <= 0 || height <= 0)
        return false;
    m_image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    // A 32-bit row is always a whole number of 4-byte words, so rows carry no padding.
    return !m_image.isNull();
}

void AlphaSurface::release() {
    m_image = QImage();
}

void AlphaSurface::clear() {
    if (!isNull())
        std::memset(m_image.bits(), 0, size_t(m_image.sizeInBytes()));
}

void AlphaSurface::paintOnto(QPainter& target, QPoint destination, int constantAlpha,
                             const QRect& source) const {
    if (isNull())
        return;
    const QRect from = (source.isNull() ? m_image.rect() : source) & m_image.rect();
    if (from.isEmpty())
        return;
    const qreal previousOpacity = target.opacity();
    const QPainter::CompositionMode previousMode = target.compositionMode();
    target.setCompositionMode(QPainter::CompositionMode_SourceOver);
    target.setOpacity(std::clamp(constantAlpha, 0, 255) / 255.0);
    target.drawImage(destination, m_image, from);
    target.setOpacity(previousOpacity);
    target.setCompositionMode(previousMode);
}

void AlphaSurface::alphaBlend(AlphaSurface& destination, const AlphaSurface& source, int destLeft,
                              int destTop, int constantAlpha) {
    if (destination.isNull() || source.isNull())
        return;
    if (&destination == &source) {
        // Blending a picture into itself: a shared copy makes the destination detach, so the
        // source is read unchanged while the destination is written.
        const AlphaSurface copy = source;
        alphaBlend(destination, copy, destLeft, destTop, constantAlpha);
        return;
    }
    // The source's rectangle in destination coordinates, cut to the destination.
    const QRect placed(QPoint(destLeft, destTop), source.m_image.size());
    const QRect overlap = placed & destination.m_image.rect();
    if (overlap.isEmpty())
        return;
    const auto a = std::uint16_t(std::clamp(constantAlpha, 0, 255));
    const qsizetype runBytes = qsizetype(overlap.width()) * 4;
    uchar* dstBits = destination.m_image.bits();
    const uchar* srcBits = source.m_image.constBits();
    const qsizetype dstStride = destination.bytesPerLine();
    const qsizetype srcStride = source.bytesPerLine();
    if (runBytes == dstStride && runBytes == srcStride) {
        // Whole rows of two pictures of one width: one run over all of them.
        blendRun(dstBits + overlap.top() * dstStride,
                 srcBits + (overlap.top() - destTop) * srcStride, runBytes * overlap.height(), a);
        return;
    }
    for (int y = overlap.top(); y <= overlap.bottom(); ++y) {
        uchar* dst = dstBits + y * dstStride + qsizetype(overlap.left()) * 4;
        const uchar* src =
            srcBits + (y - destTop) * srcStride + qsizetype(overlap.left() - destLeft) * 4;
        blendRun(dst, src, runBytes, a);
    }
}

} // namespace kelvane
