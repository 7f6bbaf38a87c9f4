#include "core/views/entrylist/EntrySearch.h"

#include "core/model/CWine.h"
#include "core/model/Cp1252.h"

#include <algorithm>

namespace EntrySearch {

namespace {

// Find examines the fields in this order; the first that matches decides.
constexpr std::array<int, 8> kExamineOrder = {CWine::Producer, CWine::Designation, CWine::Appellation,
                                              CWine::Region,   CWine::Country,     CWine::WineType,
                                              CWine::Vendor,   CWine::Notes};

bool containsIgnoringCase(std::string_view field, std::string_view lowerSearch) {
    const auto found = std::search(field.begin(), field.end(), lowerSearch.begin(), lowerSearch.end(),
                                   [](char a, char b) { return Cp1252::toLower(a) == b; });
    return found != field.end();
}

bool isChosen(int field, const FindOptions& options) {
    if (options.allFields)
        return true;
    for (std::size_t i = 0; i < kFindFields.size(); ++i) {
        if (kFindFields[i] == field)
            return options.checked[i];
    }
    return false;
}

} // namespace

bool findMatches(const CWine& wine, std::string_view lowerSearch, const FindOptions& options) {
    for (int field : kExamineOrder) {
        if (!isChosen(field, options))
            continue;
        const std::string_view text = *wine.textField(field);
        if (options.matchCase ? text.find(lowerSearch) != std::string::npos
                              : containsIgnoringCase(text, lowerSearch))
            return true;
    }
    return false;
}

std::optional<int> find(int count, int selected, bool forward, bool wrap,
                        const std::function<bool(int position)>& matches) {
    if (count < 2)
        return std::nullopt;
    const int start = selected >= 0 && selected < count ? selected : 0;
    const int step = forward ? 1 : -1;
    int position = start;
    for (int examined = 0; examined < count - 1; ++examined) {
        position += step;
        if (position < 0 || position >= count) {
            if (!wrap)
                return std::nullopt;
            position = position < 0 ? count - 1 : 0;
        }
        if (matches(position))
            return position;
    }
    return std::nullopt;
}

std::optional<int> findInField(int count, int selected, const std::function<bool(int position)>& matches) {
    const int start = selected >= 0 && selected < count ? selected : 0;
    for (int examined = 1; examined <= count; ++examined) {
        const int position = (start + examined) % count;
        if (matches(position))
            return position;
    }
    return std::nullopt;
}

bool fieldMatches(const std::string& field, const std::string& findWhat) {
    if (findWhat.empty())
        return field.empty();
    return field.find(findWhat) != std::string::npos;
}

} // namespace EntrySearch
