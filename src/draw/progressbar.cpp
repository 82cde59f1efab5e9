#include "draw/progressbar.h"

#include "draw/contrast.h"
#include "draw/hlscolor.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace kelvane {

namespace {

const QColor kBackground(204, 204, 255);
// The desktop's button face of the classic look; the bar keeps it on every desktop so it
// renders the same everywhere.
const QColor kButtonFace(240, 240, 240);
const QColor kGradientStart(255, 255, 255);
const QColor kGradientEnd(106, 106, 181);

// What the recolouring makes of a pixel: the background's hue and saturation at the pixel's
// lightness scaled by the background's. The lightness depends only on the largest and the
// smallest channel, so the results are kept by that pair; an entry is worked out in double
// precision the first time a pair turns up and is 0 (never a result: results are opaque)
// until then. Rendering happens on the user-interface thread only.
QRgb recoloured(int largest, int smallest) {
    static std::array<QRgb, 256 * 256> known{};
    QRgb& entry = known[size_t(largest) * 256 + size_t(smallest)];
    if (entry == 0) {
        static const Hls background =
            rgbToHls(kBackground.red(), kBackground.green(), kBackground.blue());
        const double lightness = rgbToHls(largest, smallest, smallest).lightness;
        entry = hlsToRgb({background.hue, background.lightness * lightness, background.saturation});
    }
    return entry;
}

// Recolours pixels one at a time, remembering the last colour: down a column of the bar most
// pixels have the colour of the one above.
class Recolourer {
public:
    void operator()(uchar* pixel) {
        // Blue, green, red, alpha; the alpha byte is left as it is.
        const quint32 colour = quint32(pixel[0]) | quint32(pixel[1]) << 8 | quint32(pixel[2]) << 16;
        if (colour != m_lastIn) {
            m_lastIn = colour;
            m_lastOut = recoloured(std::max({pixel[0], pixel[1], pixel[2]}),
                                   std::min({pixel[0], pixel[1], pixel[2]}));
        }
        pixel[0] = uchar(qBlue(m_lastOut));
        pixel[1] = uchar(qGreen(m_lastOut));
        pixel[2] = uchar(qRed(m_lastOut));
    }

private:
    quint32 m_lastIn = ~0u; // no colour has it: the alpha byte is not part of the key
    QRgb m_lastOut = 0;
};

} // namespace

QString progressCaption(const QString& text, bool showPercentage, float percent) {
    if (!showPercentage)
        return text;
    // A whole number, halves away from zero.
    const QString number = QString::number(std::round(double(percent) * 100.0), 'f', 0);
    if (text.isEmpty())
        return number + QLatin1Char('%');
    return text + QStringLiteral(" (") + number + QStringLiteral("%)");
}

ProgressBar::ProgressBar()
    : m_barColor(0x5D, 0xC8, 0x69)
    , m_font(QStringLiteral("Tahoma")) {
    m_font.setPointSizeF(8.25);
}

bool ProgressBar::setWidth(int width) {
    if (m_autoSize)
        return false;
    if (m_width != width) {
        m_width = width;
        refresh();
    }
    return true;
}

void ProgressBar::setMinWidth(int minWidth) {
    if (m_minWidth == minWidth)
        return;
    m_minWidth = minWidth;
    if (m_autoSize)
        refresh();
}

void ProgressBar::setHeight(int height) {
    if (m_height == height)
        return;
    m_height = height;
    refresh();
}

void ProgressBar::setFont(const QFont& font) {
    if (m_font == font)
        return;
    m_font = font;
    refresh();
}

void ProgressBar::setTrackColor(const QColor& color) {
    if (m_trackColor == color)
        return;
    m_trackColor = color;
    refresh();
}

void ProgressBar::setBarColor(const QColor& color) {
    if (m_barColor == color)
        return;
    m_barColor = color;
    refresh();
}

void ProgressBar::setAutoSize(bool on) {
    if (m_autoSize == on)
        return;
    m_autoSize = on;
    refresh();
}

void ProgressBar::setShowPercentage(bool on) {
    if (m_showPercentage == on)
        return;
    m_showPercentage = on;
    refresh();
}

void ProgressBar::setText(const QString& text) {
    if (m_text == text)
        return;
    m_text = text;
    refresh();
}

void ProgressBar::setMinimum(int minimum) {
    if (m_minimum == minimum)
        return;
    m_minimum = minimum;
    refresh();
}

void ProgressBar::setMaximum(int maximum) {
    if (m_maximum == maximum)
        return;
    m_maximum = maximum;
    refresh();
}

void ProgressBar::setPercent(float percent) {
    if (!std::isfinite(percent))
        percent = 0;
    if (m_percent == percent)
        return;
    m_percent = percent;
    refresh();
}

void ProgressBar::setValue(int value) {
    // The range in 64 bits: maximum - minimum overflows 32 bits for far-apart ends.
    const qint64 range = qint64(m_maximum) - m_minimum;
    const float percent = range >= 1 ? float(double(value) / double(range)) : 0.0f;
    if (m_value == value && m_percent == percent)
        return;
    m_value = value;
    m_percent = percent;
    refresh();
}

void ProgressBar::refresh() {
    const QString caption = progressCaption(m_text, m_showPercentage, m_percent);
    const int h = m_height;
    int w = m_width;
    if (m_autoSize) {
        const int measured =
            caption.isEmpty() ? 0 : QFontMetrics(m_font).horizontalAdvance(caption);
        m_width = measured + 4;
        w = std::max(m_width, m_minWidth);
    }
    if (w <= 0 || h <= 0)
        return;
    if (w > m_picture.width() || h > m_picture.height()) {
        if (!m_picture.create(std::max(w, m_picture.width()), std::max(h, m_picture.height())))
            return;
        // Opaque from the start, so that columns beyond the bar that a wider draw() copies
        // never hold undefined pixels.
        m_picture.image().fill(kBackground);
    }

    QPainter painter(&m_picture.image());
    painter.fillRect(QRect(0, 0, w, h), kBackground);
    painter.setPen(kButtonFace);
    painter.drawRect(QRect(0, 0, w - 1, h - 1));

    // The bar runs from (2, 2) to one column short of the right edge and two rows short of the
    // bottom.
    const QRect bar(2, 2, w - 3, h - 4);
    if (bar.isValid()) {
        QLinearGradient gradient(bar.left(), 0, bar.right() + 1, 0);
        gradient.setColorAt(0, kGradientStart);
        gradient.setColorAt(1, kGradientEnd);
        painter.fillRect(bar, gradient);
    }

    // The caption goes on a transparent picture of the bar's size, centred in that picture's
    // (2, 2, w - 3, h - 4); it is blended at (1, 1) once the bar has its colours.
    const bool captioned = !caption.isEmpty() && bar.isValid();
    if (captioned) {
        if (m_captionPicture.width() != bar.width() || m_captionPicture.height() != bar.height())
            m_captionPicture.create(bar.width(), bar.height());
        if (!m_captionPicture.isNull()) {
            m_captionPicture.clear();
            QPainter text(&m_captionPicture.image());
            text.setPen(Qt::white);
            text.setFont(m_font);
            text.drawText(QRect(QPoint(2, 2), bar.size()), Qt::AlignCenter | Qt::TextSingleLine,
                          caption);
        }
    }

    painter.end();

    const double filled = std::nearbyint(double(m_percent) * (w - 2));
    const int filledWidth = int(std::clamp(filled, -1.0, double(m_picture.width())));
    recolour(filledWidth);
    const int trackLeft = std::max(bar.left(), filledWidth + 1);
    if (m_trackColor.isValid() && bar.isValid() && trackLeft <= bar.right())
        QPainter(&m_picture.image())
            .fillRect(QRect(trackLeft, bar.top(), bar.right() + 1 - trackLeft, bar.height()),
                      m_trackColor);
    if (captioned && !m_captionPicture.isNull())
        blendCaption();
}

void ProgressBar::blendCaption() {
    // Black or white pixel by pixel, whichever reads on the colour beneath: the bar runs from
    // white to a deep blue, so no one colour of text reads along all of it.
    QImage& target = m_picture.image();
    const QImage& caption = m_captionPicture.image();
    const int rows = std::min(caption.height(), target.height() - 1);
    const int columns = std::min(caption.width(), target.width() - 1);
    for (int y = 0; y < rows; ++y) {
        const auto* coverage = reinterpret_cast<const QRgb*>(caption.constScanLine(y));
        auto* pixel = reinterpret_cast<QRgb*>(target.scanLine(y + 1)) + 1;
        for (int x = 0; x < columns; ++x) {
            const int alpha = qAlpha(coverage[x]);
            if (alpha == 0)
                continue;
            const QRgb beneath = pixel[x];
            const QRgb text = readableOn(beneath);
            const auto mix = [&](int a, int b) { return (a * alpha + b * (255 - alpha)) / 255; };
            pixel[x] = qRgba(mix(qRed(text), qRed(beneath)), mix(qGreen(text), qGreen(beneath)),
                             mix(qBlue(text), qBlue(beneath)), qAlpha(beneath));
        }
    }
}

void ProgressBar::recolour(int filledWidth) {
    // Recoloured: the columns 0 to filledWidth, the picture's last column and its top row,
    // each pixel once, column by column.
    const int pictureWidth = m_picture.width();
    const int pictureHeight = m_picture.height();
    const int lastColumn = pictureWidth - 1;
    const int filledEnd = std::min(filledWidth, lastColumn); // last filled column
    uchar* bits = m_picture.bits();
    const qsizetype stride = m_picture.bytesPerLine();
    Recolourer recolourPixel;
    for (int x = 0; x < pictureWidth; ++x) {
        const bool wholeColumn = x <= filledEnd || x == lastColumn;
        uchar* pixel = bits + qsizetype(x) * 4;
        for (int y = 0; y < (wholeColumn ? pictureHeight : 1); ++y, pixel += stride)
            recolourPixel(pixel);
    }
}

void ProgressBar::draw(QPainter& painter, int left, int top, int width, int height,
                       int constantAlpha) const {
    const int w = width != -1 ? width : (m_autoSize ? std::max(m_width, m_minWidth) : m_width);
    const int h = height != -1 ? height : m_height;
    if (w <= 0 || h <= 0)
        return;
    m_picture.paintOnto(painter, QPoint(left, top), constantAlpha, QRect(0, 0, w, h));
}

} // namespace kelvane
