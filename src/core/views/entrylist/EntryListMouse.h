#pragma once

#include "core/views/entrylist/EntryListColumns.h"
#include "core/views/entrylist/EntryListGeometry.h"

#include <optional>
#include <set>

// Where the mouse is on an Entry List pane, apart from any window.
namespace EntryListMouse {

// A press this close to a border between two columns in the heading band drags that border.
inline constexpr int kBorderReach = 4;
// No column is made as narrow as this or narrower.
inline constexpr int kNarrowestRefused = 10;

// The Focus Set position of the row under y, whether or not an entry stands there; nothing above
// the first data row.
std::optional<int> rowPositionAt(int y, int topRow, const EntryListGeometry& geometry);

// The column whose right border lies under x: the borders between two columns count, the grid's
// outer edges do not.
std::optional<int> resizeBorderAt(const EntryListColumns& columns, int x);

// The first column, from the left, whose right edge lies past x; nothing right of the last one.
std::optional<int> columnAt(const EntryListColumns& columns, int x);

// The width a border dropped at x gives the column starting at columnLeft; nothing when too narrow.
std::optional<int> droppedWidth(int x, int columnLeft);

// The guide line of a border drag. The line is drawn by inverting pixels, so drawing it twice at the
// same x removes it: the start x is inverted too once the line first moves, which hides the old border.
class BorderDrag {
public:
    BorderDrag(int column, int borderX) : m_column(column), m_guideX(borderX) {}

    int column() const { return m_column; }
    // The pointer moved to x over a column starting at columnLeft; false when the line stays.
    bool moveTo(int x, int columnLeft);
    // The x of every inverted vertical line, in increasing order.
    const std::set<int>& invertedLines() const { return m_inverted; }

private:
    void invert(int x);

    int m_column;
    int m_guideX;
    std::set<int> m_inverted;
};

} // namespace EntryListMouse
