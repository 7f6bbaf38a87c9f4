#pragma once

#include <string>

// What a Bins text such as "A3-2, B5" names: two bins holding three bottles.
struct BinCount {
    int bins = 0;
    int bottles = 0;
};

// Items are separated by ","; counting stops at the first empty item. An item "A3-2" holds the
// number after its first "-" (1 when none can be read), any other item one bottle.
BinCount countBins(const std::string& bins);

// The bin warning is due when the text names two or more bins whose bottles do not add up to the
// bottles left; a single bin is never checked.
bool binsDisagreeWithBottlesLeft(const std::string& bins, int bottlesLeft);
