#include "core/views/entrylist/PrintPageMetrics.h"

#include "core/model/CWine.h"
#include "core/views/entrylist/EntryListColumns.h"

namespace {

// Halves round up; the fraction is dropped as the integer conversion does.
int rounded(float hundredths) {
    return static_cast<int>(hundredths + 0.5f);
}

int marginFromPrintable(float marginInches, int unprintable, int unitsPerInch) {
    return rounded((marginInches - static_cast<float>(unprintable) / static_cast<float>(unitsPerInch)) *
                   100.0f);
}

} // namespace

std::optional<PrintPageMetrics> PrintPageMetrics::compute(const PrinterDevice& device,
                                                          const PrintStyle& style, int textHeight) {
    if (device.unitsPerInchX <= 0 || device.unitsPerInchY <= 0)
        return std::nullopt;
    PrintPageMetrics m;
    m.pageWidth = device.printableWidth * 100 / device.unitsPerInchX;
    m.pageHeight = device.printableHeight * 100 / device.unitsPerInchY;
    const int rightStrip = device.paperWidth - device.printableWidth - device.printableLeft;
    const int bottomStrip = device.paperHeight - device.printableHeight - device.printableTop;
    m.left = marginFromPrintable(style.leftMargin, device.printableLeft, device.unitsPerInchX);
    m.right = marginFromPrintable(style.rightMargin, rightStrip, device.unitsPerInchX);
    m.top = marginFromPrintable(style.topMargin, device.printableTop, device.unitsPerInchY);
    m.bottom = marginFromPrintable(style.bottomMargin, bottomStrip, device.unitsPerInchY);
    m.boundaryX = m.pageWidth - m.left - m.right;

    m.rowHeight = textHeight + 2;
    // A wine list has no rules, so its rows get a little air instead.
    if (style.isWineList())
        m.rowHeight = m.rowHeight * 11 / 10;
    m.firstRowY = kGridTop + 2 * m.rowHeight - 1;
    const int usable = m.pageHeight - m.top - m.bottom;
    m.rowsPerPage = style.cellarBook ? usable / m.rowHeight : (usable - m.firstRowY - 2) / m.rowHeight;
    m.gridBottom = m.firstRowY + m.rowsPerPage * m.rowHeight;
    return m;
}

namespace PrintColumns {

int lastPrinted(const EntryListColumns& columns, int boundaryX) {
    int last = 0;
    int right = EntryListColumns::kGridLeftAtNoOffset;
    for (int position = 0; position < EntryListColumns::kCount; ++position) {
        right += columns[position].width;
        if (right > boundaryX)
            break;
        last = position;
    }
    return last;
}

int notesColumn(const EntryListColumns& columns) {
    for (int position = 0; position < EntryListColumns::kCount; ++position) {
        if (columns[position].fieldId == CWine::Notes)
            return position;
    }
    return EntryListColumns::kCount;
}

} // namespace PrintColumns
