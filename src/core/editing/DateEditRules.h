#pragma once

#include <string>
#include <string_view>

// Stepping and checking of a date field typed as "m-d-yy".
namespace DateEditRules {

inline constexpr std::string_view kAcceptedCharacters = "0123456789-";

inline constexpr const char* kInvalidMessage =
    "Please enter a valid date formatted as\nmm-dd-yy, m-dd-yy, mm-d-yy, or m-d-yy.\n"
    "For example, 10-31-92 or 5-1-95.";

// The text after one step: a day, a month with Ctrl (Ctrl wins over Shift), a year with Shift. An
// empty text becomes today; a text without three numbers stays as it is. Dates stay within 1970-2035.
std::string step(const std::string& text, int delta, bool ctrlDown, bool shiftDown);

// An empty text or "m-d-yy" with a month 1-12, a day 1-31 and a year 0-99; the day is not checked
// against the month's length.
bool isValid(const std::string& text);

} // namespace DateEditRules
