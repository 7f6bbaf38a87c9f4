#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The tab-separated text that import reads and export writes: one record per line, fields split at
// every tab, no escaping.
namespace TabText {

// A line is read into a buffer of 65535 bytes, so a longer line cannot be read whole.
inline constexpr std::size_t kLongestLine = 65534;
// The mapping dialog reads the header with a buffer of 4095 bytes.
inline constexpr std::size_t kLongestHeader = 4094;

struct Line {
    std::string_view text; // without its line end
    bool tooLong = false;
};

// The lines of the bytes as a text-mode read gives them: a carriage return before a line feed is
// dropped, and a last line without a line end still counts. The views point into bytes.
std::vector<Line> lines(std::string_view bytes);

// The header's column names: a piece for every tab-separated part, none for a tab at the very end.
// Only its first kLongestHeader characters count.
std::vector<std::string_view> headerColumns(std::string_view header);
// The header line of a whole file.
std::string_view headerLine(std::string_view bytes);

// The fields of a data line, as if one tab were appended: "a\tb" has two, "" one, "a\t" two.
void splitFields(std::string_view line, std::vector<std::string_view>& fields);

// One leading and one trailing double quote go; quotes inside stay.
std::string_view withoutQuotes(std::string_view field);

} // namespace TabText
