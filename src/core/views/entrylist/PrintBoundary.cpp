#include "core/views/entrylist/PrintBoundary.h"

namespace PrintBoundary {

namespace {

// Halves round up, and the fraction is dropped as the integer conversion does.
int rounded(float hundredths) {
    return static_cast<int>(hundredths + 0.5f);
}

} // namespace

std::optional<int> x(const PrinterPage& page, float leftMargin, float rightMargin) {
    if (page.unitsPerInch <= 0)
        return std::nullopt;
    const float perInch = static_cast<float>(page.unitsPerInch);
    const int width = page.printableWidth * 100 / page.unitsPerInch;
    const float leftUnprintable = static_cast<float>(page.printableLeft) / perInch;
    const float rightUnprintable =
        static_cast<float>(page.paperWidth - page.printableWidth - page.printableLeft) / perInch;
    const int left = rounded((leftMargin - leftUnprintable) * 100.0f);
    const int right = rounded((rightMargin - rightUnprintable) * 100.0f);
    return width - left - right;
}

} // namespace PrintBoundary
