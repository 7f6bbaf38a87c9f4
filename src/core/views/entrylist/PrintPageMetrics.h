#pragma once

#include "core/views/entrylist/PrintStyle.h"

#include <optional>

class EntryListColumns;

// A printer's paper and printable area in its own device units.
struct PrinterDevice {
    int paperWidth = 0;
    int paperHeight = 0;
    int printableLeft = 0; // the unprintable strips at the paper's left and top edges
    int printableTop = 0;
    int printableWidth = 0;
    int printableHeight = 0;
    int unitsPerInchX = 0;
    int unitsPerInchY = 0;
};

// One printed page of the Entry List in hundredths of an inch, origin at the top-left margin.
struct PrintPageMetrics {
    static constexpr int kGridTop = 2;

    int pageWidth = 0; // the printable area
    int pageHeight = 0;
    int left = 0; // margins, counted from the printable area
    int right = 0;
    int top = 0;
    int bottom = 0;
    int boundaryX = 0; // the width between the margins; the screen shows it as the print boundary
    int rowHeight = 0;
    int firstRowY = 0;
    int rowsPerPage = 0;
    int gridBottom = 0;

    // Nothing for a printer that reports no resolution. textHeight is the Entry List font's height on
    // the page.
    static std::optional<PrintPageMetrics> compute(const PrinterDevice& device, const PrintStyle& style,
                                                   int textHeight);

    bool isEmpty() const { return pageWidth <= 0 || pageHeight <= 0; }
};

namespace PrintColumns {

// The last column, counted from the first, that ends within boundaryX when the grid is not scrolled;
// the first column is always printed.
int lastPrinted(const EntryListColumns& columns, int boundaryX);
// The position of the Notes column.
int notesColumn(const EntryListColumns& columns);

} // namespace PrintColumns
