#include "core/document/Backup.h"

#include "core/model/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace Backup {

namespace {

// The name the copy has until it is whole, and the start of what a killed backup leaves behind.
constexpr const char* kTemporaryStem = "backup.bwf";

} // namespace

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
    std::string bytes;
    std::string error;
    int systemError = 0;
    if (!readWholeFile(source, bytes, error, systemError)) {
        if (systemError != 0)
            error = "The file cannot be read: " + std::generic_category().message(systemError) + ".";
        return {Result::Failed, {}, error, true};
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(location, ec)) {
        const int reason = ec ? ec.value() : (std::filesystem::exists(location) ? ENOTDIR : ENOENT);
        return {Result::Failed, {}, std::generic_category().message(reason), false};
    }

    // The copy is written whole under a temporary name, then linked to the first free dated name:
    // a killed backup leaves no torn copy under a real name, and an existing one is never overwritten.
    AtomicFile copy(location / kTemporaryStem);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (!copy.write({data, bytes.size()}).empty())
        return {Result::Failed, {}, std::generic_category().message(copy.systemError()), false};
    const CalendarDate date = today();
    for (char letter = kFirstLetter; letter <= kLastLetter; ++letter) {
        const std::filesystem::path destination = location / fileName(date, letter);
        switch (copy.linkAsNew(destination, error)) {
        case AtomicFile::Link::Made:
            return {Result::Copied, destination, {}, false};
        case AtomicFile::Link::NameTaken:
            break;
        case AtomicFile::Link::Failed:
            return {Result::Failed, {}, error, false};
        }
    }
    return {Result::TooMany, {}, {}, false};
}

} // namespace Backup
