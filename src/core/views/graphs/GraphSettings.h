#pragma once

#include "core/views/graphs/GraphKind.h"

#include <span>
#include <string>

// The settings of one graph window, kept in a section named after its class. Colours are 0x00BBGGRR.
struct GraphSettings {
    int sort = 0;     // 0/1 ascending/descending label, 2/3 ascending/descending count, -1 none
    int barStyle = 0; // 0 dynamic, 1 fixed to the largest bar, 2 fixed to userBarLength
    int userBarLength = 100;
    int numberBars = 12;
    int vertical = 0;
    int scope = 0; // 0 remaining, 1 acquired, 2 consumed, -1 none
    int gridLines = 1;
    int textColor = 0x000000;
    int borderColor = 0xC0C0E0;
    int backgroundColor = 0xE0C0C0;
    int barColor = 0x800080;
    std::string fontFace = "Arial";
    int fontHeight = 12;
    int fontWeight = 400;
    int fontIsItalic = 0;
    int minVintage = 1970;
    int maxVintage = 1995;
    int minCost = 10;
    int maxCost = 80;
    int minValue = 10;
    int maxValue = 80;
    bool applyToAll = false; // never stored

    bool operator==(const GraphSettings&) const = default;
};

// One stored whole-number setting.
struct GraphSettingKey {
    const char* key;
    int GraphSettings::*member;
};

// The whole-number keys every graph stores ("Font Face" is the only text).
std::span<const GraphSettingKey> graphSettingKeys();
// The two range keys, minimum first, stored only in the section of that graph; empty for the others.
std::span<const GraphSettingKey> graphRangeKeys(GraphKind kind);

// Sort and Scope mean nothing to some graphs.
void forceFixedSettings(GraphKind kind, GraphSettings& settings);

// This graph takes another's appearance; its range and font stay (fonts are the window's to copy).
void copyAppearance(GraphSettings& to, const GraphSettings& from, GraphKind toKind);

struct GraphRange {
    int minimum = 0;
    int maximum = 0;
};
GraphRange graphRange(GraphKind kind, const GraphSettings& settings);
void setGraphRange(GraphKind kind, GraphSettings& settings, GraphRange range);
