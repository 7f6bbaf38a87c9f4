#include "core/views/entrylist/EntryListMouse.h"

#include <cstdlib>

namespace EntryListMouse {

std::optional<int> rowPositionAt(int y, int topRow, const EntryListGeometry& geometry) {
    if (y < geometry.firstRowY || geometry.rowHeight <= 0)
        return std::nullopt;
    return topRow + (y - geometry.firstRowY) / geometry.rowHeight;
}

std::optional<int> resizeBorderAt(const EntryListColumns& columns, int x) {
    for (int column = 0; column + 1 < EntryListColumns::kCount; ++column) {
        if (std::abs(x - columns[column + 1].left) < kBorderReach)
            return column;
    }
    return std::nullopt;
}

std::optional<int> columnAt(const EntryListColumns& columns, int x) {
    for (int column = 0; column < EntryListColumns::kCount; ++column) {
        if (columns[column].left + columns[column].width > x)
            return column;
    }
    return std::nullopt;
}

std::optional<int> droppedWidth(int x, int columnLeft) {
    const int width = x - columnLeft;
    if (width <= kNarrowestRefused)
        return std::nullopt;
    return width;
}

bool BorderDrag::moveTo(int x, int columnLeft) {
    if (x <= columnLeft + kNarrowestRefused)
        return false;
    invert(m_guideX);
    invert(x);
    m_guideX = x;
    return true;
}

void BorderDrag::invert(int x) {
    if (!m_inverted.erase(x))
        m_inverted.insert(x);
}

} // namespace EntryListMouse
