#pragma once

#include <cstdint>
#include <string>

// One column of the Entry List grid, in the order its members have always had.
struct EntryListColumn {
    // A record as constructed shows no field yet.
    static constexpr std::int32_t kUnbound = 25;

    std::string heading;
    std::int32_t textX = 0;                // x of the heading and of every cell text: left + 3 after layout
    std::int32_t headingY = 0;             // y of the heading text
    std::int32_t width = 0;                // pixels on screen, hundredths of an inch on paper
    const std::string* cellText = nullptr; // the display string of this column for the row being drawn
    std::int32_t left = 0;                 // x of the left edge, horizontal offset included
    std::int32_t fieldId = kUnbound;
    std::int32_t spare = 0; // kept through arrangement files, otherwise unused
};
