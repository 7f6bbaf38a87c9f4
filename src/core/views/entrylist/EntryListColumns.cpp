#include "core/views/entrylist/EntryListColumns.h"

#include "core/setup/FieldNames.h"

#include <algorithm>

namespace {

struct DefaultColumn {
    const char* heading;
    int fieldId;
    int width;
};

// Number Consumed ("Drk") comes before Date Acquired in the built-in arrangement.
constexpr std::array<DefaultColumn, EntryListColumns::kCount> kDefaults{{
    {"Vint", 0, 40},           {"Producer", 1, 150}, {"App/Varietal", 2, 150}, {"Designation", 3, 150},
    {"Type", 4, 60},           {"Qty", 5, 60},       {"Cost", 6, 50},          {"Value", 7, 50},
    {"Bin(s)", 8, 100},        {"Region", 9, 100},   {"Rating", 10, 40},       {"Try", 11, 80},
    {"Drink", 12, 80},         {"Notes", 13, 150},   {"Country", 14, 80},      {"Source/Vendor", 15, 80},
    {"User1", 16, 50},         {"User2", 17, 50},    {"User3", 18, 50},        {"User4", 19, 50},
    {"User5", 20, 50},         {"Modified", 21, 80}, {"Acq", 22, 40},          {"Drk", 24, 40},
    {"Date Acquired", 23, 80},
}};

bool isFieldId(int id) {
    return id >= 0 && id < CWine::FieldCount;
}

} // namespace

void EntryListColumns::installDefaults() {
    for (int i = 0; i < kCount; ++i) {
        m_columns[i].heading = kDefaults[i].heading;
        m_columns[i].fieldId = kDefaults[i].fieldId;
        m_columns[i].width = kDefaults[i].width;
    }
}

bool EntryListColumns::isValid() const {
    std::array<bool, CWine::FieldCount> seen{};
    for (const EntryListColumn& column : m_columns) {
        if (!isFieldId(column.fieldId) || seen[column.fieldId])
            return false;
        seen[column.fieldId] = true;
    }
    return true;
}

void EntryListColumns::bindCellTexts() {
    for (EntryListColumn& column : m_columns) {
        if (isFieldId(column.fieldId))
            column.cellText = &m_cellTexts.text(column.fieldId);
    }
}

void EntryListColumns::refreshHeadings(const FieldNames& fieldNames) {
    for (EntryListColumn& column : m_columns) {
        if (isFieldId(column.fieldId))
            column.heading = fieldNames.name(column.fieldId);
    }
}

void EntryListColumns::moveColumn(int from, int to) {
    const auto first = m_columns.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (to < from)
        std::rotate(first + to, first + from, first + from + 1);
    bindCellTexts();
}

void EntryListColumns::layout(int horizontalOffset, int rowHeight) {
    m_gridLeft = kGridLeftAtNoOffset - horizontalOffset;
    int left = m_gridLeft;
    for (EntryListColumn& column : m_columns) {
        column.left = left;
        column.textX = left + 3;
        column.headingY = (2 * rowHeight) / 3;
        left += column.width;
    }
    m_gridRight = left;
}

void EntryListColumns::copyFrom(const EntryListColumns& other, int otherOffset, int ownOffset) {
    const int shift = otherOffset - ownOffset;
    for (int i = 0; i < kCount; ++i) {
        const EntryListColumn& source = other.m_columns[i];
        EntryListColumn& column = m_columns[i];
        column.heading = source.heading;
        column.width = source.width;
        column.fieldId = source.fieldId;
        column.headingY = source.headingY;
        column.left = source.left + shift;
        column.textX = source.textX + shift;
    }
    m_gridLeft = kGridLeftAtNoOffset - ownOffset;
    m_gridRight = m_gridLeft + totalWidth();
    bindCellTexts();
}

int EntryListColumns::totalWidth() const {
    int sum = 0;
    for (const EntryListColumn& column : m_columns)
        sum += column.width;
    return sum;
}

int EntryListColumns::firstVisible() const {
    int first = 0;
    while (first < kCount && m_columns[first].left + m_columns[first].width < 0)
        ++first;
    return first;
}

int EntryListColumns::lastVisible() const {
    int last = kCount - 1;
    while (last >= 0 && m_columns[last].left >= m_gridRight)
        --last;
    return last;
}
