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

// One list file and the entry field whose known values it keeps.
struct ListFile {
    const char* fileName;
    int field; // field index of the entry, also the field-name index of the page's caption
};
// The fourteen lists in the order of the setup sheet's pages.
inline constexpr ListFile kListFiles[] = {
    {"producer.cbi", 1}, {"app.cbi", 2},      {"xdesig.cbi", 3},  {"region.cbi", 9}, {"country.cbi", 14},
    {"wtype.cbi", 4},    {"quality.cbi", 10}, {"vendor.cbi", 15}, {"user1.cbi", 16}, {"user2.cbi", 17},
    {"user3.cbi", 18},   {"user4.cbi", 19},   {"user5.cbi", 20},  {"bins.cbi", 8},
};
inline constexpr int kBinsField = 8;

// The Find dialog keeps its recent search texts here, at most this many.
inline constexpr const char* kFindListFile = "find.cbi";
inline constexpr std::size_t kFindListLimit = 20;

// Creates the list file anew with every non-empty item, one per line ended by CR LF, stopping after
// `limit` items when it is not 0. Returns an empty string or why the file could not be written.
[[nodiscard]] std::string writeItems(const std::filesystem::path& file, const std::vector<std::string>& items,
                                     std::size_t limit = 0);

// A confirmed search text goes first in the Find list unless the list already holds it exactly.
void rememberSearchText(std::vector<std::string>& items, const std::string& text);

// "Add All Items from the Focus Set": adds each field text the list lacks, ignoring case; a Bins text
// is split at commas, each piece cut at its first "-" and trimmed ("A3-2, B5" adds A3 and B5).
void addMissingItems(std::vector<std::string>& items, const std::vector<std::string>& fieldTexts, bool bins);

} // namespace DropdownList
