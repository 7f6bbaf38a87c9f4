#include "core/editing/HistoryItemList.h"

#include "core/model/CWine.h"
#include "core/model/WineDates.h"

#include <algorithm>

namespace {

// The leading date of an item line; the fields after it must not be read as parts of the date
// (an empty date followed by a quantity would pass for a year).
std::string leadingDate(const std::string& line) {
    return line.substr(0, line.find('\t'));
}

// Whether the line belongs above the item: newer, or the same date with a greater text.
bool goesBefore(const std::string& line, const std::string& item) {
    const int order = compareDates(leadingDate(item), leadingDate(line));
    return order < 0 || (order == 0 && item < line);
}

} // namespace

void HistoryItemList::load(const std::string& historyText) {
    m_items.clear();
    std::size_t start = 0;
    while (start < historyText.size()) {
        const std::size_t end = std::min(historyText.find(kHistoryItemEnd, start), historyText.size());
        if (end == start)
            break;
        insertSorted(historyText.substr(start, end - start));
        start = end + 1;
    }
}

std::string HistoryItemList::historyText() const {
    std::string text;
    for (const std::string& item : m_items) {
        text += item;
        text += kHistoryItemEnd;
    }
    return text;
}

std::size_t HistoryItemList::insertSorted(std::string line) {
    const auto place = std::find_if(m_items.begin(), m_items.end(),
                                    [&line](const std::string& item) { return goesBefore(line, item); });
    const auto position = place - m_items.begin();
    m_items.insert(place, std::move(line));
    return static_cast<std::size_t>(position);
}

std::string HistoryItemList::takeAt(std::size_t position) {
    std::string item = std::move(m_items.at(position));
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(position));
    return item;
}

std::string HistoryItemList::joinFields(const Fields& fields) {
    std::string line = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) {
        line += '\t';
        line += fields[i];
    }
    return line;
}

HistoryItemList::Fields HistoryItemList::splitFields(const std::string& line) {
    Fields fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t tab = line.find('\t', start);
        if (i + 1 == fields.size() || tab == std::string::npos) {
            fields[i] = line.substr(start);
            break;
        }
        fields[i] = line.substr(start, tab - start);
        start = tab + 1;
    }
    return fields;
}

bool HistoryItemList::allEmpty(const Fields& fields) {
    return std::all_of(fields.begin(), fields.end(), [](const std::string& field) { return field.empty(); });
}
