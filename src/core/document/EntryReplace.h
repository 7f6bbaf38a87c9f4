#pragma once

#include "core/model/WineText.h"

#include <array>
#include <string>

// Replacing text in one field of an entry, as Find and Replace does it: with case, the first
// occurrence only.
namespace EntryReplace {

// The 18 fields Find and Replace offers, in the order of its radio buttons: Producer,
// Appellation/Varietal, Designation, Region, Country, Wine Type, Source/Vendor, Bins, Rating, Date
// Acquired, Try Date, Drink Date, Notes, User1 to User5.
inline constexpr std::array<int, 18> kFields = {1,  2,  3,  9,  14, 4,  15, 8,  10,
                                                23, 11, 12, 13, 16, 17, 18, 19, 20};

// Replaces the first occurrence of findWhat; an empty findWhat fills an empty field. True when the
// field changed hands.
bool replaceFirst(WineText& field, const std::string& findWhat, const std::string& replaceWith);

} // namespace EntryReplace
