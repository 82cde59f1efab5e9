#include "bars/bandcontainer.h"

#include "bars/bandlayout.h"
#include "platform/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace kelvane {

namespace {

constexpr int kRowGap = 2;          // the etched line between two rows
constexpr int kMinimumContent = 16; // what a band keeps of its child when squeezed

} // namespace

BandContainer::BandContainer(QWidget* parent)
    : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setMouseTracking(true);
    // A right click here is the band popup's, raised at the release; no context-menu event
    // may travel on to the main window.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

BandContainer::~BandContainer() = default;

Band* BandContainer::band(int index1Based) const {
    if (index1Based < 1 || index1Based > bandCount())
        return nullptr;
    return m_bands[index1Based - 1].get();
}

Band* BandContainer::band(const QString& key) const {
    for (const auto& b : m_bands) {
        if (b->key() == key)
            return b.get();
    }
    return nullptr;
}

void BandContainer::addBand(const QString& key, QWidget* child, int minHeightTwips, bool newRow) {
    if (child) {
        child->setParent(this);
        child->show();
    }
    m_bands.push_back(
        std::unique_ptr<Band>(new Band(this, key, child, std::max(0, minHeightTwips), newRow)));
    bandChanged();
}

bool BandContainer::anyBandVisible() const {
    return std::any_of(m_bands.begin(), m_bands.end(), [](const auto& b) { return b->visible(); });
}

void BandContainer::updateVisibility() {
    setVisible(anyBandVisible());
}

void BandContainer::loadLayout() {
    QList<BandLayout::Stored> stored;
    for (const auto& b : m_bands)
        stored.append({b->newRow(), b->width()});
    BandLayout::load(stored);
    m_inLayout = true; // one layout for the lot
    for (int i = 0; i < bandCount(); ++i) {
        m_bands[i]->setNewRow(stored[i].newRow);
        m_bands[i]->setWidth(stored[i].width);
    }
    m_inLayout = false;
    bandChanged();
}

void BandContainer::saveLayout() const {
    QList<BandLayout::Stored> stored;
    for (const auto& b : m_bands)
        stored.append({b->newRow(), b->width()});
    BandLayout::save(stored);
}

QRect BandContainer::bandRect(int index1Based) const {
    if (index1Based < 1 || index1Based > m_geometry.bands.size())
        return {};
    return m_geometry.bands[index1Based - 1];
}

QRect BandContainer::gripRect(int index1Based) const {
    const QRect rect = bandRect(index1Based);
    if (rect.isEmpty())
        return {};
    return QRect(rect.left(), rect.top(), gripWidth(), rect.height());
}

QList<QList<int>> BandContainer::rows() const {
    QList<QList<int>> result = BandLayout::rows(newRowFlags(), visibleFlags());
    for (QList<int>& row : result) {
        for (int& index : row)
            ++index;
    }
    return result;
}

QSize BandContainer::sizeHint() const {
    int width = 0;
    const QList<QList<int>> all = BandLayout::rows(newRowFlags(), visibleFlags());
    for (const QList<int>& row : all) {
        int rowWidth = 0;
        for (int i : row) {
            const QWidget* child = m_bands[i]->child();
            rowWidth += gripWidth() + (child ? std::max(child->sizeHint().width(), 0) : 0);
        }
        width = std::max(width, rowWidth);
    }
    return QSize(width, computeGeometry(std::max(width, 1)).height);
}

QSize BandContainer::minimumSizeHint() const {
    return QSize(minimumBandWidth(), computeGeometry(minimumBandWidth()).height);
}

bool BandContainer::event(QEvent* event) {
    // A child asks for another size (a toolbar that shows more buttons, say).
    if (event->type() == QEvent::LayoutRequest)
        relayout();
    return QWidget::event(event);
}

void BandContainer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void BandContainer::bandChanged() {
    if (m_inLayout)
        return;
    relayout();
    Q_EMIT layoutChanged();
}

int BandContainer::gripWidth() const {
    return std::max(8, style()->pixelMetric(QStyle::PM_ToolBarHandleExtent, nullptr, this));
}

int BandContainer::minimumBandWidth() const {
    return gripWidth() + kMinimumContent;
}

QList<bool> BandContainer::newRowFlags() const {
    QList<bool> flags;
    for (const auto& b : m_bands)
        flags.append(b->newRow());
    return flags;
}

QList<bool> BandContainer::visibleFlags() const {
    QList<bool> flags;
    for (const auto& b : m_bands)
        flags.append(b->visible());
    return flags;
}

int BandContainer::rowHeight(const QList<int>& row) const {
    int height = 0;
    for (int i : row) {
        const Band& b = *m_bands[i];
        height = std::max(height, twipsToPixels(b.minHeight(), logicalDpiY()));
        if (b.child())
            height = std::max(height, b.child()->sizeHint().height());
    }
    return height;
}

BandContainer::Geometry BandContainer::computeGeometry(int width) const {
    Geometry g;
    g.bands.resize(bandCount());
    int top = 0;
    const QList<QList<int>> all = BandLayout::rows(newRowFlags(), visibleFlags());
    for (const QList<int>& row : all) {
        if (!g.rows.isEmpty())
            top += kRowGap;
        const int height = rowHeight(row);
        QList<int> wanted;
        for (int i : row)
            wanted.append(twipsToPixels(m_bands[i]->width(), logicalDpiX()));
        const QList<int> widths = BandLayout::splitRow(wanted, width, minimumBandWidth());
        int left = 0;
        for (int p = 0; p < row.size(); ++p) {
            g.bands[row[p]] = QRect(left, top, widths[p], height);
            left += widths[p];
        }
        g.rows.append(QRect(0, top, width, height));
        top += height;
    }
    g.height = top;
    return g;
}

void BandContainer::relayout() {
    const Geometry g = computeGeometry(width());
    const bool heightChanged = !m_laidOut || g.height != m_geometry.height;
    m_geometry = g;
    m_laidOut = true;
    for (int i = 0; i < bandCount(); ++i) {
        QWidget* child = m_bands[i]->child();
        const QRect rect = g.bands[i];
        if (child && !rect.isEmpty())
            child->setGeometry(rect.adjusted(gripWidth(), 0, 0, 0));
    }
    update();
    if (heightChanged)
        updateGeometry();
}

void BandContainer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int i = 1; i <= bandCount(); ++i) {
        const QRect grip = gripRect(i);
        if (grip.isEmpty())
            continue;
        QStyleOption option;
        option.initFrom(this);
        option.rect = grip.adjusted(1, 2, -1, -2);
        option.state |= QStyle::State_Horizontal; // a grip standing up, as on a toolbar
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarHandle, &option, &painter, this);
    }
    // Etched lines between the rows.
    for (qsizetype r = 1; r < m_geometry.rows.size(); ++r) {
        const int y = m_geometry.rows[r].top() - kRowGap;
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(0, y, width(), y);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(0, y + 1, width(), y + 1);
    }
}

int BandContainer::bandAtGrip(const QPoint& pos) const {
    for (int i = 1; i <= bandCount(); ++i) {
        if (gripRect(i).contains(pos))
            return i - 1;
    }
    return -1;
}

void BandContainer::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        m_dragBand = bandAtGrip(pos);
        if (m_dragBand >= 0)
            m_grabOffset = pos.x() - m_geometry.bands[m_dragBand].left();
    }
    event->accept();
}

void BandContainer::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_dragBand >= 0 && (event->buttons() & Qt::LeftButton)) {
        dragTo(pos);
    } else {
        m_dragBand = -1;
        if (bandAtGrip(pos) >= 0)
            setCursor(Qt::SizeAllCursor);
        else
            unsetCursor();
    }
    event->accept();
}

void BandContainer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_dragBand >= 0)
        dragTo(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_dragBand = -1;
    else if (event->button() == Qt::RightButton)
        Q_EMIT contextMenuRequested(event->globalPosition().toPoint());
    event->accept();
}

// Follows the pointer with the held band: first into another row when the pointer has left
// the band's row and the order allows it, then sideways within its row.
void BandContainer::dragTo(const QPoint& pos) {
    const int index = m_dragBand;
    if (index < 0 || index >= bandCount() || !m_bands[index]->visible())
        return;
    QRect rect = m_geometry.bands[index];
    const bool up = pos.y() < rect.top();
    const bool down = pos.y() > rect.bottom();
    if (up || down) {
        const QList<bool> visible = visibleFlags();
        const auto move =
            BandLayout::moveForDrag(BandLayout::rows(newRowFlags(), visible), index, up);
        if (move) {
            if (const auto flags = BandLayout::applyMove(newRowFlags(), visible, index, *move)) {
                m_inLayout = true;
                for (int i = 0; i < bandCount(); ++i)
                    m_bands[i]->setNewRow((*flags)[i]);
                m_inLayout = false;
                bandChanged();
                rect = m_geometry.bands[index];
            }
        }
    }

    const QList<QList<int>> all = BandLayout::rows(newRowFlags(), visibleFlags());
    for (const QList<int>& row : all) {
        const int position = int(row.indexOf(index));
        if (position <= 0)
            continue;
        QList<int> extents;
        for (int i : row)
            extents.append(m_geometry.bands[i].width());
        const int dx = pos.x() - m_grabOffset - rect.left();
        const QList<int> resized = BandLayout::dragGrip(extents, position, dx, minimumBandWidth());
        if (resized == extents)
            return;
        const int left = row[position - 1];
        m_inLayout = true;
        m_bands[left]->setWidth(float(pixelsToTwips(resized[position - 1], logicalDpiX())));
        m_bands[index]->setWidth(float(pixelsToTwips(resized[position], logicalDpiX())));
        m_inLayout = false;
        bandChanged();
        return;
    }
}

} // namespace kelvane
