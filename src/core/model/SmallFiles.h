#pragma once

// The program's own small files, kept in the start directory.
namespace SmallFiles {

inline constexpr const char* kFieldNames = "LastUsed.fnm";      // the field-name table in use
inline constexpr const char* kSortPrecedence = "srtprec.bw3";   // the last used sort precedence
inline constexpr const char* kColumnArrangement = "colset.bw3"; // the last used column arrangement
inline constexpr const char* kFindList = "find.cbi";            // the Find dialog's recent texts

} // namespace SmallFiles
