// Feeds arbitrary bytes to the dropdown list reader (".cbi") and sorts what it read the way the rating
// and bin lists are sorted: items are never empty or overlong, and sorting keeps every item.
#include "core/setup/DropdownList.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> items =
        DropdownList::parseItems(std::string(reinterpret_cast<const char*>(data), size));
    for (const std::string& item : items)
        if (item.empty() || item.size() > DropdownList::kMaxItemLength)
            std::abort();
    std::vector<std::string> sorted = items;
    if (size > 0 && data[0] % 2 == 0)
        DropdownList::sortRatingsHighestFirst(sorted);
    else
        DropdownList::sortBins(sorted);
    std::sort(items.begin(), items.end());
    std::sort(sorted.begin(), sorted.end());
    if (items != sorted)
        std::abort();
    return 0;
}
