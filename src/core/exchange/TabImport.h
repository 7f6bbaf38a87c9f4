#pragma once

#include "core/exchange/FieldMap.h"
#include "core/model/CWine.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Told how many of the total lines are done; returning false stops the work.
using ExchangeProgress = std::function<bool(std::size_t done, std::size_t total)>;

// What an import of tab-separated text made of a file.
struct TabImportResult {
    WineList entries;
    int found = 0;  // data lines, the header not counted
    int errors = 0; // lines skipped: wrong field count or too long to read
    bool cancelled = false;

    // "Bottlewright found %d entries. %d errors were\nencountered; %d entries were imported."
    std::string message() const;
};

namespace TabImport {

// Sets the map field of an entry from the field's text (quotes already gone).
void setField(CWine& wine, int mapField, std::string_view text);

// Every line after the header becomes an entry when it has exactly columnCount fields; the first map
// field in map order that claims a column takes that column's value. A cancelled import gives no
// entries.
TabImportResult read(std::string_view bytes, const FieldMap& map, int columnCount,
                     const ExchangeProgress& progress = {});

// The same import written straight into the bytes of a Cellar File, without holding every entry at
// once; result.entries stays empty.
TabImportResult readToCellarFile(std::string_view bytes, const FieldMap& map, int columnCount,
                                 std::vector<std::uint8_t>& cellarFile);

} // namespace TabImport
