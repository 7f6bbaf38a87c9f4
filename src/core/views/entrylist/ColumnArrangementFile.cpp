#include "core/views/entrylist/ColumnArrangementFile.h"

#include "core/model/AtomicFile.h"
#include "core/views/entrylist/EntryListColumns.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMaxLineLength = 99;

// A line as the file holds it, without its line break; false at the end of the file, on a line
// that does not end with a line break, or on one longer than the reader accepts.
bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line) || !in.good())
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line.size() <= kMaxLineLength;
}

// One "%d" conversion: leading white space, an optional sign, digits.
bool scanInteger(const char*& cursor, const char* end, std::int32_t& value) {
    while (cursor != end && std::isspace(static_cast<unsigned char>(*cursor)))
        ++cursor;
    bool negative = false;
    if (cursor != end && (*cursor == '+' || *cursor == '-')) {
        negative = *cursor == '-';
        ++cursor;
    }
    std::int64_t magnitude = 0;
    const auto result = std::from_chars(cursor, end, magnitude);
    if (result.ec != std::errc() || magnitude < 0)
        return false;
    cursor = result.ptr;
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

bool scanRecordLine(const std::string& line, EntryListColumn& column) {
    const char* cursor = line.data();
    const char* end = cursor + line.size();
    return scanInteger(cursor, end, column.fieldId) && scanInteger(cursor, end, column.width) &&
           scanInteger(cursor, end, column.spare);
}

void appendLine(std::vector<std::uint8_t>& bytes, const std::string& line) {
    bytes.insert(bytes.end(), line.begin(), line.end());
    bytes.push_back('\n');
}

} // namespace

namespace ColumnArrangementFile {

std::filesystem::path resolve(const std::filesystem::path& startDirectory,
                              const std::filesystem::path& name) {
    if (name.empty())
        return startDirectory / kLastUsedName;
    return name.is_absolute() ? name : startDirectory / name;
}

bool store(const EntryListColumns& columns, const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < EntryListColumns::kCount; ++i) {
        const EntryListColumn& column = columns[i];
        appendLine(bytes, std::to_string(column.fieldId) + ' ' + std::to_string(column.width) + ' ' +
                              std::to_string(column.spare));
        appendLine(bytes, column.heading);
    }
    return writeFileAtomically(path, bytes).empty();
}

bool load(EntryListColumns& columns, const std::filesystem::path& path) {
    std::string text;
    std::string error;
    return readWholeFile(path, text, error) && parse(columns, text);
}

bool parse(EntryListColumns& columns, const std::string& text) {
    std::istringstream in(text);
    std::string line;
    for (int i = 0; i < EntryListColumns::kCount; ++i) {
        if (!readLine(in, line) || !scanRecordLine(line, columns[i]))
            return false;
        if (!readLine(in, line))
            return false;
        columns[i].heading = line;
    }
    return columns.isValid();
}

} // namespace ColumnArrangementFile
