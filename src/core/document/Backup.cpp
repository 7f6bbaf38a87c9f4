#include "core/document/Backup.h"

#include <cstdio>
#include <system_error>

namespace Backup {

int twoDigitYear(int year) {
    int twoDigits = year - 1900;
    if (twoDigits >= 100)
        twoDigits -= 100;
    return twoDigits;
}

std::string fileName(const CalendarDate& date, char letter) {
    char name[64];
    std::snprintf(name, sizeof name, "%02d%02d%02d%c.bwf", twoDigitYear(date.year), date.month, date.day,
                  letter);
    return name;
}

Result make(const std::filesystem::path& source, const std::filesystem::path& location) {
    const CalendarDate date = today();
    for (char letter = kFirstLetter; letter <= kLastLetter; ++letter) {
        const std::filesystem::path destination = location / fileName(date, letter);
        std::error_code error;
        if (std::filesystem::copy_file(source, destination, std::filesystem::copy_options::none, error))
            return {Result::Copied, destination, {}};
        if (error != std::errc::file_exists)
            return {Result::Failed, {}, error.message()};
    }
    return {Result::TooMany, {}, {}};
}

} // namespace Backup
