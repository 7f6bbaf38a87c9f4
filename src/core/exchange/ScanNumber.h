#pragma once

#include <string_view>

// Numbers read from text the way "%d" and "%f" read them: leading blanks skipped, the longest number
// at the start taken, anything after it ignored. A text that holds no number gives false and leaves
// the target alone.
namespace ScanNumber {

bool scanInt(std::string_view text, int& value);
bool scanFloat(std::string_view text, float& value);

} // namespace ScanNumber
