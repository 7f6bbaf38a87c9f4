#pragma once

#include "core/views/entrylist/EntryListGeometry.h"
#include "core/views/entrylist/GridRect.h"

#include <optional>

// How the Entry List moves when scrolled, apart from any window: each rule gives the new position
// and what has to be drawn again.
namespace EntryListScrolling {

// A horizontal scroll uses the same codes: left for up, right for down.
enum class ScrollCode {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    ThumbPosition,
    ThumbTrack,
    EndScroll,
    LineLeft = LineUp,
    LineRight = LineDown,
    PageLeft = PageUp,
    PageRight = PageDown,
};

struct VerticalScroll {
    int topRow = 0;
    int rangeMaximum = 0; // the range is set again to 0 .. this
    // A one-row move repaints a single row without frame or headings; anything else repaints all.
    bool oneRow = false;
    // The pixels of the data rows within movedArea shift down (positive) or up by this much first.
    int moveBy = 0;
    GridRect movedArea;
    GridRect repaintArea; // the one row to draw, when oneRow
};

// Nothing when the code does nothing.
std::optional<VerticalScroll> scrollVertically(ScrollCode code, int position, int topRow, int count,
                                               const EntryListGeometry& geometry, int gridLeft,
                                               int gridRight);

// The new horizontal offset, or nothing when the code does nothing. gridWidth is the sum of the
// column widths; the offset stops where the grid's right edge meets the client area's.
std::optional<int> scrollHorizontally(ScrollCode code, int position, int offset, int clientWidth,
                                      int gridWidth);

inline int horizontalMaximum(int gridWidth, int clientWidth) {
    return gridWidth - clientWidth;
}

} // namespace EntryListScrolling
