#include "core/exchange/TabImport.h"

#include "core/exchange/ScanNumber.h"
#include "core/exchange/TabText.h"

#include <cstdio>

namespace {

// Progress is reported every so many lines, so that a small file pays nothing for it.
constexpr std::size_t kProgressStep = 1000;

} // namespace

std::string TabImportResult::message() const {
    char text[160];
    std::snprintf(text, sizeof text,
                  "Bottlewright found %d entries. %d errors were\nencountered; %d entries were imported.",
                  found, errors, found - errors);
    return text;
}

namespace TabImport {

void setField(CWine& wine, int mapField, std::string_view text) {
    switch (mapField) {
    case FieldMap::Vintage:
        if (text == "NV")
            wine.m_nVintage = 0;
        else
            ScanNumber::scanInt(text, wine.m_nVintage);
        return;
    case FieldMap::Cost:
        ScanNumber::scanFloat(text, wine.m_fCost);
        return;
    case FieldMap::Value:
        ScanNumber::scanFloat(text, wine.m_fValue);
        return;
    case FieldMap::NumberAcquired:
        ScanNumber::scanInt(text, wine.m_nNumberAcquired);
        return;
    case FieldMap::NumberRemaining:
        ScanNumber::scanInt(text, wine.m_nNumberRemaining);
        return;
    default:
        if (std::string* member = wine.textField(FieldMap::fieldIndex(mapField)))
            member->assign(text);
        return;
    }
}

TabImportResult read(std::string_view bytes, const FieldMap& map, int columnCount,
                     const ExchangeProgress& progress) {
    TabImportResult result;
    std::vector<TabText::Line> lines = TabText::lines(bytes);
    if (!lines.empty())
        lines.erase(lines.begin());
    result.found = static_cast<int>(lines.size());
    const std::vector<int> claims = map.claimsByColumn(columnCount);
    std::vector<std::string_view> fields;
    result.entries.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (progress && i % kProgressStep == 0 && !progress(i, lines.size())) {
            result.entries.clear();
            result.cancelled = true;
            return result;
        }
        if (lines[i].tooLong) {
            ++result.errors;
            continue;
        }
        TabText::splitFields(lines[i].text, fields);
        if (static_cast<int>(fields.size()) != columnCount) {
            ++result.errors;
            continue;
        }
        auto wine = std::make_unique<CWine>();
        for (int column = 0; column < columnCount; ++column) {
            if (claims[column] >= 0)
                setField(*wine, claims[column], TabText::withoutQuotes(fields[column]));
        }
        result.entries.push_back(std::move(wine));
    }
    return result;
}

} // namespace TabImport
