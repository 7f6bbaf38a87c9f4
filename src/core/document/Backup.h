#pragma once

#include "core/model/Today.h"

#include <filesystem>
#include <string>

// Dated copies of the Working File's file at the backup location, named "yymmdd" and a letter from
// "a" to "y": 970305a.bwf is the first backup of 5 March 1997.
namespace Backup {

inline constexpr char kFirstLetter = 'a';
inline constexpr char kLastLetter = 'y';

struct Result {
    enum Outcome { Copied, TooMany, Failed };
    Outcome outcome = Failed;
    // The copy made, when Copied.
    std::filesystem::path destination;
    // The platform's text for the error, when Failed.
    std::string error;
    // When Failed: true if the source could not be read, false if the location could not be written.
    bool sourceFailed = false;
};

// The year less 1900, less 100 more when that is 100 or more: 1997 gives 97, 2000 gives 0.
int twoDigitYear(int year);

// "%02d%02d%02d%c.bwf" of the two-digit year, month, day and letter.
std::string fileName(const CalendarDate& date, char letter);

// Copies source, byte for byte, into the location under today's first free name; an existing file is
// never overwritten, and a name holds nothing until it holds the whole copy. After "y" is taken the
// result is TooMany and nothing is written.
[[nodiscard]] Result make(const std::filesystem::path& source, const std::filesystem::path& location);

} // namespace Backup
