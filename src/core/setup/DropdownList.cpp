#include "core/setup/DropdownList.h"

#include "core/model/AtomicFile.h"
#include "core/model/Cp1252.h"
#include "core/model/WineDates.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <unordered_set>
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

std::string writeItems(const std::filesystem::path& file, const std::vector<std::string>& items,
                       std::size_t limit) {
    std::string text;
    std::size_t written = 0;
    for (const std::string& item : items) {
        if (limit != 0 && written == limit)
            break;
        ++written;
        if (!item.empty())
            text += item + "\r\n";
    }
    return writeFileAtomically(file,
                               std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void rememberSearchText(std::vector<std::string>& items, const std::string& text) {
    if (!text.empty() && std::find(items.begin(), items.end(), text) == items.end())
        items.insert(items.begin(), text);
}

void addMissingItems(std::vector<std::string>& items, const std::vector<std::string>& fieldTexts, bool bins) {
    std::unordered_set<std::string> known;
    for (const std::string& item : items)
        known.insert(Cp1252::toLower(item));
    const auto add = [&](const std::string& text) {
        if (!text.empty() && known.insert(Cp1252::toLower(text)).second)
            items.push_back(text);
    };
    for (const std::string& text : fieldTexts) {
        if (!bins) {
            add(text);
            continue;
        }
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t comma = std::min(text.find(',', start), text.size());
            std::string piece = text.substr(start, comma - start);
            piece = piece.substr(0, piece.find('-'));
            const std::size_t first = piece.find_first_not_of(" \t");
            const std::size_t last = piece.find_last_not_of(" \t");
            add(first == std::string::npos ? std::string() : piece.substr(first, last - first + 1));
            start = comma + 1;
        }
    }
}

} // namespace DropdownList
