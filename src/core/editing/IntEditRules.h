#pragma once

#include <string>
#include <string_view>

// How a whole-number field steps: by 1, by its own steps while Ctrl or Shift is held, to an end of
// its range with both.
struct IntStepSettings {
    int ctrlStep = 6;
    int shiftStep = 12;
    int minimum = 0;
    int maximum = 2040;
};

// Stepping and checking of a non-negative whole-number field.
namespace IntEditRules {

inline constexpr std::string_view kAcceptedCharacters = "0123456789-";

inline constexpr const char* kNotNonNegativeMessage = "Please enter a\nnon-negative integer";
inline constexpr const char* kTooLongMessage = "Please enter fewer characters.\n";

// The text after one step; unreadable text counts as 0 and the result stays within the range.
std::string step(const std::string& text, int delta, bool ctrlDown, bool shiftDown,
                 const IntStepSettings& settings);

// The Vintage field's steps: 10 with Ctrl, 100 with Shift, from 0 to two years past the current one.
IntStepSettings vintageSteps();

// The message that rejects the text, or the empty text when it passes. The range is not checked.
std::string validationMessage(const std::string& text, bool blankAllowed);

} // namespace IntEditRules
