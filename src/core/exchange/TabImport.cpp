#include "core/exchange/TabImport.h"

#include "core/exchange/ScanNumber.h"
#include "core/exchange/TabText.h"
#include "core/model/CellarFile.h"

#include <cstdio>
#include <deque>

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
        if (WineText* member = wine.textField(FieldMap::fieldIndex(mapField)))
            member->assign(text);
        return;
    }
}

namespace {

// Splits every line after the header and hands each good one to fill(CWine&) through make(), which
// gives the entry to fill; counts the rest as errors. False when the progress callback cancelled.
template <typename Make, typename Done>
bool importLines(std::string_view bytes, const FieldMap& map, int columnCount,
                 const ExchangeProgress& progress, TabImportResult& result, Make make, Done done) {
    std::vector<TabText::Line> lines = TabText::lines(bytes);
    if (!lines.empty())
        lines.erase(lines.begin());
    result.found = static_cast<int>(lines.size());
    const std::vector<int> claims = map.claimsByColumn(columnCount);
    std::vector<std::string_view> fields;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (progress && i % kProgressStep == 0 && !progress(i, lines.size())) {
            result.cancelled = true;
            return false;
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
        CWine& wine = make();
        for (int column = 0; column < columnCount; ++column) {
            if (claims[column] >= 0)
                setField(wine, claims[column], TabText::withoutQuotes(fields[column]));
        }
        done();
    }
    return true;
}

void appendLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

TabImportResult read(std::string_view bytes, const FieldMap& map, int columnCount,
                     const ExchangeProgress& progress) {
    TabImportResult result;
    WineList& entries = result.entries;
    const auto make = [&entries]() -> CWine& { return *entries.emplace_back(std::make_unique<CWine>()); };
    if (!importLines(bytes, map, columnCount, progress, result, make, [] {}))
        entries.clear();
    return result;
}

TabImportResult readToCellarFile(std::string_view bytes, const FieldMap& map, int columnCount,
                                 std::vector<std::uint8_t>& cellarFile) {
    // Entries go out in batches written as small Cellar Files whose bodies are joined: every batch but
    // the first refers to the class its first entry would otherwise describe anew.
    constexpr std::size_t kBatch = 1024;
    constexpr std::size_t kBatchHead = 4 + 2; // header word and a count below 65535
    static const std::string_view kClassDescription{"\xFF\xFF\x01\x00\x05\x00"
                                                    "CWine",
                                                    11};
    constexpr std::uint8_t kClassReference[] = {0x01, 0x80};

    TabImportResult result;
    // Grows to a batch at most; a deque keeps the entries the batch points to where they are.
    std::deque<CWine> pool;
    std::vector<const CWine*> batch;
    std::vector<std::uint8_t> body;
    body.reserve(bytes.size() + bytes.size() / 8);
    std::size_t written = 0;
    const auto flush = [&] {
        if (batch.empty())
            return;
        const std::vector<std::uint8_t> part = CellarFile::write(batch);
        std::size_t from = kBatchHead;
        if (written > 0) {
            body.insert(body.end(), std::begin(kClassReference), std::end(kClassReference));
            from += kClassDescription.size();
        }
        body.insert(body.end(), part.begin() + static_cast<std::ptrdiff_t>(from), part.end());
        written += batch.size();
        batch.clear();
    };
    const auto make = [&]() -> CWine& {
        if (batch.size() == pool.size())
            return pool.emplace_back();
        CWine& wine = pool[batch.size()];
        wine = CWine();
        return wine;
    };
    const auto done = [&] {
        batch.push_back(&pool[batch.size()]);
        if (batch.size() == kBatch)
            flush();
    };
    importLines(bytes, map, columnCount, {}, result, make, done);
    flush();

    cellarFile.clear();
    cellarFile.reserve(body.size() + 10);
    appendLittleEndian(cellarFile, CellarFile::kHeaderWord, 4);
    if (written < 0xFFFF) {
        appendLittleEndian(cellarFile, static_cast<std::uint32_t>(written), 2);
    } else {
        appendLittleEndian(cellarFile, 0xFFFF, 2);
        appendLittleEndian(cellarFile, static_cast<std::uint32_t>(written), 4);
    }
    cellarFile.insert(cellarFile.end(), body.begin(), body.end());
    return result;
}

} // namespace TabImport
