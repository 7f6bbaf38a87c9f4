#pragma once

#include "core/exchange/FieldMap.h"
#include "core/model/CWine.h"
#include "core/setup/FieldNames.h"

#include <span>
#include <string>

// Tab-separated text of chosen fields: a header of the fields' current names, then one line per
// entry, each ended by CR LF. Nothing is quoted.
namespace TabExport {

// The text of one map field as export writes it.
std::string value(const CWine& wine, int mapField);

// The whole text for the entries in order; the map must number its fields 1..K without gaps.
std::string write(std::span<const CWine* const> entries, const FieldMap& map, const FieldNames& names);

} // namespace TabExport
