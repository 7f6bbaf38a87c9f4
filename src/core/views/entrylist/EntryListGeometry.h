#pragma once

#include "core/views/entrylist/GridRect.h"

// The rows of an Entry List pane: how tall they are and how many fit, from the font's text height
// and the bottom of the client area.
struct EntryListGeometry {
    static constexpr int kGridTop = 2;

    int rowHeight = 0;
    int firstRowY = 0; // the heading band runs from the grid top to here
    int rowsPerPage = 0;
    int gridBottom = 0;

    static EntryListGeometry compute(int textHeight, int clientBottom);

    int rowTop(int row) const { return firstRowY + row * rowHeight; }
    // The rectangle of data row `row` (0 = the first shown) between the given x.
    GridRect rowRect(int row, int left, int right) const {
        return {left, rowTop(row), right, rowTop(row + 1)};
    }
    GridRect headingBand(int gridLeft, int gridRight) const {
        return {gridLeft, kGridTop, gridRight, firstRowY};
    }

    // The vertical scroll range is 0 .. this for a Focus Set of `count` entries.
    int verticalMaximum(int count) const { return count - rowsPerPage > 0 ? count - rowsPerPage : 0; }
};
