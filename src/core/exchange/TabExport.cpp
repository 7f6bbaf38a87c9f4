#include "core/exchange/TabExport.h"

#include <cstdio>

namespace {

std::string amount(float dollars) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(dollars));
    return text;
}

// Line breaks and tabs in notes would break the line and column layout.
std::string notesOnOneLine(std::string notes) {
    for (char& c : notes) {
        if (static_cast<unsigned char>(c) < 32)
            c = ' ';
    }
    return notes;
}

} // namespace

namespace TabExport {

std::string value(const CWine& wine, int mapField) {
    switch (mapField) {
    case FieldMap::Vintage:
        return wine.m_nVintage == 0 ? std::string("NV") : std::to_string(wine.m_nVintage);
    case FieldMap::Cost:
        return amount(wine.m_fCost);
    case FieldMap::Value:
        return amount(wine.effectiveValue());
    case FieldMap::NumberAcquired:
        return std::to_string(wine.m_nNumberAcquired);
    case FieldMap::NumberRemaining:
        return std::to_string(wine.m_nNumberRemaining);
    case FieldMap::Notes:
        return notesOnOneLine(wine.m_strNotes.str());
    default: {
        const WineText* member = wine.textField(FieldMap::fieldIndex(mapField));
        return member != nullptr ? member->str() : std::string();
    }
    }
}

std::string write(std::span<const CWine* const> entries, const FieldMap& map, const FieldNames& names) {
    const int count = map.exportColumnCount();
    const std::vector<int> claims = map.claimsByColumn(count);
    std::string text;
    const auto addLine = [&text, &claims](auto&& cell) {
        for (std::size_t column = 0; column < claims.size(); ++column) {
            if (column > 0)
                text += '\t';
            if (claims[column] >= 0)
                text += cell(claims[column]);
        }
        text += "\r\n";
    };
    addLine([&names](int field) { return names.name(FieldMap::fieldIndex(field)); });
    for (const CWine* wine : entries)
        addLine([wine](int field) { return value(*wine, field); });
    return text;
}

} // namespace TabExport
