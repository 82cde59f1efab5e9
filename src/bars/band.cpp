#include "bars/band.h"

#include "bars/bandcontainer.h"
#include "bars/bandlayout.h"

#include <QWidget>

namespace kelvane {

Band::Band(BandContainer* owner, const QString& key, QWidget* child, int minHeightTwips,
           bool newRow)
    : m_owner(owner)
    , m_key(key)
    , m_child(child)
    , m_minHeight(minHeightTwips)
    , m_newRow(newRow) {}

void Band::setNewRow(bool newRow) {
    if (m_newRow == newRow)
        return;
    m_newRow = newRow;
    m_owner->bandChanged();
}

void Band::setWidth(float twips) {
    const float width = BandLayout::clampWidth(twips);
    if (m_width == width)
        return;
    m_width = width;
    m_owner->bandChanged();
}

void Band::setVisible(bool visible) {
    if (m_visible == visible)
        return;
    m_visible = visible;
    if (m_child)
        m_child->setVisible(visible);
    m_owner->bandChanged();
}

} // namespace kelvane
