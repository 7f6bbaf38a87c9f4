#include "core/setup/DropdownList.h"

#include "core/model/AtomicFile.h"
#include "core/model/WineDates.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <utility>

namespace {

// Recursive quicksort around the middle item; the order of equal items is not defined. Every scan
// compares with a copy of the pivot, so it stops within the range even if compare is not transitive.
template <typename Compare>
void quickSort(std::vector<std::string>& items, std::ptrdiff_t left, std::ptrdiff_t right, Compare compare) {
    std::ptrdiff_t i = left;
    std::ptrdiff_t j = right;
    const std::string pivot = items[static_cast<std::size_t>((left + right) / 2)];
    while (i <= j) {
        while (compare(items[static_cast<std::size_t>(i)], pivot) < 0)
            ++i;
        while (compare(items[static_cast<std::size_t>(j)], pivot) > 0)
            --j;
        if (i <= j) {
            std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
            ++i;
            --j;
        }
    }
    if (left < j)
        quickSort(items, left, j, compare);
    if (i < right)
        quickSort(items, i, right, compare);
}

template <typename Compare> void quickSort(std::vector<std::string>& items, Compare compare) {
    if (items.size() > 1)
        quickSort(items, 0, static_cast<std::ptrdiff_t>(items.size()) - 1, compare);
}

} // namespace

namespace DropdownList {

std::vector<std::string> readItems(const std::filesystem::path& file) {
    std::string text;
    std::string error;
    if (!readWholeFile(file, text, error))
        return {};
    return parseItems(text);
}

std::vector<std::string> parseItems(const std::string& text) {
    std::vector<std::string> items;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // The rest of an overlong line is dropped rather than read as items of its own.
        if (line.size() > kMaxItemLength)
            line.resize(kMaxItemLength);
        if (!line.empty())
            items.push_back(line);
    }
    return items;
}

std::vector<std::string> loadItems(const std::filesystem::path& startDirectory, const std::string& fileName) {
    std::vector<std::string> items = readItems(startDirectory / fileName);
    if (fileName == "quality.cbi")
        sortRatingsHighestFirst(items);
    else if (fileName == "bins.cbi")
        sortBins(items);
    return items;
}

int compareBins(const std::string& a, const std::string& b) {
    return compareNumberTextOverShorter(a, b, false);
}

void sortRatingsHighestFirst(std::vector<std::string>& ratings) {
    quickSort(ratings,
              [](const std::string& a, const std::string& b) { return compareNumberText(b, a, true); });
}

void sortBins(std::vector<std::string>& bins) {
    quickSort(bins, compareBins);
}

} // namespace DropdownList
