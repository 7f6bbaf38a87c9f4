// Feeds arbitrary text to the ".bwx" reader: whatever it keeps must write and read back the same.
#include "core/exchange/FieldMap.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FieldMap map;
    map.readText(std::string(reinterpret_cast<const char*>(data), size));
    for (int column : map.columns()) {
        if (column < 0 || column > FieldMap::kUnmapped)
            std::abort();
    }
    FieldMap again;
    if (!again.readText(map.toText()) || !(again == map))
        std::abort();
    (void)map.isExportable();
    (void)map.claimsByColumn(map.exportColumnCount());
    return 0;
}
