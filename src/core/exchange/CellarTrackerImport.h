#pragma once

#include "core/exchange/TabImport.h"
#include "core/model/CWine.h"

#include <string>
#include <string_view>

// What an import of a CellarTracker export made of it.
struct CellarTrackerResult {
    bool recognized = false; // the header names CellarTracker columns
    bool inventory = false;  // one row per bottle (a Barcode column) rather than one per wine
    WineList entries;
    int rows = 0;
    int skipped = 0;
    std::string firstSkipReason;
    int replaced = 0; // characters Windows-1252 cannot hold, now "?"
    bool cancelled = false;

    std::string message() const;
};

// CellarTracker's "List" (a row per wine, with Quantity) and "Inventory" (a row per bottle, with
// Barcode) tables, comma- or tab-separated, UTF-8 with or without a byte-order mark. Columns are
// found by name, whatever their letter case; any may be missing.
namespace CellarTrackerImport {

inline constexpr std::string_view kNotAnExport =
    "The first line names none of CellarTracker's columns (iWine, Wine, Producer).";

CellarTrackerResult read(std::string_view bytes, const ExchangeProgress& progress = {});

// "M/D/YYYY" or "YYYY-MM-DD" as "m-d-yy"; empty for anything else.
std::string entryDate(std::string_view date);

} // namespace CellarTrackerImport
