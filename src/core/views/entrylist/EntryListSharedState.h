#pragma once

// What every Entry List pane of the program shares: one value each, not one per pane.
struct EntryListSharedState {
    int selectedEntry = -1; // Focus Set position, or -1 for none
    int topRow = 0;         // Focus Set position shown in the first data row
    bool printBoundaryShown = false;
    int printBoundaryX = -1; // printable width in hundredths of an inch; -1 until printing computes it
};
