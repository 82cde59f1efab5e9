#pragma once

#include "bars/band.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace kelvane {

// The band container across the top of the main window. Its bands keep the order
// they were added in; each band continues the row of the visible band before it or starts a
// new row, and the rows stack top to bottom, each as high as its tallest band needs. A grip
// at each band's left edge lets the user drag the band: sideways to share the row differently
// with the band on its left, up or down to move it into another row where the order allows
// (see mainwnd/bandlayout.h).
class BandContainer : public QWidget {
    Q_OBJECT
public:
    explicit BandContainer(QWidget* parent = nullptr);
    ~BandContainer() override;

    int bandCount() const { return int(m_bands.size()); }
    // Null when there is no such band.
    Band* band(int index1Based) const;
    Band* band(const QString& key) const;

    // Adds a band after the others; the container takes `child` as its own widget. The band
    // starts visible with a width of 1000 twips.
    void addBand(const QString& key, QWidget* child, int minHeightTwips, bool newRow);

    // Shows the container exactly when at least one band is visible.
    void updateVisibility();
    bool anyBandVisible() const;

    // The band layout in the settings store: "BandRow"+i and "BandWidth"+i.
    void loadLayout();
    void saveLayout() const;

    // Where a visible band lies and where its grip is, in this widget's coordinates; an empty
    // rectangle for a hidden or unknown band.
    QRect bandRect(int index1Based) const;
    QRect gripRect(int index1Based) const;
    // The visible rows, top to bottom, each with its bands' 1-based indexes left to right.
    QList<QList<int>> rows() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The right mouse button was released over the container itself, a grip, or a part of a
    // band that does not take the click for itself.
    void contextMenuRequested(const QPoint& globalPos);
    // A band's row, width or visibility changed, by the user or by the program.
    void layoutChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class Band;

    struct Geometry {
        QList<QRect> bands; // by 0-based band index; empty for a hidden band
        QList<QRect> rows;  // full-width rectangles of the rows
        int height = 0;
    };

    void bandChanged();
    Geometry computeGeometry(int width) const;
    void relayout();
    int gripWidth() const;
    int minimumBandWidth() const;
    int rowHeight(const QList<int>& row) const;
    QList<bool> newRowFlags() const;
    QList<bool> visibleFlags() const;
    int bandAtGrip(const QPoint& pos) const;
    void dragTo(const QPoint& pos);

    std::vector<std::unique_ptr<Band>> m_bands;
    Geometry m_geometry;
    bool m_laidOut = false;
    bool m_inLayout = false;
    int m_dragBand = -1;  // 0-based band whose grip is held, -1 when none
    int m_grabOffset = 0; // pointer x minus the band's left edge when the grip was taken
};

} // namespace kelvane
