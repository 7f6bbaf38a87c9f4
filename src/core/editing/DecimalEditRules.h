#pragma once

#include <string>
#include <string_view>

// Stepping and normalising of a non-negative amount with two decimals (dollars, inches).
namespace DecimalEditRules {

inline constexpr std::string_view kAcceptedCharacters = "0123456789.";

// The text after one step of 0.25, 1 with Ctrl, 10 with Shift; unreadable text counts as 0 and the
// result never goes below 0.
std::string step(const std::string& text, int delta, bool ctrlDown, bool shiftDown);

// The amount as "%.2f", or the empty text when the text is not a plain non-negative number.
std::string normalizedText(const std::string& text);

} // namespace DecimalEditRules
