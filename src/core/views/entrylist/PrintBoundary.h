#pragma once

#include <optional>

// Where the printed page ends, measured like the screen's columns: a column 150 pixels wide prints
// 1.5 inches wide, so the printable width in hundredths of an inch is also an x on the screen.
namespace PrintBoundary {

// A printer's page in its own device units.
struct PrinterPage {
    int paperWidth = 0;
    int printableLeft = 0; // the unprintable strip at the paper's left edge
    int printableWidth = 0;
    int unitsPerInch = 0;
};

// Margins are kept in thousandths of an inch.
inline float marginInches(int stored) {
    return static_cast<float>(stored) * 0.001f;
}

// The width between the margins, in hundredths of an inch; the margins (in inches) count from the
// paper's edges. Nothing for a printer that reports no resolution.
std::optional<int> x(const PrinterPage& page, float leftMargin, float rightMargin);

} // namespace PrintBoundary
