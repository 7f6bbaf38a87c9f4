#pragma once

#include <optional>
#include <string>

// An integer dialog field that may be left blank, standing for a chosen blank value.
namespace IntegerOrBlank {

// The text a box shows: empty for the blank value or anything outside minimum..maximum.
std::string toText(int value, int blankValue, int minimum, int maximum);

// The value a box gives: the blank value when empty, the integer when it lies in minimum..maximum,
// otherwise std::nullopt and the caller shows message(minimum, maximum).
std::optional<int> fromText(const std::string& text, int blankValue, int minimum, int maximum);

std::string message(int minimum, int maximum);

} // namespace IntegerOrBlank
