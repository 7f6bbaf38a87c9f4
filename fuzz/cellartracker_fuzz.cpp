// Feeds arbitrary bytes to the CellarTracker import. Every row is counted once, as an entry's bottle
// or a skipped row, and nothing it reports goes past what it read.
#include "core/exchange/CellarTrackerImport.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CellarTrackerResult result =
        CellarTrackerImport::read(std::string_view(reinterpret_cast<const char*>(data), size));
    if (result.skipped > result.rows || result.replaced < 0 || static_cast<std::size_t>(result.rows) > size)
        std::abort();
    if (!result.inventory && static_cast<int>(result.entries.size()) != result.rows - result.skipped)
        std::abort();
    if (result.inventory && static_cast<int>(result.entries.size()) > result.rows - result.skipped)
        std::abort();
    if (!result.recognized && !result.entries.empty())
        std::abort();
    return 0;
}
