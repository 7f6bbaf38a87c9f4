#pragma once

#include <string>

// How the Entry List prints: grid, wine list or cellar book, with the margins from the paper's edges.
struct PrintStyle {
    static constexpr int kMinEntriesPerPage = 1;
    static constexpr int kMaxEntriesPerPage = 12;
    static constexpr float kMaxMargin = 3.5f;

    int entriesPerPage = 4; // cellar book style
    bool wrappedNotes = false;
    bool wineList = false; // instead of the grid, when not cellar book
    bool cellarBook = false;
    std::string title; // above a wine list
    float leftMargin = 0.75f;
    float rightMargin = 0.75f;
    float topMargin = 0.75f;
    float bottomMargin = 0.75f;

    // Margins are stored in thousandths of an inch.
    static float marginFromStored(int thousandths) { return static_cast<float>(thousandths) * 0.001f; }
    // 0.75 inch goes back as 750, not 749.
    static int marginToStored(float inches) { return static_cast<int>(inches * 1000.0f + 0.0005f); }

    bool isWineList() const { return !cellarBook && wineList; }
};
