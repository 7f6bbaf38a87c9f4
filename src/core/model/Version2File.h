#pragma once

#include "core/model/CWine.h"

#include <string>
#include <string_view>

// Cellar files of the program's version 2.xx (".clr", and ".xpr" for expired wines): a header line,
// then records of one field per line, each record ended by a marker line. Read only.
struct Version2ReadResult {
    bool isVersion2 = false; // the header line matched
    WineList entries;        // the kept records in file order
    int dropped = 0;         // records cut short or badly ended
};

namespace Version2File {

inline constexpr std::string_view kHeader = "##BottlewrightVersion2.0##";
// The most note bytes a record keeps.
inline constexpr std::size_t kNotesRoom = 1454;

Version2ReadResult read(std::string_view bytes);

// "PATH is not a previous version (2.xx) Cellar File."
std::string notVersion2Message(const std::string& path);

} // namespace Version2File
