#pragma once

#include "core/model/CHistoryDelta.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CBottlewrightDoc;

// The History List's records: every item of the History texts of the Focus Set's entries, newest
// first, each with the Focus Set's totals as they stood just after its change.
class HistoryList {
public:
    struct Totals {
        std::int32_t bottles = 0;
        float cost = 0.0f;
        float value = 0.0f;
    };

    // What happened since a record: bottles that went out and came in, and the net change to now.
    struct Summary {
        std::string date;
        Totals consumed;
        Totals acquired;
        Totals net;
    };

    // Reads the records of the Focus Set again, sorts them newest first (by year, month and day read as
    // plain numbers, no century) and fills their running totals.
    void rebuild(const CBottlewrightDoc& document);

    int count() const { return static_cast<int>(m_order.size()); }
    // The record at the index, 0 the newest, and the Focus Set's running totals just after its change.
    // The totals are turned into the texts the list shows only for the rows drawn: formatting every
    // record's texts would cost more than the rest of a rebuild.
    const CHistoryDelta& record(int index) const {
        return m_records[m_order.at(static_cast<std::size_t>(index))];
    }
    const Totals& totalsAfter(int index) const { return m_totals.at(static_cast<std::size_t>(index)); }
    // The Focus Set's totals at the last rebuild.
    const Totals& current() const { return m_current; }

    // The summary since the record at the index (0 = newest); records newer than it count.
    Summary summary(int index) const;
    // The text of the summary's message.
    static std::string summaryText(const Summary& summary);

    // The texts of one row, as drawn: date, +/-, bottles, total cost, total value, wine.
    static constexpr int kColumns = 6;
    std::array<std::string, kColumns> rowTexts(const CBottlewrightDoc& document, int index) const;

    // One record from an item of a History text (without its end character). Numbers that cannot be
    // read stay 0.
    static CHistoryDelta deltaFromItem(std::string_view item, int entryIndex);

    // A record's date as "%d-%d-%d" reads it into month, day and year, and where the record lies.
    struct DateKey {
        int year = 0;
        int month = 0;
        int day = 0;
    };
    struct SortKey {
        DateKey date;
        std::uint32_t record = 0; // the record's place in reading order
    };

private:
    // Reads an item's numbers and entry into delta and gives its date.
    static std::string_view readItem(std::string_view item, int entryIndex, CHistoryDelta& delta);

    // The blocks that lend the records their dates, a few for each part of the histories: declared
    // before the records, so that they are freed after them.
    std::vector<std::unique_ptr<char[]>> m_dateArenas;
    std::vector<CHistoryDelta> m_records; // in reading order
    std::vector<std::uint32_t> m_order;   // the records newest first, by their place in reading order
    std::vector<Totals> m_totals;         // newest first
    struct History {
        std::string_view text;
        int entry = 0;
        std::size_t firstItem = 0; // the number of items in the histories before it
    };
    std::vector<History> m_histories; // of the Focus Set's entries, during a rebuild
    std::vector<bool> m_members;      // by Working File index, during a rebuild
    // Splits the histories' items into one part a core, each a run of whole histories, for the passes
    // over them that run side by side.
    void splitIntoParts();
    std::vector<std::size_t> m_partStarts; // the first history of each part, and the end
    std::size_t m_itemCount = 0;
    // Each item of the histories of one part, in Working File order, as visit(item, entry index, the
    // item's number over all the histories).
    template <typename Visit> void forEachItem(std::size_t part, Visit&& visit) const;
    std::vector<DateKey> m_dates; // by record in reading order
    std::vector<SortKey> m_keys;  // for dates too far apart to count
    std::vector<std::uint32_t> m_dateCounts;
    Totals m_current;
};

// Where the History List draws its columns and which record a click hits.
namespace HistoryListLayout {

inline constexpr int kTotalWidth = 3600;

// The x of each column's anchor from the widths of "88-88-88", "-999", "88888" and "$888,888.88":
// the first five columns end at their anchor, the wine starts at the sixth.
std::array<int, HistoryList::kColumns> anchors(int dateWidth, int changeWidth, int bottlesWidth,
                                               int moneyWidth);
// Rows below the heading that fit above the client area's bottom.
int rowsPerPage(int clientBottom, int rowHeight);
// The row of list row i (0 = first below the heading).
inline int rowY(int i, int rowHeight) {
    return (i + 1) * rowHeight + 3;
}
// The record a double-click at y hits, or nothing for the heading and below the last record.
std::optional<int> recordAt(int y, int rowHeight, int topRow, int count);

} // namespace HistoryListLayout
