#pragma once

#include <QString>

class QWidget;

namespace kelvane {

class BandContainer;

// One band of the band container: a child widget with a grip at its left edge. The container
// owns its bands and lays them out; setting a property here lays the container out again.
class Band {
public:
    Band(const Band&) = delete;
    Band& operator=(const Band&) = delete;

    QString key() const { return m_key; }
    QWidget* child() const { return m_child; }
    int minHeight() const { return m_minHeight; } // twips

    // Whether the band starts a row or continues the row of the visible band before it. The
    // first visible band starts the first row whatever this says.
    bool newRow() const { return m_newRow; }
    void setNewRow(bool newRow);

    // The width the band asks for, in twips (kept between 0 and 100 inches). The last band of
    // a row takes the rest of the row whatever it asks for.
    float width() const { return m_width; }
    void setWidth(float twips);

    // A hidden band takes no room and hides its child.
    bool visible() const { return m_visible; }
    void setVisible(bool visible);

private:
    friend class BandContainer;
    Band(BandContainer* owner, const QString& key, QWidget* child, int minHeightTwips, bool newRow);

    BandContainer* m_owner;
    QString m_key;
    QWidget* m_child;
    int m_minHeight;
    bool m_newRow;
    float m_width = 1000;
    bool m_visible = true;
};

} // namespace kelvane
