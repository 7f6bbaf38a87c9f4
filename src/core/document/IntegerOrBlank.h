#pragma once

#include <optional>
#include <string>

// An integer dialog field that may be left blank, standing for a chosen blank value.
namespace IntegerOrBlank {

// The text a box shows: empty for the blank value or anything outside minimum..maximum.
std::string toText(int value, int blankValue, int minimum, int maximum);

// Takes a box's text into member: the blank value when empty, else the integer it begins with.
// Only the first 31 characters count. Gives false when the text holds no integer or one outside
// minimum..maximum; member then keeps whatever integer was read, and the caller shows
// message(minimum, maximum) and keeps the dialog open on that box.
bool take(const std::string& text, int& member, int blankValue, int minimum, int maximum);

// The value a box gives, or std::nullopt where take() fails.
std::optional<int> fromText(const std::string& text, int blankValue, int minimum, int maximum);

std::string message(int minimum, int maximum);

} // namespace IntegerOrBlank
