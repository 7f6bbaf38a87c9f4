#include "core/views/lists/HistoryList.h"

#include "core/document/CBottlewrightDoc.h"
#include "core/document/Statistics.h"
#include "core/editing/HistoryItemList.h"
#include "core/views/lists/ListQuicksort.h"

#include <charconv>
#include <cstdio>
#include <string_view>
#include <utility>

namespace {

// Texts of digits, '.' and '-' alone (as the program writes them) are read by from_chars, which
// gives what sscanf gives for them; anything else goes to sscanf itself.
bool plainNumber(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789.-") == std::string_view::npos;
}

std::int32_t readInt(const std::string& text) {
    int number = 0;
    if (plainNumber(text) &&
        std::from_chars(text.data(), text.data() + text.size(), number).ec == std::errc())
        return number;
    std::sscanf(text.c_str(), "%d", &number);
    return number;
}

float readFloat(const std::string& text) {
    float number = 0.0f;
    if (plainNumber(text) &&
        std::from_chars(text.data(), text.data() + text.size(), number).ec == std::errc())
        return number;
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

// Month, day and year as "%d-%d-%d" reads them; parts not read stay 0.
DateKey dateKey(std::string_view date) {
    DateKey key;
    int* const parts[3] = {&key.month, &key.day, &key.year};
    if (date.find_first_not_of("0123456789-") != std::string_view::npos || date.size() > 30) {
        const std::string text(date);
        std::sscanf(text.c_str(), "%d-%d-%d", parts[0], parts[1], parts[2]);
        return key;
    }
    const char* at = date.data();
    const char* const end = date.data() + date.size();
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (at == end || *at != '-')
                break;
            ++at;
        }
        const std::from_chars_result read = std::from_chars(at, end, *parts[i]);
        if (read.ec != std::errc()) {
            *parts[i] = 0;
            break;
        }
        at = read.ptr;
    }
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

void HistoryList::rebuild(const CBottlewrightDoc& document) {
    // Records are read in Focus Set order (walking the entries once), their date keys sorted, and the
    // records then put in sorted order where they lie (the collection keeps its capacity between
    // rebuilds, so a rebuild allocates no new large block).
    std::vector<std::pair<DateKey, std::size_t>> keys;
    keys.reserve(m_records.size());
    m_records.clear();
    m_current = {};
    std::string item;
    for (int p = 0; p < document.focusCount(); ++p) {
        const int entryIndex = document.focusMember(p);
        const CWine& wine = *document.entry(entryIndex);
        const std::string& history = wine.m_strHistory;
        std::size_t start = 0;
        while (start < history.size()) {
            std::size_t end = history.find(kHistoryItemEnd, start);
            if (end == std::string::npos)
                end = history.size();
            item.assign(history, start, end - start);
            const CHistoryDelta& record = m_records.emplace_back(deltaFromItem(item, entryIndex));
            keys.emplace_back(dateKey(record.m_strDate), keys.size());
            start = end + 1;
        }
        m_current.bottles += wine.m_nNumberRemaining;
        m_current.cost += wine.m_fCost * static_cast<float>(wine.m_nNumberRemaining);
        m_current.value += wine.effectiveValue() * static_cast<float>(wine.m_nNumberRemaining);
    }
    listQuicksort(keys, [](const auto& a, const auto& b) { return laterFirst(a.first, b.first); });

    // Place j takes the record keys[j] names: follow each cycle of the permutation once.
    const std::size_t done = keys.size();
    for (std::size_t first = 0; first < keys.size(); ++first) {
        if (keys[first].second == done)
            continue;
        CHistoryDelta held = std::move(m_records[first]);
        std::size_t place = first;
        while (keys[place].second != first) {
            const std::size_t from = keys[place].second;
            m_records[place] = std::move(m_records[from]);
            keys[place].second = done;
            place = from;
        }
        m_records[place] = std::move(held);
        keys[place].second = done;
    }

    // Each record shows the totals just after its change: undo the newer ones one by one, in single
    // precision as the totals are kept.
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
