#pragma once

#include "draw/alphasurface.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

namespace kelvane {

// The caption of a progress bar: text alone, or with the percentage (percent x 100 as a whole
// number) appended, "Loading (45%)", or the percentage alone, "45%", when text is empty.
QString progressCaption(const QString& text, bool showPercentage, float percent);

// An owner-drawn progress bar without a window of its own. It renders a small picture off
// screen (a light border, a white-to-slate gradient, the filled part recoloured in a saturated
// blue, and the caption in black or white, whichever reads on the bar beneath it) whenever one
// of its properties changes, and draw() copies the last rendering onto any painter.
class ProgressBar {
public:
    ProgressBar();

    int width() const { return m_width; }
    // Refused (false, nothing changed) while autoSize() is on: the caption sets the width then.
    [[nodiscard]] bool setWidth(int width);
    // The smallest width under autoSize(); re-renders only while autoSize() is on.
    int minWidth() const { return m_minWidth; }
    void setMinWidth(int minWidth);
    int height() const { return m_height; }
    void setHeight(int height);
    QFont font() const { return m_font; }
    void setFont(const QFont& font);
    // Kept for whoever asks; the rendering has its own colours.
    QColor barColor() const { return m_barColor; }
    void setBarColor(const QColor& color);
    // The width follows the caption: its width in font() + 4, at least minWidth().
    // The unfilled part of the bar in one flat colour, so that only the filled part reads as
    // progress; invalid (the default) continues the gradient there.
    QColor trackColor() const { return m_trackColor; }
    void setTrackColor(const QColor& color);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool showPercentage() const { return m_showPercentage; }
    void setShowPercentage(bool on);
    QString text() const { return m_text; }
    void setText(const QString& text);
    int minimum() const { return m_minimum; }
    void setMinimum(int minimum);
    int maximum() const { return m_maximum; }
    void setMaximum(int maximum);
    // The filled fraction, 0 to 1. A value that is not a number counts as 0.
    float percent() const { return m_percent; }
    void setPercent(float percent);
    int value() const { return m_value; }
    // Also sets percent() = value / (maximum - minimum), or 0 when that range is below 1.
    void setValue(int value);

    // Renders the picture from the properties; every setter calls it.
    void refresh();

    // Copies the top-left width x height of the last rendering to (left, top); -1 means the
    // bar's width (under autoSize the larger of width and minWidth) or height. With a
    // constantAlpha below 255 the picture is blended at that opacity instead.
    void draw(QPainter& painter, int left, int top, int width = -1, int height = -1,
              int constantAlpha = 255) const;

    // The last rendering. It grows to fit the bar but never shrinks.
    const AlphaSurface& picture() const { return m_picture; }

private:
    void recolour(int filledWidth);
    void blendCaption();

    int m_minimum = 0;
    int m_maximum = 0;
    int m_value = 0;
    float m_percent = 0;
    QString m_text;
    bool m_autoSize = false;
    bool m_showPercentage = true;
    QColor m_barColor;
    QColor m_trackColor;
    QFont m_font;
    AlphaSurface m_picture;
    AlphaSurface m_captionPicture; // scratch of one rendering, kept to spare an allocation
    int m_width = 100;
    int m_minWidth = 16;
    int m_height = 20;
};

} // namespace kelvane
