#include "core/editing/BinCheck.h"

#include <cstdio>

namespace {

int bottlesInBin(const std::string& item) {
    const std::string::size_type dash = item.find('-');
    if (dash == std::string::npos || dash == 0)
        return 1;
    int bottles = 0;
    return std::sscanf(item.c_str() + dash + 1, "%d", &bottles) == 1 ? bottles : 1;
}

} // namespace

BinCount countBins(const std::string& bins) {
    BinCount count;
    std::string::size_type start = 0;
    while (start <= bins.size()) {
        std::string::size_type comma = bins.find(',', start);
        if (comma == std::string::npos)
            comma = bins.size();
        const std::string item = bins.substr(start, comma - start);
        if (item.empty())
            break;
        ++count.bins;
        count.bottles += bottlesInBin(item);
        start = comma + 1;
    }
    return count;
}

bool binsDisagreeWithBottlesLeft(const std::string& bins, int bottlesLeft) {
    const BinCount count = countBins(bins);
    return count.bins >= 2 && count.bottles != bottlesLeft;
}
