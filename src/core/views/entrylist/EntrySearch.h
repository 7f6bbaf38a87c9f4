#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class CWine;

// Finding entries of the Focus Set by text: Find looks in name fields and notes ignoring case, the
// Find and Replace dialog in one field with case.
namespace EntrySearch {

// Find's check boxes, in the order the dialog shows them: Producer, Appellation/Varietal,
// Designation, Region, Country, Wine Type, Source/Vendor, Notes.
inline constexpr std::array<int, 8> kFindFields = {1, 2, 3, 9, 14, 4, 15, 13};
using FindFieldSet = std::array<bool, kFindFields.size()>;

struct FindOptions {
    bool allFields = true;
    FindFieldSet checked{}; // by the order of kFindFields
    bool up = false;
    bool stopAtEnd = false; // false: wrapped search
    bool matchCase = false; // the command line's --case; the Find dialog always ignores case
};

// Whether any field Find looks in holds lowerSearch (already in lower case), ignoring case; with
// matchCase, whether one holds the search text exactly.
bool findMatches(const CWine& wine, std::string_view lowerSearch, const FindOptions& options);

// The first position after (forward) or before the selected one that matches, looking at count - 1
// positions at most and never at the start itself; nothing when count is below 2. With no selected
// position the search starts from position 0. Without wrapping it stops at either end of the list.
std::optional<int> find(int count, int selected, bool forward, bool wrap,
                        const std::function<bool(int position)>& matches);

// Find and Replace's search: forward from the position after the selected one, round past the end,
// the start position last of all.
std::optional<int> findInField(int count, int selected, const std::function<bool(int position)>& matches);

// Find and Replace's match, with case: an empty Find What matches an empty field only.
bool fieldMatches(const std::string& field, const std::string& findWhat);

// The top row that shows a found position in the middle of the pane.
inline int centredTopRow(int position, int rowsPerPage) {
    const int top = position - rowsPerPage / 2;
    return top < 0 ? 0 : top;
}

} // namespace EntrySearch
