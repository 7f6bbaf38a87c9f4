#include "core/views/entrylist/EntryListScrolling.h"

#include <algorithm>

namespace EntryListScrolling {

std::optional<VerticalScroll> scrollVertically(ScrollCode code, int position, int topRow, int count,
                                               const EntryListGeometry& geometry, int gridLeft,
                                               int gridRight) {
    const int rowsPerPage = geometry.rowsPerPage;
    int newTop = topRow;
    switch (code) {
    case ScrollCode::LineUp:
        newTop = topRow - 1;
        break;
    case ScrollCode::LineDown:
        newTop = topRow + 1;
        break;
    case ScrollCode::PageUp:
        newTop = topRow + 1 - rowsPerPage;
        break;
    case ScrollCode::PageDown:
        newTop = topRow + rowsPerPage - 1;
        break;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
        newTop = position;
        break;
    default:
        return std::nullopt;
    }

    VerticalScroll scroll;
    scroll.topRow = newTop;
    if (scroll.topRow > count - rowsPerPage)
        scroll.topRow = count - rowsPerPage;
    if (scroll.topRow < 0)
        scroll.topRow = 0;
    scroll.rangeMaximum = geometry.verticalMaximum(count);

    // The frame's left line stays where it is, so the moving band starts one pixel inside it.
    const GridRect dataRows{gridLeft + 1, geometry.firstRowY, gridRight, geometry.gridBottom};
    if (code == ScrollCode::LineUp) {
        scroll.oneRow = true;
        if (newTop >= 0) {
            scroll.moveBy = geometry.rowHeight;
            scroll.movedArea = dataRows;
        }
        scroll.repaintArea = geometry.rowRect(0, gridLeft + 1, gridRight);
    } else if (code == ScrollCode::LineDown) {
        scroll.oneRow = true;
        if (newTop <= count - rowsPerPage) {
            scroll.moveBy = -geometry.rowHeight;
            scroll.movedArea = dataRows;
        }
        scroll.repaintArea = geometry.rowRect(rowsPerPage - 1, gridLeft + 1, gridRight);
    }
    return scroll;
}

std::optional<int> scrollHorizontally(ScrollCode code, int position, int offset, int clientWidth,
                                      int gridWidth) {
    switch (code) {
    case ScrollCode::LineLeft:
        offset -= 10;
        break;
    case ScrollCode::LineRight:
        offset += 10;
        break;
    case ScrollCode::PageLeft:
        offset -= clientWidth / 3;
        break;
    case ScrollCode::PageRight:
        offset += clientWidth / 3;
        break;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
        offset = position;
        break;
    default:
        return std::nullopt;
    }
    // The grid's right edge stops at the client's right edge; a grid narrower than the client area
    // stays at its left edge rather than moving right.
    return std::max(0, std::min(offset, horizontalMaximum(gridWidth, clientWidth)));
}

} // namespace EntryListScrolling
