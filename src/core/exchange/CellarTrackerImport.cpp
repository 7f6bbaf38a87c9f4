#include "core/exchange/CellarTrackerImport.h"

#include "core/exchange/DelimitedText.h"
#include "core/exchange/ScanNumber.h"
#include "core/model/Cp1252.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

namespace {

constexpr std::size_t kProgressStep = 500;

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::string twoDigitDate(int month, int day, int year) {
    char text[48];
    std::snprintf(text, sizeof text, "%d-%d-%d", month, day, year % 100);
    return text;
}

// An amount as CellarTracker writes it: "1,234.50" with a decimal point, or "12,50" without one.
float amount(std::string_view text) {
    std::string plain(text);
    if (plain.find('.') != std::string::npos)
        std::erase(plain, ',');
    else
        std::replace(plain.begin(), plain.end(), ',', '.');
    float value = 0;
    ScanNumber::scanFloat(plain, value);
    return value;
}

// The columns of one export, looked up once by name.
class Columns {
public:
    explicit Columns(const std::vector<std::string>& header) {
        for (std::size_t i = 0; i < header.size(); ++i)
            m_index.emplace(lowerCase(trimmed(header[i])), static_cast<int>(i));
    }

    bool has(std::string_view name) const { return m_index.count(lowerCase(name)) > 0; }

    // The trimmed text of a column; "Unknown" counts as empty, as does a missing column.
    std::string_view text(const std::vector<std::string>& row, std::string_view name) const {
        const auto found = m_index.find(lowerCase(name));
        if (found == m_index.end() || found->second >= static_cast<int>(row.size()))
            return {};
        const std::string_view value = trimmed(row[found->second]);
        return value == "Unknown" ? std::string_view() : value;
    }

private:
    std::map<std::string, int> m_index;
};

int yearOf(std::string_view text) {
    int year = 0;
    return ScanNumber::scanInt(text, year) && year > 0 ? year : 0;
}

void fillWine(CWine& wine, const Columns& columns, const std::vector<std::string>& row) {
    const auto text = [&columns, &row](std::string_view name) {
        return std::string(columns.text(row, name));
    };
    const std::string vintage = text("Vintage");
    wine.m_nVintage = 0; // "NV", "1001" and anything unreadable are non-vintage
    if (vintage != "1001")
        ScanNumber::scanInt(vintage, wine.m_nVintage);
    wine.m_strProducer = columns.has("Producer") ? text("Producer") : text("Wine");
    wine.m_strDesignation = text("Designation");
    wine.m_strAppellation = text("Appellation");
    if (wine.m_strAppellation.empty())
        wine.m_strAppellation = text("Varietal");
    wine.m_strRegion = text("Region");
    wine.m_strCountry = text("Country");
    wine.m_strWineType = text("Type");
    wine.m_strUser1 = text("Size");
    wine.m_fCost = amount(text("Price"));
    const float myValue = amount(text("MyValue"));
    wine.m_fValue = myValue > 0 ? myValue : amount(text("Valuation"));
    // The community score is not the owner's rating.
    wine.m_strRating = text("MY");
    wine.m_strVendor = text("StoreName");
    wine.m_strDateAcquired = CellarTrackerImport::entryDate(text("PurchaseDate"));
    if (const int year = yearOf(text("BeginConsume")); year > 0)
        wine.m_strTryDate = twoDigitDate(1, 1, year);
    if (const int year = yearOf(text("EndConsume")); year > 0)
        wine.m_strDrinkDate = twoDigitDate(12, 31, year);
    const std::string bottleNote = text("BottleNote");
    const std::string purchaseNote = text("PNotes");
    wine.m_strNotes = bottleNote.empty() || purchaseNote.empty() ? bottleNote + purchaseNote
                                                                 : bottleNote + "\r\n" + purchaseNote;
}

std::string place(const Columns& columns, const std::vector<std::string>& row) {
    std::string location(columns.text(row, "Location"));
    const std::string_view bin = columns.text(row, "Bin");
    if (!location.empty() && !bin.empty())
        location += ' ';
    location += bin;
    return std::string(trimmed(location));
}

// The bottles of one Inventory entry: each distinct place with its count, in order of appearance.
struct Group {
    CWine* wine = nullptr;
    std::vector<std::pair<std::string, int>> places;
};

std::string binsOf(const Group& group) {
    if (group.places.size() == 1)
        return group.places.front().first;
    std::string bins;
    for (const auto& [name, count] : group.places) {
        if (!bins.empty())
            bins += ", ";
        bins += name + "-" + std::to_string(count);
    }
    return bins;
}

int countOf(std::string_view text, char c) {
    return static_cast<int>(std::count(text.begin(), text.end(), c));
}

} // namespace

std::string CellarTrackerResult::message() const {
    std::string text = "Bottlewright found " + std::to_string(rows) + " rows in the CellarTracker export.\n" +
                       std::to_string(entries.size()) + " entries were made; " + std::to_string(skipped) +
                       " rows were skipped.\n" + std::to_string(replaced) +
                       " characters had no Windows-1252 form and became \"?\".";
    if (!firstSkipReason.empty())
        text += "\nFirst row skipped: " + firstSkipReason;
    return text;
}

namespace CellarTrackerImport {

std::string entryDate(std::string_view date) {
    int a = 0, b = 0, c = 0;
    char first = 0, second = 0;
    const std::string text(trimmed(date));
    if (std::sscanf(text.c_str(), "%d%c%d%c%d", &a, &first, &b, &second, &c) != 5 || first != second)
        return {};
    if (first == '/' && a >= 1 && a <= 12 && b >= 1 && b <= 31 && c >= 0)
        return twoDigitDate(a, b, c);
    if (first == '-' && a >= 0 && b >= 1 && b <= 12 && c >= 1 && c <= 31)
        return twoDigitDate(b, c, a);
    return {};
}

CellarTrackerResult read(std::string_view bytes, const ExchangeProgress& progress) {
    CellarTrackerResult result;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    const std::string text = Cp1252::fromUtf8(bytes);
    // Every character that could not be kept became one "?"; those already there stayed.
    result.replaced = countOf(text, '?') - countOf(bytes, '?');

    const DelimitedText table = DelimitedText::parse(text);
    if (table.records.empty())
        return result;
    const std::vector<std::string>& header = table.records.front();
    const Columns columns(header);
    if (!columns.has("iWine") && !columns.has("Wine") && !columns.has("Producer"))
        return result;
    result.recognized = true;
    result.inventory = columns.has("Barcode");

    const auto skip = [&result](std::size_t row, const std::string& reason) {
        if (result.skipped++ == 0)
            result.firstSkipReason = "row " + std::to_string(row) + ": " + reason;
    };
    std::map<std::string, Group> groups;
    const std::size_t total = table.records.size() - 1;
    for (std::size_t row = 1; row <= total; ++row) {
        if (progress && row % kProgressStep == 0 && !progress(row, total)) {
            result.entries.clear();
            result.cancelled = true;
            return result;
        }
        const std::vector<std::string>& fields = table.records[row];
        ++result.rows;
        if (fields.size() != header.size()) {
            skip(row, std::to_string(fields.size()) + " fields where the header has " +
                          std::to_string(header.size()) + ".");
            continue;
        }
        if (columns.text(fields, "Wine").empty() && columns.text(fields, "Producer").empty()) {
            skip(row, "no wine or producer is named.");
            continue;
        }
        if (!result.inventory) {
            // A row stands for at least the one wine it names.
            int quantity = 1;
            if (columns.has("Quantity") && !ScanNumber::scanInt(columns.text(fields, "Quantity"), quantity)) {
                skip(row, "the Quantity \"" + std::string(columns.text(fields, "Quantity")) +
                              "\" is not a number.");
                continue;
            }
            auto wine = std::make_unique<CWine>();
            fillWine(*wine, columns, fields);
            wine->m_nNumberAcquired = quantity;
            wine->m_nNumberRemaining = quantity;
            wine->m_strBins = place(columns, fields);
            result.entries.push_back(std::move(wine));
            continue;
        }
        std::string key;
        for (const char* name : {"iWine", "Size", "Price", "PurchaseDate"})
            key.append(columns.text(fields, name)).push_back('\x1F');
        if (columns.text(fields, "iWine").empty())
            key += std::string(columns.text(fields, "Wine")) + '\x1F' +
                   std::string(columns.text(fields, "Vintage"));
        Group& group = groups[key];
        if (group.wine == nullptr) {
            result.entries.push_back(std::make_unique<CWine>());
            group.wine = result.entries.back().get();
            fillWine(*group.wine, columns, fields);
        }
        ++group.wine->m_nNumberAcquired;
        ++group.wine->m_nNumberRemaining;
        if (const std::string where = place(columns, fields); !where.empty()) {
            const auto known = std::find_if(group.places.begin(), group.places.end(),
                                            [&where](const auto& p) { return p.first == where; });
            if (known != group.places.end())
                ++known->second;
            else
                group.places.emplace_back(where, 1);
        }
    }
    if (table.endsInsideQuotes) {
        ++result.rows;
        skip(total + 1, "the file ends inside a quoted field.");
    }
    for (const auto& [key, group] : groups)
        group.wine->m_strBins = binsOf(group);
    return result;
}

} // namespace CellarTrackerImport
