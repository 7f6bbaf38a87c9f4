#include "core/views/lists/HistoryList.h"

#include "core/document/CBottlewrightDoc.h"
#include "core/document/Statistics.h"
#include "core/editing/HistoryItemList.h"
#include "core/views/lists/ListQuicksort.h"

#include <cstdio>
#include <utility>

namespace {

std::int32_t readInt(const std::string& text) {
    int number = 0;
    std::sscanf(text.c_str(), "%d", &number);
    return number;
}

float readFloat(const std::string& text) {
    float number = 0.0f;
    std::sscanf(text.c_str(), "%f", &number);
    return number;
}

// A money text read back: the sign, "$" and the thousands comma dropped.
float readMoney(const std::string& text) {
    std::string digits;
    bool negative = false;
    for (char c : text) {
        if (c == '-')
            negative = true;
        else if (c != '$' && c != ',')
            digits += c;
    }
    const float amount = readFloat(digits);
    return negative ? -amount : amount;
}

struct DateKey {
    int year = 0;
    int month = 0;
    int day = 0;
};

DateKey dateKey(const std::string& date) {
    DateKey key;
    std::sscanf(date.c_str(), "%d-%d-%d", &key.month, &key.day, &key.year);
    return key;
}

int laterFirst(const DateKey& a, const DateKey& b) {
    if (a.year != b.year)
        return a.year > b.year ? -1 : 1;
    if (a.month != b.month)
        return a.month > b.month ? -1 : 1;
    if (a.day != b.day)
        return a.day > b.day ? -1 : 1;
    return 0;
}

std::string formatFigure(const char* format, double amount) {
    char text[64];
    std::snprintf(text, sizeof text, format, amount);
    return text;
}

} // namespace

CHistoryDelta HistoryList::deltaFromItem(const std::string& item, int entryIndex) {
    const HistoryItemList::Fields fields = HistoryItemList::splitFields(item);
    CHistoryDelta delta;
    delta.m_strDate = fields[HistoryItemList::Date];
    delta.m_nEntry = entryIndex;
    delta.m_nNewQty = readInt(fields[HistoryItemList::NewQty]);
    delta.m_nOldQty = readInt(fields[HistoryItemList::OldQty]);
    delta.m_fNewCost = readFloat(fields[HistoryItemList::NewCost]);
    delta.m_fOldCost = readFloat(fields[HistoryItemList::OldCost]);
    delta.m_fNewValue = readFloat(fields[HistoryItemList::NewValue]);
    delta.m_fOldValue = readFloat(fields[HistoryItemList::OldValue]);
    return delta;
}

void HistoryList::sortNewestFirst(std::vector<CHistoryDelta>& records) {
    // Sorting keys read once, then the records moved into their places.
    std::vector<std::pair<DateKey, std::size_t>> keys;
    keys.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        keys.emplace_back(dateKey(records[i].m_strDate), i);
    listQuicksort(keys, [](const auto& a, const auto& b) { return laterFirst(a.first, b.first); });
    std::vector<CHistoryDelta> sorted;
    sorted.reserve(records.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(records[key.second]));
    records = std::move(sorted);
}

void HistoryList::rebuild(const CBottlewrightDoc& document) {
    m_records.clear();
    m_current = {};
    for (int p = 0; p < document.focusCount(); ++p) {
        const int entryIndex = document.focusMember(p);
        const CWine& wine = *document.entry(entryIndex);
        const std::string& history = wine.m_strHistory;
        std::size_t start = 0;
        while (start < history.size()) {
            std::size_t end = history.find(kHistoryItemEnd, start);
            if (end == std::string::npos)
                end = history.size();
            m_records.push_back(deltaFromItem(history.substr(start, end - start), entryIndex));
            start = end + 1;
        }
        m_current.bottles += wine.m_nNumberRemaining;
        m_current.cost += wine.m_fCost * static_cast<float>(wine.m_nNumberRemaining);
        m_current.value += wine.effectiveValue() * static_cast<float>(wine.m_nNumberRemaining);
    }
    if (m_records.empty())
        return;
    sortNewestFirst(m_records);

    // Undo the changes one by one from now backwards, in single precision as the totals are kept.
    Totals running = m_current;
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (i > 0) {
            const CHistoryDelta& newer = m_records[i - 1];
            const auto newQty = static_cast<float>(newer.m_nNewQty);
            const auto oldQty = static_cast<float>(newer.m_nOldQty);
            running.bottles += newer.m_nOldQty - newer.m_nNewQty;
            running.cost -= newer.m_fNewCost * newQty - newer.m_fOldCost * oldQty;
            running.value -= newer.m_fNewValue * newQty - newer.m_fOldValue * oldQty;
        }
        CHistoryDelta& record = m_records[i];
        record.m_strBottles = std::to_string(running.bottles);
        record.m_strCost = moneyText(running.cost);
        record.m_strValue = moneyText(running.value);
    }
}

HistoryList::Summary HistoryList::summary(int index) const {
    const CHistoryDelta& clicked = m_records.at(static_cast<std::size_t>(index));
    Summary summary;
    summary.date = clicked.m_strDate;
    for (int i = 0; i < index; ++i) {
        const CHistoryDelta& record = m_records[static_cast<std::size_t>(i)];
        const std::int32_t d = record.change();
        Totals& totals = d < 0 ? summary.consumed : summary.acquired;
        const std::int32_t bottles = d < 0 ? -d : d;
        totals.bottles += bottles;
        totals.cost += static_cast<float>(bottles) * record.m_fNewCost;
        totals.value += static_cast<float>(bottles) * record.m_fNewValue;
    }
    summary.net.bottles = m_current.bottles - readInt(clicked.m_strBottles);
    summary.net.cost = m_current.cost - readMoney(clicked.m_strCost);
    summary.net.value = m_current.value - readMoney(clicked.m_strValue);
    return summary;
}

std::string HistoryList::summaryText(const Summary& summary) {
    const auto part = [](const Totals& totals) {
        return std::to_string(totals.bottles) + " bottles\ncost:  $" +
               formatFigure("%.2f", static_cast<double>(totals.cost)) + "\nvalue:  $" +
               formatFigure("%.2f", static_cast<double>(totals.value));
    };
    return "Change since " + summary.date + ":\n\nConsumption:\n" + part(summary.consumed) +
           "\n\nAcquisition:\n" + part(summary.acquired) + "\n\nNet Change:\n" + part(summary.net);
}

std::array<std::string, HistoryList::kColumns> HistoryList::rowTexts(const CBottlewrightDoc& document,
                                                                     int index) const {
    const CHistoryDelta& record = m_records.at(static_cast<std::size_t>(index));
    // A record outlives its entry until the next rebuild.
    std::string wine = record.m_nEntry >= 0 && record.m_nEntry < document.entryCount()
                           ? document.entry(record.m_nEntry)->description()
                           : std::string("*****");
    return {record.m_strDate,    std::to_string(record.change()),
            record.m_strBottles, record.m_strCost,
            record.m_strValue,   std::move(wine)};
}

namespace HistoryListLayout {

std::array<int, HistoryList::kColumns> anchors(int dateWidth, int changeWidth, int bottlesWidth,
                                               int moneyWidth) {
    std::array<int, HistoryList::kColumns> a{};
    a[0] = dateWidth + 10;
    a[1] = a[0] + changeWidth + 10;
    a[2] = a[1] + bottlesWidth + 10;
    a[3] = a[2] + moneyWidth + 10;
    a[4] = a[3] + moneyWidth + 10;
    a[5] = a[4] + 20;
    return a;
}

int rowsPerPage(int clientBottom, int rowHeight) {
    return rowHeight > 0 ? (clientBottom - 5) / rowHeight - 1 : 0;
}

std::optional<int> recordAt(int y, int rowHeight, int topRow, int count) {
    if (rowHeight <= 0 || y < rowHeight + 3)
        return std::nullopt;
    const int index = (y - 3) / rowHeight + topRow - 1;
    if (index >= count)
        return std::nullopt;
    return index;
}

} // namespace HistoryListLayout
