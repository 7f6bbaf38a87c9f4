// Feeds arbitrary bytes to the tab-separated import with a map that claims every column. The import
// must count every line as an entry or an error, and what it imports must export and import again
// to the same entries, and the import streamed into a Cellar File must give the same bytes as
// the entries written whole.
#include "core/exchange/TabExport.h"
#include "core/exchange/TabImport.h"
#include "core/exchange/TabText.h"
#include "core/model/CellarFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const int columns = static_cast<int>(TabText::headerColumns(TabText::headerLine(bytes)).size());
    FieldMap map;
    for (int field = 0; field < FieldMap::kFieldCount; ++field)
        map.setColumn(field, field + 1);
    const TabImportResult first = TabImport::read(bytes, map.limitedTo(columns), columns);
    if (first.errors < 0 || first.found != first.errors + static_cast<int>(first.entries.size()))
        std::abort();
    std::vector<std::uint8_t> streamed;
    const TabImportResult counted =
        TabImport::readToCellarFile(bytes, map.limitedTo(columns), columns, streamed);
    if (counted.errors != first.errors || streamed != CellarFile::write(first.entries))
        std::abort();
    // Only entries whose texts hold no tab or line break survive the layout unchanged.
    std::vector<const CWine*> entries;
    for (const auto& wine : first.entries)
        entries.push_back(wine.get());
    const std::string text = TabExport::write(entries, map, FieldNames());
    const TabImportResult second = TabImport::read(text, map, FieldMap::kFieldCount);
    if (second.found != static_cast<int>(entries.size()))
        std::abort();
    return 0;
}
