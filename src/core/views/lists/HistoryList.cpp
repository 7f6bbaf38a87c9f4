#include "core/views/lists/HistoryList.h"

#include "core/document/CBottlewrightDoc.h"
#include "core/document/Statistics.h"
#include "core/editing/HistoryItemList.h"
#include "core/model/WineDates.h"
#include "core/model/WorkInParts.h"
#include "core/views/lists/ListQuicksort.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

namespace {

// Texts of digits, '.' and '-' alone (as the program writes them) are read by from_chars, which
// gives what sscanf gives for them; anything else goes to sscanf itself.
bool plainNumber(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == '-';
    });
}

std::int32_t readInt(std::string_view text) {
    int number = 0;
    if (plainNumber(text) &&
        std::from_chars(text.data(), text.data() + text.size(), number).ec == std::errc())
        return number;
    std::sscanf(std::string(text).c_str(), "%d", &number);
    return number;
}

// A decimal of at most seven digits ("123.45", "-20") from c on, up to the first character that cannot
// belong to one, read without the general parser: the digits and the power of ten are both exact
// floats, so the one division rounds exactly as "%f" does. Nothing when it has no digit.
std::optional<float> readShortDecimal(const char*& c, const char* end) {
    const bool negative = c != end && *c == '-';
    if (negative)
        ++c;
    std::uint32_t digits = 0;
    int count = 0;
    float scale = 1.0f;
    bool point = false;
    for (; c != end; ++c) {
        if (*c == '.' && !point) {
            point = true;
        } else if (*c >= '0' && *c <= '9' && count < 7) {
            digits = digits * 10 + static_cast<std::uint32_t>(*c - '0');
            ++count;
            if (point)
                scale *= 10.0f;
        } else {
            break;
        }
    }
    if (count == 0)
        return std::nullopt;
    const float magnitude = static_cast<float>(digits) / scale;
    return negative ? -magnitude : magnitude;
}

std::optional<float> shortDecimal(std::string_view text) {
    const char* c = text.data();
    const char* const end = c + text.size();
    const std::optional<float> number = readShortDecimal(c, end);
    return c == end ? number : std::nullopt;
}

// A whole number of at most nine digits from c on, as from_chars reads it, up to the first other
// character. Nothing when it has no digit.
std::optional<std::int32_t> readShortWhole(const char*& c, const char* end) {
    const bool negative = c != end && *c == '-';
    if (negative)
        ++c;
    std::int32_t number = 0;
    int count = 0;
    for (; c != end && *c >= '0' && *c <= '9' && count < 9; ++c, ++count)
        number = number * 10 + (*c - '0');
    if (count == 0)
        return std::nullopt;
    return negative ? -number : number;
}

// An item as the program writes it, read in one pass: the date, two whole numbers and four short
// decimals, each ended by a tab but the last; date is the text before the first tab. Gives false for
// any other item, which is then read field by field; what it reads is what that reading gives.
bool readPlainItem(std::string_view item, CHistoryDelta& delta, std::string_view& date) {
    const std::size_t dateEnd = item.find('\t');
    if (dateEnd == std::string_view::npos)
        return false;
    const char* c = item.data() + dateEnd + 1;
    const char* const end = item.data() + item.size();
    const auto ended = [&c, end](bool last) {
        if (last)
            return c == end;
        if (c == end || *c != '\t')
            return false;
        ++c;
        return true;
    };
    std::int32_t* const wholes[] = {&delta.m_nNewQty, &delta.m_nOldQty};
    for (std::int32_t* whole : wholes) {
        const std::optional<std::int32_t> number = readShortWhole(c, end);
        if (!number || !ended(false))
            return false;
        *whole = *number;
    }
    float* const decimals[] = {&delta.m_fNewCost, &delta.m_fOldCost, &delta.m_fNewValue, &delta.m_fOldValue};
    for (float* decimal : decimals) {
        const std::optional<float> number = readShortDecimal(c, end);
        if (!number || !ended(decimal == decimals[3]))
            return false;
        *decimal = *number;
    }
    date = item.substr(0, dateEnd);
    return true;
}

float readFloat(std::string_view text) {
    if (const std::optional<float> quick = shortDecimal(text))
        return *quick;
    float number = 0.0f;
    if (plainNumber(text) &&
        std::from_chars(text.data(), text.data() + text.size(), number).ec == std::errc())
        return number;
    std::sscanf(std::string(text).c_str(), "%f", &number);
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

// Month, day and year as "%d-%d-%d" reads them; parts not read stay 0.
HistoryList::DateKey dateKey(std::string_view date) {
    int numbers[3] = {0, 0, 0};
    scanDateNumbers(date, numbers);
    return {numbers[2], numbers[0], numbers[1]};
}

// History texts lie scattered on the heap: asking for the text a few entries ahead while this one is
// read hides most of the wait for memory.
constexpr std::size_t kLookAhead = 4;
// In Focus Set order the entries lie all over memory: the walk asks further ahead.
constexpr int kEntriesAhead = 16;

int laterFirst(const HistoryList::DateKey& a, const HistoryList::DateKey& b) {
    if (a.year != b.year)
        return a.year > b.year ? -1 : 1;
    if (a.month != b.month)
        return a.month > b.month ? -1 : 1;
    if (a.day != b.day)
        return a.day > b.day ? -1 : 1;
    return 0;
}

// Puts the dates' numbers in order newest first by counting, when the dates lie close enough together
// (as those the program writes do, within a few decades): linear time, where the quicksort spends most
// of a rebuild on a large cellar. Equal dates keep their order. Gives false for a spread too wide to
// count.
bool orderByCounting(const std::vector<HistoryList::DateKey>& dates, std::vector<std::uint32_t>& order,
                     std::vector<std::uint32_t>& counts) {
    if (dates.empty())
        return true;
    HistoryList::DateKey low = dates.front();
    HistoryList::DateKey high = low;
    for (const HistoryList::DateKey& date : dates) {
        low = {std::min(low.year, date.year), std::min(low.month, date.month), std::min(low.day, date.day)};
        high = {std::max(high.year, date.year), std::max(high.month, date.month),
                std::max(high.day, date.day)};
    }
    const auto span = [](int from, int to) { return std::int64_t{to} - from + 1; };
    const std::int64_t limit = 4 * static_cast<std::int64_t>(dates.size()) + 65536;
    const std::int64_t years = span(low.year, high.year);
    const std::int64_t months = span(low.month, high.month);
    const std::int64_t days = span(low.day, high.day);
    if (years > limit || months > limit / years || days > limit / (years * months))
        return false;
    const std::int64_t buckets = years * months * days;
    // Bucket 0 holds the newest date.
    const auto bucket = [&](const HistoryList::DateKey& date) {
        const std::int64_t oldestFirst =
            ((std::int64_t{date.year} - low.year) * months + (date.month - low.month)) * days +
            (date.day - low.day);
        return static_cast<std::size_t>(buckets - 1 - oldestFirst);
    };
    counts.assign(static_cast<std::size_t>(buckets) + 1, 0);
    for (const HistoryList::DateKey& date : dates)
        ++counts[bucket(date) + 1];
    for (std::size_t i = 1; i < counts.size(); ++i)
        counts[i] += counts[i - 1];
    order.resize(dates.size());
    for (std::size_t r = 0; r < dates.size(); ++r)
        order[counts[bucket(dates[r])]++] = static_cast<std::uint32_t>(r);
    return true;
}

std::string formatFigure(const char* format, double amount) {
    char text[64];
    std::snprintf(text, sizeof text, format, amount);
    return text;
}

} // namespace

std::string_view HistoryList::readItem(std::string_view item, int entryIndex, CHistoryDelta& delta) {
    delta.m_nEntry = entryIndex;
    std::string_view date;
    if (readPlainItem(item, delta, date))
        return date;
    // The item cut at its tabs as the History page cuts it (the last field takes the rest), without
    // copying the fields.
    std::array<std::string_view, HistoryItemList::FieldCount> fields;
    std::size_t field = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < item.size() && field + 1 < fields.size(); ++i) {
        if (item[i] == '\t') {
            fields[field++] = item.substr(start, i - start);
            start = i + 1;
        }
    }
    fields[field] = item.substr(start);
    delta.m_nNewQty = readInt(fields[HistoryItemList::NewQty]);
    delta.m_nOldQty = readInt(fields[HistoryItemList::OldQty]);
    delta.m_fNewCost = readFloat(fields[HistoryItemList::NewCost]);
    delta.m_fOldCost = readFloat(fields[HistoryItemList::OldCost]);
    delta.m_fNewValue = readFloat(fields[HistoryItemList::NewValue]);
    delta.m_fOldValue = readFloat(fields[HistoryItemList::OldValue]);
    return fields[HistoryItemList::Date];
}

CHistoryDelta HistoryList::deltaFromItem(std::string_view item, int entryIndex) {
    CHistoryDelta delta;
    delta.m_strDate = readItem(item, entryIndex, delta);
    return delta;
}

template <typename Visit> void HistoryList::forEachItem(std::size_t part, Visit&& visit) const {
    const std::size_t end = m_partStarts[part + 1];
    for (std::size_t h = m_partStarts[part]; h < end; ++h) {
        if (h + kLookAhead < end)
            __builtin_prefetch(m_histories[h + kLookAhead].text.data());
        std::size_t number = m_histories[h].firstItem;
        std::string_view history = m_histories[h].text;
        while (!history.empty()) {
            const std::size_t itemEnd = history.find(kHistoryItemEnd);
            visit(history.substr(0, itemEnd), m_histories[h].entry, number++);
            history.remove_prefix(itemEnd == std::string_view::npos ? history.size() : itemEnd + 1);
        }
    }
}

void HistoryList::splitIntoParts() {
    // The items are counted a part of the histories a core, then numbered through.
    constexpr std::size_t kHistoriesAPart = 1000; // fewer are read faster than a thread starts
    const std::size_t parts =
        std::clamp<std::size_t>(m_histories.size() / kHistoriesAPart, 1, WorkInParts::count());
    WorkInParts::run(parts, [this, parts](std::size_t part) {
        const std::size_t end = WorkInParts::start(part + 1, parts, m_histories.size());
        for (std::size_t h = WorkInParts::start(part, parts, m_histories.size()); h < end; ++h) {
            const std::string_view text = m_histories[h].text;
            m_histories[h].firstItem =
                static_cast<std::size_t>(std::count(text.begin(), text.end(), kHistoryItemEnd)) +
                (text.back() != kHistoryItemEnd ? 1 : 0);
        }
    });
    std::size_t items = 0;
    for (History& history : m_histories)
        items += std::exchange(history.firstItem, items);
    // Each part then takes about as many items.
    m_partStarts.assign(parts + 1, m_histories.size());
    std::size_t h = 0;
    for (std::size_t part = 0; part < parts; ++part) {
        const std::size_t firstItem = WorkInParts::start(part, parts, items);
        while (h < m_histories.size() && m_histories[h].firstItem < firstItem)
            ++h;
        m_partStarts[part] = h;
    }
    m_itemCount = items;
}

void HistoryList::rebuild(const CBottlewrightDoc& document) {
    // Every collection keeps its capacity between rebuilds.
    m_histories.clear();
    m_keys.clear();
    m_records.clear();
    m_current = {};
    // The totals add up in Focus Set order, as single-precision sums must to come out the same. That
    // walk jumps about memory, so it runs beside the reading of the records.
    const auto addTotals = [this, &document] {
        for (int p = 0; p < document.focusCount(); ++p) {
            if (const CWine* ahead = document.focusEntry(p + kEntriesAhead))
                ahead->prefetch();
            const CWine& wine = *document.focusEntry(p);
            m_current.bottles += wine.m_nNumberRemaining;
            m_current.cost += wine.m_fCost * static_cast<float>(wine.m_nNumberRemaining);
            m_current.value += wine.effectiveValue() * static_cast<float>(wine.m_nNumberRemaining);
        }
    };
    constexpr int kWorthAThread = 10000; // fewer entries are added up faster than a thread starts
    WorkInParts::Task totals;
    if (document.focusCount() >= kWorthAThread)
        totals = WorkInParts::startBeside(addTotals);
    else
        addTotals();
    // The records are read in Working File order, which is the order the entries and their texts lie
    // in memory, rather than jumping about in Focus Set order: equal dates have no order of their own.
    m_histories.reserve(static_cast<std::size_t>(document.focusCount()));
    m_members.assign(static_cast<std::size_t>(document.entryCount()), false);
    for (int p = 0; p < document.focusCount(); ++p)
        m_members[static_cast<std::size_t>(document.focusMember(p))] = true;
    for (int index = 0; index < document.entryCount(); ++index) {
        if (index + kEntriesAhead < document.entryCount())
            __builtin_prefetch(&document.entry(index + kEntriesAhead)->m_strHistory);
        const std::string_view history = document.entry(index)->m_strHistory;
        if (m_members[static_cast<std::size_t>(index)] && !history.empty())
            m_histories.push_back({history, index});
    }
    splitIntoParts();
    // Each part of the histories is read on a core of its own, in memory order, into its own stretch of
    // the records, so every write goes to the next record. The dates too long to keep in a record's
    // eight bytes are lent by blocks of the part's own.
    const std::size_t parts = m_partStarts.size() - 1;
    m_dates.resize(m_itemCount);
    m_records.resize(m_itemCount);
    std::vector<std::vector<std::unique_ptr<char[]>>> dateBlocks(parts);
    WorkInParts::run(parts, [this, &dateBlocks](std::size_t part) {
        constexpr std::size_t kDateBlock = std::size_t{1} << 16;
        char* space = nullptr;
        std::size_t spaceLeft = 0;
        forEachItem(part, [&](std::string_view item, int entry, std::size_t number) {
            CHistoryDelta& record = m_records[number];
            const std::string_view date = readItem(item, entry, record);
            m_dates[number] = dateKey(date);
            const std::size_t needed = WineText::lentSpace(date);
            if (needed > spaceLeft) {
                spaceLeft = std::max(needed, kDateBlock);
                dateBlocks[part].push_back(std::make_unique_for_overwrite<char[]>(spaceLeft));
                space = dateBlocks[part].back().get();
            }
            space = record.m_strDate.lend(date, space);
            spaceLeft -= needed;
        });
    });
    m_dateArenas.clear();
    for (std::vector<std::unique_ptr<char[]>>& blocks : dateBlocks)
        std::move(blocks.begin(), blocks.end(), std::back_inserter(m_dateArenas));
    if (!orderByCounting(m_dates, m_order, m_dateCounts)) {
        for (std::size_t record = 0; record < m_dates.size(); ++record)
            m_keys.push_back({m_dates[record], static_cast<std::uint32_t>(record)});
        listQuicksort(m_keys, [](const SortKey& a, const SortKey& b) { return laterFirst(a.date, b.date); });
        m_order.resize(m_keys.size());
        for (std::size_t place = 0; place < m_keys.size(); ++place)
            m_order[place] = m_keys[place].record;
    }

    // Each record shows the totals just after its change: undo the newer ones one by one, in single
    // precision as the totals are kept. The records' changes are first put in newest-first order, on
    // every core, as in that order the records lie all over memory; the totals then add up along
    // them, in place, on one.
    m_totals.resize(m_order.size());
    const std::size_t changeParts = m_order.size() >= kWorthAThread ? WorkInParts::count() : 1;
    WorkInParts::run(changeParts, [this, changeParts](std::size_t part) {
        constexpr std::size_t kRecordsAhead = 64;
        const std::size_t end = WorkInParts::start(part + 1, changeParts, m_order.size());
        for (std::size_t i = WorkInParts::start(part, changeParts, m_order.size()); i < end; ++i) {
            if (i + kRecordsAhead < end)
                __builtin_prefetch(&m_records[m_order[i + kRecordsAhead]]);
            const CHistoryDelta& record = m_records[m_order[i]];
            const auto newQty = static_cast<float>(record.m_nNewQty);
            const auto oldQty = static_cast<float>(record.m_nOldQty);
            m_totals[i] = {record.change(), record.m_fNewCost * newQty - record.m_fOldCost * oldQty,
                           record.m_fNewValue * newQty - record.m_fOldValue * oldQty};
        }
    });
    if (totals.joinable())
        totals.join();
    Totals running = m_current;
    for (Totals& after : m_totals) {
        const Totals change = after;
        after = running;
        running.bottles -= change.bottles;
        running.cost -= change.cost;
        running.value -= change.value;
    }
}

HistoryList::Summary HistoryList::summary(int index) const {
    const CHistoryDelta& clicked = record(index);
    const Totals& clickedTotals = totalsAfter(index);
    Summary summary;
    summary.date = clicked.m_strDate;
    for (int i = 0; i < index; ++i) {
        const CHistoryDelta& newer = record(i);
        const std::int32_t d = newer.change();
        Totals& totals = d < 0 ? summary.consumed : summary.acquired;
        const std::int32_t bottles = d < 0 ? -d : d;
        totals.bottles += bottles;
        totals.cost += static_cast<float>(bottles) * newer.m_fNewCost;
        totals.value += static_cast<float>(bottles) * newer.m_fNewValue;
    }
    // The clicked row's totals as read back from the texts it shows, so cents are what the user saw.
    summary.net.bottles = m_current.bottles - clickedTotals.bottles;
    summary.net.cost = m_current.cost - readMoney(moneyText(clickedTotals.cost));
    summary.net.value = m_current.value - readMoney(moneyText(clickedTotals.value));
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
    const CHistoryDelta& record = this->record(index);
    const Totals& totals = totalsAfter(index);
    // A record outlives its entry until the next rebuild.
    std::string wine = record.m_nEntry >= 0 && record.m_nEntry < document.entryCount()
                           ? document.entry(record.m_nEntry)->description()
                           : std::string("*****");
    return {record.m_strDate,       std::to_string(record.change()), std::to_string(totals.bottles),
            moneyText(totals.cost), moneyText(totals.value),         std::move(wine)};
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
