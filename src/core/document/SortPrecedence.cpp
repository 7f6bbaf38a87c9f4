#include "core/document/SortPrecedence.h"

#include "core/model/AtomicFile.h"
#include "core/model/WineDates.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <string>
#include <utility>

namespace {

int sign(std::int64_t difference) {
    return (difference > 0) - (difference < 0);
}

// Cost and Value compare by the sign of their difference, so amounts a rounding apart still differ.
int compareAmounts(float a, float b) {
    const float difference = a - b;
    return (difference > 0.0f) - (difference < 0.0f);
}

// Bottles gone, without the 32-bit wrap-around, so that damaged counts still sort by size.
std::int64_t numberConsumed(const CWine& wine) {
    return std::int64_t{wine.m_nNumberAcquired} - wine.m_nNumberRemaining;
}

} // namespace

const std::array<int, SortPrecedence::kSortableCount>& SortPrecedence::fileOrder() {
    static const std::array<int, kSortableCount> order{
        CWine::Bins,           CWine::Cost,
        CWine::Country,        CWine::DateAcquired,
        CWine::DateModified,   CWine::Designation,
        CWine::DrinkDate,      CWine::NumberAcquired,
        CWine::NumberConsumed, CWine::NumberRemaining,
        CWine::Producer,       CWine::Rating,
        CWine::Region,         CWine::Vendor,
        CWine::TryDate,        CWine::User1,
        CWine::User2,          CWine::User3,
        CWine::User4,          CWine::User5,
        CWine::Value,          CWine::Appellation,
        CWine::Vintage,        CWine::WineType,
    };
    return order;
}

const std::array<int, SortPrecedence::kSortableCount>& SortPrecedence::testingOrder() {
    static const std::array<int, kSortableCount> order{
        CWine::Vintage, CWine::NumberRemaining, CWine::NumberAcquired, CWine::NumberConsumed, CWine::Cost,
        CWine::Value,   CWine::Producer,        CWine::Rating,         CWine::Designation,    CWine::Country,
        CWine::Region,  CWine::Appellation,     CWine::Vendor,         CWine::WineType,       CWine::Bins,
        CWine::User1,   CWine::User2,           CWine::User3,          CWine::User4,          CWine::User5,
        CWine::TryDate, CWine::DrinkDate,       CWine::DateAcquired,   CWine::DateModified,
    };
    return order;
}

SortPrecedence::SortPrecedence() {
    clear();
}

void SortPrecedence::setPrecedence(int field, int number) {
    m_precedence[field] = number;
    planKeys();
}

void SortPrecedence::clear() {
    m_precedence.fill(kNoKey);
    m_descending.fill(0);
    planKeys();
}

void SortPrecedence::planKeys() {
    m_keyCount = 0;
    for (int number = 1; number <= kSortableCount; ++number) {
        int keyField = -1;
        for (const int field : testingOrder()) {
            if (m_precedence[field] == number) {
                keyField = field;
                break;
            }
        }
        if (keyField < 0)
            return; // a gap ends the keys; Producer and Vintage take over from there
        m_keys[m_keyCount++] = keyField;
    }
}

bool SortPrecedence::read(const std::filesystem::path& path) {
    std::string text;
    std::string error;
    return readWholeFile(path, text, error) && parse(text);
}

bool SortPrecedence::parse(const std::string& text) {
    int pairsRead = 0;
    const char* cursor = text.c_str();
    for (const int field : fileOrder()) {
        int consumed = 0;
        // Like fscanf: after the first pair that does not scan, none of the later ones does.
        if (std::sscanf(cursor, "%d %d%n", &m_precedence[field], &m_descending[field], &consumed) != 2)
            break;
        cursor += consumed;
        ++pairsRead;
    }
    planKeys();
    return pairsRead == kSortableCount;
}

bool SortPrecedence::write(const std::filesystem::path& path) const {
    std::string text;
    for (const int field : fileOrder())
        text += std::to_string(m_precedence[field]) + ' ' + std::to_string(m_descending[field]) + '\n';
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return writeFileAtomically(path, {bytes, text.size()}).empty();
}

namespace {

// The program's own quicksort over rows: the middle one is the pivot, those compare puts before it go
// in front in the order met. Its order among equal rows is part of the behaviour.
template <typename Row, typename Compare> void quicksort(Row* rows, int lo, int hi, const Compare& compare) {
    while (lo < hi) {
        std::swap(rows[lo], rows[(lo + hi) / 2]);
        int last = lo;
        for (int i = lo + 1; i <= hi; ++i) {
            if (compare(rows[i], rows[lo]) < 0) {
                ++last;
                std::swap(rows[last], rows[i]);
            }
        }
        std::swap(rows[lo], rows[last]);
        quicksort(rows, lo, last - 1, compare);
        lo = last + 1;
    }
}

// One sort key of every entry being sorted, read once before the sort: counts, dates and number texts
// would otherwise be read again at every comparison, and the entries themselves lie all over memory.
class KeyColumn {
public:
    KeyColumn(int field, bool descending, std::size_t rows)
        : m_field(field), m_kind(kindOf(field)), m_descending(descending) {
        switch (m_kind) {
        case Kind::Number:
            m_numbers.reserve(rows);
            break;
        case Kind::Amount:
            m_amounts.reserve(rows);
            break;
        case Kind::Date:
            m_dates.reserve(rows);
            break;
        case Kind::NumberText:
            m_numberOffsets.reserve(rows);
            [[fallthrough]];
        case Kind::Text:
            m_texts.reserve(rows);
            m_prefixes.reserve(rows);
            break;
        }
    }

    // A row's key as a word and a half that order as the key does, before its direction, for the kinds
    // that have them (counts, Vintage, dates, texts by their first twelve bytes): a sort can hold them
    // beside the row and so decide most comparisons without looking anything up. Equal words may
    // still hide a difference, in texts past their twelfth byte.
    struct Words {
        std::uint64_t high = 0;
        std::uint32_t low = 0;
    };
    bool hasWords() const { return m_kind == Kind::Number || m_kind == Kind::Date || m_kind == Kind::Text; }
    Words words(std::size_t row) const {
        const auto ordered = [](std::int64_t n) {
            return static_cast<std::uint64_t>(n) ^ (std::uint64_t{1} << 63);
        };
        switch (m_kind) {
        case Kind::Number:
            return {ordered(m_numbers[row]), 0};
        case Kind::Date: {
            const WineDate& date = m_dates[row];
            const auto part = [](int n) { return static_cast<std::uint32_t>(n) ^ 0x80000000u; };
            return {std::uint64_t{part(date.year)} << 32 | part(date.month), part(date.day)};
        }
        case Kind::Text:
            return {m_prefixes[row].high, static_cast<std::uint32_t>(m_prefixes[row].low >> 32)};
        default:
            return {};
        }
    }
    bool descending() const { return m_descending; }
    // For a sort that holds the words beside its rows: frees the room made for them here, after which
    // each entry is added by addGivingWords, which keeps nothing.
    void releaseWords() {
        std::vector<std::int64_t>().swap(m_numbers);
        std::vector<WineDate>().swap(m_dates);
        std::vector<const WineText*>().swap(m_texts);
        std::vector<Prefix>().swap(m_prefixes);
    }
    Words addGivingWords(const CWine& wine) {
        add(wine); // the words are then the only ones held
        const Words taken = words(0);
        m_numbers.clear();
        m_dates.clear();
        m_texts.clear();
        m_prefixes.clear();
        return taken;
    }
    // The key's order, with its direction, for entries whose words are equal: only texts can still
    // differ, past their twelfth byte.
    int compareBeyondWords(const CWine& a, const CWine& b, const Words& words) const {
        if (m_kind != Kind::Text || (words.low & 0xFF) == 0)
            return 0;
        const int result =
            std::strcmp(a.textField(m_field)->c_str() + 12, b.textField(m_field)->c_str() + 12);
        return m_descending ? -result : result;
    }

    // The key's order for the entries at rows a and b, with its direction. Texts compare byte by byte
    // with unsigned bytes, case-sensitive, so every capital comes before every small letter; Cost and
    // Value by the sign of their difference, so amounts a rounding apart still differ.
    int compare(std::size_t a, std::size_t b) const {
        int result = 0;
        switch (m_kind) {
        case Kind::Number:
            result = sign(m_numbers[a] - m_numbers[b]);
            break;
        case Kind::Amount:
            result = compareAmounts(m_amounts[a], m_amounts[b]);
            break;
        case Kind::Date:
            result = compareDates(m_dates[a], m_dates[b]);
            break;
        case Kind::NumberText:
            result = compareNumberText(*m_texts[a], m_numberArena.data() + m_numberOffsets[a], *m_texts[b],
                                       m_numberArena.data() + m_numberOffsets[b], m_field == CWine::Rating);
            break;
        case Kind::Text: {
            // Most texts differ within their first sixteen bytes, which the prefixes compare in two steps.
            const Prefix& pa = m_prefixes[a];
            const Prefix& pb = m_prefixes[b];
            if (pa.high != pb.high)
                result = pa.high < pb.high ? -1 : 1;
            else if (pa.low != pb.low)
                result = pa.low < pb.low ? -1 : 1;
            else if ((pa.low & 0xFF) != 0) // both go on past the prefix
                result = std::strcmp(m_texts[a]->c_str() + 16, m_texts[b]->c_str() + 16);
            break;
        }
        }
        return m_descending ? -result : result;
    }

private:
    enum class Kind { Number, Amount, Date, NumberText, Text };

    static Kind kindOf(int field) {
        switch (field) {
        case CWine::Vintage:
        case CWine::NumberRemaining:
        case CWine::NumberAcquired:
        case CWine::NumberConsumed:
            return Kind::Number;
        case CWine::Cost:
        case CWine::Value:
            return Kind::Amount;
        case CWine::Rating:
        case CWine::Bins:
            return Kind::NumberText;
        case CWine::TryDate:
        case CWine::DrinkDate:
        case CWine::DateAcquired:
        case CWine::DateModified:
            return Kind::Date;
        default:
            return Kind::Text;
        }
    }

public:
    // Appends the key of the entry in the next row.
    void add(const CWine& wine) {
        switch (m_field) {
        case CWine::Vintage:
            m_numbers.push_back(wine.m_nVintage);
            return;
        case CWine::NumberRemaining:
            m_numbers.push_back(wine.m_nNumberRemaining);
            return;
        case CWine::NumberAcquired:
            m_numbers.push_back(wine.m_nNumberAcquired);
            return;
        case CWine::NumberConsumed:
            m_numbers.push_back(numberConsumed(wine));
            return;
        case CWine::Cost:
            m_amounts.push_back(wine.m_fCost);
            return;
        case CWine::Value:
            m_amounts.push_back(wine.effectiveValue());
            return;
        case CWine::TryDate:
            m_dates.push_back(parseWineDate(wine.m_strTryDate));
            return;
        case CWine::DrinkDate:
            m_dates.push_back(parseWineDate(wine.m_strDrinkDate));
            return;
        case CWine::DateAcquired:
            m_dates.push_back(parseWineDate(wine.m_strDateAcquired));
            return;
        case CWine::DateModified:
            m_dates.push_back(parseWineDate(wine.m_strDateModified));
            return;
        case CWine::Rating:
        case CWine::Bins: {
            const WineText& text = *wine.textField(m_field);
            m_texts.push_back(&text);
            m_numberOffsets.push_back(m_numberArena.size());
            appendNumbersAtDigits(text, m_numberArena);
            return;
        }
        default:
            m_texts.push_back(wine.textField(m_field));
            m_prefixes.push_back(prefixOf(*m_texts.back()));
        }
    }

private:
    // The first sixteen bytes of the text up to its end (as strcmp sees it), the first the most
    // significant, zeros after the end: prefixes order as strcmp orders the texts' beginnings.
    struct Prefix {
        std::uint64_t high = 0;
        std::uint64_t low = 0;
    };
    static Prefix prefixOf(const WineText& text) {
        Prefix prefix;
        const char* c = text.c_str();
        for (std::uint64_t* word : {&prefix.high, &prefix.low}) {
            for (int i = 0; i < 8; ++i) {
                const auto byte = static_cast<unsigned char>(*c);
                *word = *word << 8 | byte;
                if (byte != 0)
                    ++c;
            }
        }
        return prefix;
    }

    int m_field;
    Kind m_kind;
    bool m_descending;
    std::vector<std::int64_t> m_numbers;
    std::vector<float> m_amounts;
    std::vector<WineDate> m_dates;
    std::vector<const WineText*> m_texts;
    std::vector<Prefix> m_prefixes;           // of plain texts
    std::vector<std::size_t> m_numberOffsets; // into m_numberArena, one a text
    std::vector<float> m_numberArena;
};

// A column for each field the precedence compares, in order, room made for rows entries.
std::vector<KeyColumn> keyColumns(const SortPrecedence& precedence, std::size_t rows) {
    std::vector<KeyColumn> columns;
    precedence.forEachKey([&](int field, bool descending) { columns.emplace_back(field, descending, rows); });
    return columns;
}

int compareRows(const std::vector<KeyColumn>& columns, std::size_t a, std::size_t b, std::size_t from = 0) {
    for (std::size_t i = from; i < columns.size(); ++i) {
        if (const int result = columns[i].compare(a, b); result != 0)
            return result;
    }
    return 0;
}

} // namespace

void SortPrecedence::sort(std::vector<int>& focus, int count, const WineList& entries) const {
    if (count < 2)
        return;
    std::vector<KeyColumn> columns = keyColumns(*this, static_cast<std::size_t>(count));
    // Each row carries its first key's words, so the quicksort's passes mostly read the rows alone.
    struct Row {
        KeyColumn::Words first;
        int index = 0;
    };
    KeyColumn& lead = columns.front();
    const bool leadWords = lead.hasWords();
    const int leadDirection = lead.descending() ? -1 : 1;
    if (leadWords)
        lead.releaseWords();
    std::vector<Row> rows(static_cast<std::size_t>(count));
    // One walk over the entries fills every column: each entry is read while it is at hand, and the
    // entries a few rows on are asked for meanwhile.
    const auto entryAt = [&](int row) -> const CWine& {
        return *entries[static_cast<std::size_t>(focus[static_cast<std::size_t>(row)])];
    };
    constexpr int kLookAhead = 16;
    for (int row = 0; row < count; ++row) {
        if (row + 2 * kLookAhead < count)
            __builtin_prefetch(
                &entries[static_cast<std::size_t>(focus[static_cast<std::size_t>(row + 2 * kLookAhead)])]);
        if (row + kLookAhead < count)
            entryAt(row + kLookAhead).prefetch();
        const CWine& wine = entryAt(row);
        Row& current = rows[static_cast<std::size_t>(row)];
        current.index = row;
        if (leadWords)
            current.first = lead.addGivingWords(wine);
        else
            lead.add(wine);
        for (std::size_t column = 1; column < columns.size(); ++column)
            columns[column].add(wine);
    }
    const auto order = [&columns, &entryAt, leadWords, leadDirection](const Row& a, const Row& b) {
        const auto rowA = static_cast<std::size_t>(a.index);
        const auto rowB = static_cast<std::size_t>(b.index);
        if (!leadWords)
            return compareRows(columns, rowA, rowB);
        if (a.first.high != b.first.high)
            return a.first.high < b.first.high ? -leadDirection : leadDirection;
        if (a.first.low != b.first.low)
            return a.first.low < b.first.low ? -leadDirection : leadDirection;
        if (const int result =
                columns.front().compareBeyondWords(entryAt(a.index), entryAt(b.index), a.first);
            result != 0)
            return result;
        return compareRows(columns, rowA, rowB, 1);
    };
    // The rows are sorted as the positions would be, swap for swap, then mapped back to entries.
    quicksort(rows.data(), 0, count - 1, order);
    for (Row& row : rows)
        row.index = focus[static_cast<std::size_t>(row.index)];
    for (std::size_t i = 0; i < rows.size(); ++i)
        focus[i] = rows[i].index;
}

int SortPrecedence::compare(const CWine& a, const CWine& b) const {
    std::vector<KeyColumn> columns = keyColumns(*this, 2);
    for (KeyColumn& column : columns) {
        column.add(a);
        column.add(b);
    }
    return compareRows(columns, 0, 1);
}
