#pragma once

#include "core/model/CellarFile.h"

#include <filesystem>
#include <string_view>

// The readable source of a sample cellar: UTF-8 text, a header line naming the 27 columns (vintage,
// producer, ... notes, in any order), then one line per entry with tab-separated fields.
// Inside a field \\ is a backslash, \t a tab, \n a line break (stored as CR LF) and \xHH the byte HH
// of the entry text, which is Windows-1252; everything else is converted from UTF-8.
namespace SampleSource {

// Every entry, or none and a one-line reason that names the line.
CellarReadResult parse(std::string_view text);
CellarReadResult load(const std::filesystem::path& path);

} // namespace SampleSource
