#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Dropdown list files (".cbi"): one known name per line, kept in the start directory.
namespace DropdownList {

// The longest item a list file holds; a longer line gives its first 79 characters.
inline constexpr std::size_t kMaxItemLength = 79;

// The non-empty lines of a list file, ended by CR LF or LF. A missing or unreadable file is empty.
std::vector<std::string> readItems(const std::filesystem::path& file);
// The same from the file's text.
std::vector<std::string> parseItems(const std::string& text);

// The items of the named list in the start directory in the order its dropdown shows them when the
// dropdown does not sort itself: "quality.cbi" highest rating first, "bins.cbi" in bin order, any
// other list as the file holds it.
std::vector<std::string> loadItems(const std::filesystem::path& startDirectory, const std::string& fileName);

// -1, 0 or 1 ordering bins: position by position over the shorter text a letter comes after a
// non-letter, numbers starting at the same position compare as numbers, other characters as
// characters; texts equal over the shorter length are equal.
int compareBins(const std::string& a, const std::string& b);

void sortRatingsHighestFirst(std::vector<std::string>& ratings);
void sortBins(std::vector<std::string>& bins);

} // namespace DropdownList
