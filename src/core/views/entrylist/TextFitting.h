#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace TextFitting {

// The characters before the first carriage return or line feed: a multi-line note shows its first line.
std::size_t firstLineLength(std::string_view text);

// How many leading characters of the text's first line to draw in a column `width` pixels wide,
// leaving 3 pixels of margin. The text is cut, never marked; one longer than 3 characters always
// keeps at least 2. measurePrefix(n) gives the drawn width of the first n characters; it is asked
// O(log n) times.
int fittedLength(std::string_view text, int width, const std::function<int(int count)>& measurePrefix);

} // namespace TextFitting
