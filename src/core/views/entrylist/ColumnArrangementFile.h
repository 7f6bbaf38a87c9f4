#pragma once

#include "core/model/SmallFiles.h"

#include <filesystem>
#include <string>

class EntryListColumns;

// Column arrangement files (".bwc", and "colset.bw3" for the last one used): 25 records in display
// order, each a line "field id width spare" and a line with the heading.
namespace ColumnArrangementFile {

inline constexpr const char* kLastUsedName = SmallFiles::kColumnArrangement;

// Where a name given by the user or the program lives: an empty name means "colset.bw3", and a
// name without a full path is taken in the start directory.
std::filesystem::path resolve(const std::filesystem::path& startDirectory, const std::filesystem::path& name);

// Writes the table; false when the file cannot be written (the old file is then untouched).
bool store(const EntryListColumns& columns, const std::filesystem::path& path);

// Reads straight into the table. False when the file cannot be opened, has fewer than 25 records,
// a line longer than 99 characters, a record line without three integers, or field ids that are not
// 0 to 24 each once. A failed load may leave the table partly overwritten: install the defaults then.
bool load(EntryListColumns& columns, const std::filesystem::path& path);
// The same from the file's text.
bool parse(EntryListColumns& columns, const std::string& text);

} // namespace ColumnArrangementFile
