#include "core/exchange/FieldMap.h"

#include "core/model/AtomicFile.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

constexpr std::array<CWine::Field, FieldMap::kFieldCount> kFieldIndex{
    CWine::Appellation,     CWine::Bins,        CWine::Cost,      CWine::Country, CWine::DateAcquired,
    CWine::DateModified,    CWine::Designation, CWine::DrinkDate, CWine::Notes,   CWine::NumberAcquired,
    CWine::NumberRemaining, CWine::Producer,    CWine::Rating,    CWine::Region,  CWine::TryDate,
    CWine::User1,           CWine::User2,       CWine::User3,     CWine::User4,   CWine::User5,
    CWine::Value,           CWine::Vendor,      CWine::Vintage,   CWine::WineType};

constexpr std::array<int, FieldMap::kFieldCount> kDialogOrder{
    FieldMap::Vintage,      FieldMap::Producer,       FieldMap::Appellation,
    FieldMap::Designation,  FieldMap::Region,         FieldMap::Country,
    FieldMap::WineType,     FieldMap::User1,          FieldMap::User2,
    FieldMap::User3,        FieldMap::User4,          FieldMap::User5,
    FieldMap::Rating,       FieldMap::NumberAcquired, FieldMap::NumberRemaining,
    FieldMap::DateAcquired, FieldMap::TryDate,        FieldMap::DrinkDate,
    FieldMap::DateModified, FieldMap::Cost,           FieldMap::Value,
    FieldMap::Vendor,       FieldMap::Bins,           FieldMap::Notes};

} // namespace

CWine::Field FieldMap::fieldIndex(int mapField) {
    return kFieldIndex[mapField];
}

const std::array<int, FieldMap::kFieldCount>& FieldMap::dialogOrder() {
    return kDialogOrder;
}

FieldMap FieldMap::limitedTo(int columnCount) const {
    FieldMap limited = *this;
    for (int& column : limited.m_columns) {
        if (column < 1 || column > columnCount)
            column = kUnmapped;
    }
    return limited;
}

int FieldMap::exportColumnCount() const {
    int largest = 0;
    for (int column : m_columns) {
        if (column != kUnmapped)
            largest = std::max(largest, column);
    }
    return largest;
}

bool FieldMap::isExportable() const {
    std::array<std::string, kFieldCount> boxes;
    for (int field = 0; field < kFieldCount; ++field) {
        if (m_columns[field] != kUnmapped)
            boxes[field] = std::to_string(m_columns[field]);
    }
    std::optional<int> ignored;
    return checkExportBoxes(boxes, ignored);
}

std::vector<int> FieldMap::claimsByColumn(int count) const {
    std::vector<int> claims(static_cast<std::size_t>(std::max(count, 0)), -1);
    for (int field = 0; field < kFieldCount; ++field) {
        const int column = m_columns[field];
        if (column >= 1 && column <= count && claims[column - 1] < 0)
            claims[column - 1] = field;
    }
    return claims;
}

std::string FieldMap::toText() const {
    std::string text;
    for (int field = 0; field < kFieldCount; ++field) {
        if (field > 0)
            text += ' ';
        text += std::to_string(m_columns[field]);
    }
    text += '\n';
    return text;
}

bool FieldMap::readText(const std::string& text) {
    std::istringstream in(text);
    for (int& column : m_columns) {
        long long number = 0;
        if (!(in >> number))
            return false;
        column = number < 0 || number > kUnmapped ? kUnmapped : static_cast<int>(number);
    }
    return true;
}

std::string FieldMap::store(const std::filesystem::path& path) const {
    const std::string text = toText();
    return writeFileAtomically(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

bool FieldMap::retrieve(const std::filesystem::path& path) {
    std::string bytes;
    std::string error;
    if (!readWholeFile(path, bytes, error))
        return false;
    return readText(bytes);
}

bool FieldMap::checkExportBoxes(const std::array<std::string, kFieldCount>& boxes,
                                std::optional<int>& offendingBox) {
    offendingBox.reset();
    std::array<bool, kFieldCount + 1> seen{};
    int filled = 0;
    int largest = 0;
    for (int box = 0; box < kFieldCount; ++box) {
        if (boxes[box].empty())
            continue;
        int number = 0;
        if (std::sscanf(boxes[box].c_str(), "%d", &number) != 1 || number < 1 || number > kFieldCount ||
            seen[number]) {
            offendingBox = box;
            return false;
        }
        seen[number] = true;
        ++filled;
        largest = std::max(largest, number);
    }
    return largest == filled;
}
