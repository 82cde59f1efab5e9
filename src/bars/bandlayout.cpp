#include "bars/bandlayout.h"

#include "base/settingscatalogue.h"

#include <algorithm>

namespace kelvane {

namespace {

struct Place {
    int row = -1;
    int position = -1;
};

Place find(const QList<QList<int>>& rows, int band) {
    for (int r = 0; r < rows.size(); ++r) {
        const int p = int(rows[r].indexOf(band));
        if (p >= 0)
            return {r, p};
    }
    return {};
}

} // namespace

QList<QList<int>> BandLayout::rows(const QList<bool>& newRow, const QList<bool>& visible) {
    QList<QList<int>> result;
    const int count = int(std::min(newRow.size(), visible.size()));
    for (int i = 0; i < count; ++i) {
        if (!visible[i])
            continue;
        if (result.isEmpty() || newRow[i])
            result.append(QList<int>());
        result.last().append(i);
    }
    return result;
}

QList<int> BandLayout::splitRow(const QList<int>& wanted, int available, int minimum) {
    QList<int> widths;
    if (wanted.isEmpty())
        return widths;
    int used = 0;
    for (int i = 0; i + 1 < wanted.size(); ++i) {
        widths.append(std::max(wanted[i], minimum));
        used += widths.last();
    }
    widths.append(available - used);
    // Too narrow: take what the last band lacks from the bands before it, nearest first.
    int lack = minimum - widths.last();
    for (int i = int(widths.size()) - 2; i >= 0 && lack > 0; --i) {
        const int give = std::min(lack, widths[i] - minimum);
        widths[i] -= give;
        widths.last() += give;
        lack -= give;
    }
    widths.last() = std::max(widths.last(), minimum);
    return widths;
}

QList<int> BandLayout::dragGrip(const QList<int>& extents, int position, int dx, int minimum) {
    QList<int> result = extents;
    if (position <= 0 || position >= extents.size())
        return result;
    const int pair = extents[position - 1] + extents[position];
    const int high = std::max(pair - minimum, minimum);
    const int left = std::clamp(extents[position - 1] + dx, minimum, high);
    result[position - 1] = left;
    result[position] = pair - left;
    return result;
}

std::optional<BandLayout::Move> BandLayout::moveForDrag(const QList<QList<int>>& rows, int band,
                                                        bool upward) {
    const Place place = find(rows, band);
    if (place.row < 0)
        return std::nullopt;
    const QList<int>& row = rows[place.row];
    if (upward) {
        if (place.position == 0 && place.row > 0)
            return Move::JoinRowAbove;
        return std::nullopt;
    }
    if (row.size() == 1 && place.row + 1 < rows.size())
        return Move::JoinRowBelow;
    if (place.position > 0)
        return Move::OwnRow;
    return std::nullopt;
}

std::optional<QList<bool>> BandLayout::applyMove(const QList<bool>& newRow,
                                                 const QList<bool>& visible, int band, Move move) {
    const QList<QList<int>> current = rows(newRow, visible);
    const Place place = find(current, band);
    if (place.row < 0)
        return std::nullopt;
    const QList<int>& row = current[place.row];
    const bool hasNext = place.position + 1 < row.size();
    QList<bool> result = newRow;
    switch (move) {
    case Move::JoinRowAbove:
        if (place.position != 0 || place.row == 0)
            return std::nullopt;
        result[band] = false;
        if (hasNext)
            result[row[place.position + 1]] = true;
        break;
    case Move::JoinRowBelow:
        if (row.size() != 1 || place.row + 1 >= current.size())
            return std::nullopt;
        result[current[place.row + 1].first()] = false;
        break;
    case Move::OwnRow:
        if (place.position == 0)
            return std::nullopt;
        result[band] = true;
        if (hasNext)
            result[row[place.position + 1]] = true;
        break;
    }
    return result;
}

float BandLayout::clampWidth(float twips) {
    if (!(twips > 0)) // also NaN
        return 0;
    return std::min(twips, kMaxWidthTwips);
}

void BandLayout::load(QList<Stored>& bands) {
    for (int i = 1; i <= bands.size(); ++i) {
        Stored& band = bands[i - 1];
        if (i != 1)
            band.newRow = Settings::readBool(numberedKey(QStringLiteral("BandRow"), i), true);
        band.width =
            clampWidth(Settings::readPosition(numberedKey(QStringLiteral("BandWidth"), i), 1000));
    }
}

void BandLayout::save(const QList<Stored>& bands) {
    for (int i = 1; i <= bands.size(); ++i) {
        const Stored& band = bands[i - 1];
        Settings::writeBool(numberedKey(QStringLiteral("BandRow"), i), band.newRow);
        Settings::writePosition(numberedKey(QStringLiteral("BandWidth"), i), band.width);
    }
}

} // namespace kelvane
