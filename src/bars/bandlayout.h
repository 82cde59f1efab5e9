#pragma once

#include <QList>

#include <optional>

namespace kelvane {

// The rules of the band container that need no widgets: which bands share a row, how a row's
// width is shared out, what a drag at a grip does, and the band layout in the settings store.
// Bands keep one fixed order; a band either continues the row of the visible band before it
// or starts a new row. Indexes here are 0-based (band i + 1 is "Band" + (i + 1)).
class BandLayout {
public:
    // The rows of the visible bands, top to bottom, each listing its bands left to right. The
    // first visible band always starts the first row whatever its flag says; hidden bands take
    // no room and their flags only matter once they show again.
    static QList<QList<int>> rows(const QList<bool>& newRow, const QList<bool>& visible);

    // Shares `available` pixels out among the bands of one row. Every band but the last gets the
    // width it asks for, the last takes the rest. No band gets less than `minimum`: when the row
    // is too narrow the bands nearest the end give way first, and a row that cannot fit even at
    // the minimum runs past the edge.
    static QList<int> splitRow(const QList<int>& wanted, int available, int minimum);

    // A horizontal drag of the grip of the band at `position` (> 0) in a row of `extents`: the
    // grip moves by dx, so the neighbour on its left grows by dx and the band shrinks by as much;
    // neither goes below `minimum`. The grip of a row's first band has no neighbour to push and
    // changes nothing.
    static QList<int> dragGrip(const QList<int>& extents, int position, int dx, int minimum);

    // Moves that keep the band order:
    //  JoinRowAbove  the first band of a row joins the end of the row above; the bands after it
    //                stay where they are.
    //  JoinRowBelow  a band alone in its row joins the start of the row below.
    //  OwnRow        a band that is not first in its row leaves it for a row of its own just
    //                below; the bands after it start another row.
    enum class Move { JoinRowAbove, JoinRowBelow, OwnRow };

    // The move a vertical drag of `band` asks for when the pointer leaves the band's row upward
    // or downward; nothing when no move keeps the order.
    static std::optional<Move> moveForDrag(const QList<QList<int>>& rows, int band, bool upward);

    // The flags after the move, or nothing when the move is not possible for this band.
    static std::optional<QList<bool>> applyMove(const QList<bool>& newRow,
                                                const QList<bool>& visible, int band, Move move);

    // What is stored of each band: whether it starts a row and its width in twips.
    struct Stored {
        bool newRow = false;
        float width = 1000;
    };

    // Reads "BandRow"+i (bands 2 to count, default true) and "BandWidth"+i (every band, default
    // 1000) for i = 1 to bands.size(). Band 1's row flag is never read back. A width out of reason
    // (negative, or wider than any screen) is brought into range.
    static void load(QList<Stored>& bands);
    // Writes "BandRow"+i as "True"/"False" and "BandWidth"+i as a position, band by band in order.
    static void save(const QList<Stored>& bands);

    // The range a band width is kept in, in twips.
    static constexpr float kMaxWidthTwips = 144000; // 100 inches
    static float clampWidth(float twips);
};

} // namespace kelvane
