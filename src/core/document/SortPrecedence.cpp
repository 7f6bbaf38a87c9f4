#include "core/document/SortPrecedence.h"

#include "core/document/SharedQuicksort.h"
#include "core/model/AtomicFile.h"
#include "core/model/WineDates.h"
#include "core/model/WorkInParts.h"

#include <algorithm>
#include <atomic>
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

// One sort key of every entry being sorted, read once before the sort: counts, dates and number texts
// would otherwise be read again at every comparison, and the entries themselves lie all over memory.
class KeyColumn {
public:
    KeyColumn(int field, bool descending) : m_field(field), m_kind(kindOf(field)), m_descending(descending) {}

    // Makes room for the keys of rows entries.
    void makeRoom(std::size_t rows) {
        switch (m_kind) {
        case Kind::Number:
            m_numbers.resize(rows);
            break;
        case Kind::Amount:
            m_amounts.resize(rows);
            break;
        case Kind::Date:
            m_dates.resize(rows);
            break;
        case Kind::NumberText:
            m_numberOffsets.resize(rows);
            m_texts.resize(rows);
            break;
        case Kind::Text:
            m_texts.resize(rows);
            m_prefixes.resize(rows);
            break;
        }
    }

    // Whether set() for different rows may run at once: number texts gather their numbers in one list.
    bool fillsRowsApart() const { return m_kind != Kind::NumberText; }

    // Keeps the key of the entry in row.
    void set(std::size_t row, const CWine& wine) {
        switch (m_kind) {
        case Kind::Number:
            m_numbers[row] = numberOf(wine);
            return;
        case Kind::Amount:
            m_amounts[row] = amountOf(wine);
            return;
        case Kind::Date:
            m_dates[row] = dateOf(wine);
            return;
        case Kind::NumberText: {
            const WineText& text = *wine.textField(m_field);
            m_texts[row] = &text;
            m_numberOffsets[row] = m_numberArena.size();
            appendNumbersAtDigits(text, m_numberArena);
            return;
        }
        case Kind::Text:
            m_texts[row] = wine.textField(m_field);
            m_prefixes[row] = prefixOf(*m_texts[row]);
            return;
        }
    }

    // The key of an entry as two words that order ascending as the key orders with its direction, for the
    // kinds that have them (counts, Vintage, dates, texts by their first sixteen bytes): a sort can hold
    // them beside its rows, keep nothing here, and so decide most comparisons without looking anything up
    // or asking which way the key goes. Sixteen bytes hold most producers' names whole. Equal words may
    // still hide a difference, in texts past their sixteenth byte.
    struct Words {
        std::uint64_t high = 0;
        std::uint64_t low = 0;
    };
    bool hasWords() const { return m_kind == Kind::Number || m_kind == Kind::Date || m_kind == Kind::Text; }
    Words words(const CWine& wine) const {
        const Words ascending = ascendingWords(wine);
        // Complemented, words order the other way.
        return m_descending ? Words{~ascending.high, ~ascending.low} : ascending;
    }
    // Whether entries with these equal words can still differ: only texts can, past their sixteenth byte.
    bool goesBeyondWords(const Words& words) const {
        const std::uint64_t low = m_descending ? ~words.low : words.low;
        return m_kind == Kind::Text && (low & 0xFF) != 0;
    }
    // The key's order, with its direction, for entries whose equal words go beyond themselves.
    int compareBeyondWords(const CWine& a, const CWine& b) const {
        const int result =
            std::strcmp(a.textField(m_field)->c_str() + 16, b.textField(m_field)->c_str() + 16);
        return m_descending ? -result : result;
    }

    // Counts and Vintage that fit 32 bits, which a sort can hold beside its rows, as 32 bits that order
    // ascending as the key orders with its direction.
    bool fitsInt32() const { return m_kind == Kind::Number && m_field != CWine::NumberConsumed; }
    std::uint32_t orderedInt32Of(const CWine& wine) const {
        const std::uint32_t ascending = static_cast<std::uint32_t>(numberOf(wine)) ^ 0x80000000u;
        return m_descending ? ~ascending : ascending;
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

    Words ascendingWords(const CWine& wine) const {
        switch (m_kind) {
        case Kind::Number:
            return {static_cast<std::uint64_t>(numberOf(wine)) ^ (std::uint64_t{1} << 63), 0};
        case Kind::Date: {
            const WineDate date = dateOf(wine);
            const auto part = [](int n) { return static_cast<std::uint32_t>(n) ^ 0x80000000u; };
            return {std::uint64_t{part(date.year)} << 32 | part(date.month), part(date.day)};
        }
        case Kind::Text: {
            const Prefix prefix = prefixOf(*wine.textField(m_field));
            return {prefix.high, prefix.low};
        }
        default:
            return {};
        }
    }

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

    std::int64_t numberOf(const CWine& wine) const {
        switch (m_field) {
        case CWine::Vintage:
            return wine.m_nVintage;
        case CWine::NumberRemaining:
            return wine.m_nNumberRemaining;
        case CWine::NumberAcquired:
            return wine.m_nNumberAcquired;
        default:
            return numberConsumed(wine);
        }
    }
    float amountOf(const CWine& wine) const {
        return m_field == CWine::Cost ? wine.m_fCost : wine.effectiveValue();
    }
    WineDate dateOf(const CWine& wine) const {
        switch (m_field) {
        case CWine::TryDate:
            return parseWineDate(wine.m_strTryDate);
        case CWine::DrinkDate:
            return parseWineDate(wine.m_strDrinkDate);
        case CWine::DateAcquired:
            return parseWineDate(wine.m_strDateAcquired);
        default:
            return parseWineDate(wine.m_strDateModified);
        }
    }

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

// A column for each field the precedence compares, in order.
std::vector<KeyColumn> keyColumns(const SortPrecedence& precedence) {
    std::vector<KeyColumn> columns;
    precedence.forEachKey([&](int field, bool descending) { columns.emplace_back(field, descending); });
    return columns;
}

__extension__ typedef unsigned __int128 Wide;
Wide wide(const KeyColumn::Words& words) {
    return Wide{words.high} << 64 | words.low;
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
    std::vector<KeyColumn> columns = keyColumns(*this);
    // Each row carries its first key's words, and the second key when it is a count or Vintage, so the
    // quicksort's passes mostly read the rows alone.
    struct Row {
        KeyColumn::Words first;
        int index = 0;
        std::uint32_t second = 0;
    };
    const KeyColumn& lead = columns.front();
    const bool leadWords = lead.hasWords();
    const bool secondInRow = leadWords && columns.size() > 1 && columns[1].fitsInt32();
    // The first column that the rows do not carry.
    const std::size_t restFrom = leadWords ? (secondInRow ? 2 : 1) : 0;
    const auto rowCount = static_cast<std::size_t>(count);
    for (std::size_t column = restFrom; column < columns.size(); ++column)
        columns[column].makeRoom(rowCount);
    std::vector<Row> rows(rowCount);
    const auto fill = [&](std::size_t row, const CWine& wine) {
        rows[row].index = static_cast<int>(row);
        if (leadWords)
            rows[row].first = lead.words(wine);
        if (secondInRow)
            rows[row].second = columns[1].orderedInt32Of(wine);
        for (std::size_t column = restFrom; column < columns.size(); ++column)
            columns[column].set(row, wine);
    };
    // One walk fills every column, over the entries in the order they lie in memory (as read), not in
    // the Focus Set's: after a sort that is no order memory favours. An entry found twice in the Focus
    // Set fills its later rows afterwards.
    std::vector<int> rowOf(entries.size(), -1);
    std::vector<std::size_t> repeats;
    for (std::size_t row = 0; row < rowCount; ++row) {
        int& first = rowOf[static_cast<std::size_t>(focus[row])];
        if (first < 0)
            first = static_cast<int>(row);
        else
            repeats.push_back(row);
    }
    // Each row is filled once, so a long walk is shared between the cores in runs of entries, where no
    // column gathers its keys in a list of its own.
    constexpr std::size_t kSharedWalk = std::size_t{1} << 15;
    const bool share = entries.size() >= kSharedWalk &&
                       std::all_of(columns.begin() + static_cast<std::ptrdiff_t>(restFrom), columns.end(),
                                   [](const KeyColumn& column) { return column.fillsRowsApart(); });
    // Each run goes to whichever core is free, as one may be slower than the other.
    constexpr std::size_t kRun = std::size_t{1} << 12;
    const std::size_t parts = share ? WorkInParts::count() : 1;
    std::atomic<std::size_t> nextRun{0};
    WorkInParts::run(parts, [&](std::size_t) {
        constexpr std::size_t kLookAhead = 8;
        for (std::size_t begin = nextRun++ * kRun; begin < entries.size(); begin = nextRun++ * kRun) {
            const std::size_t end = std::min(begin + kRun, entries.size());
            for (std::size_t index = begin; index < end; ++index) {
                if (index + kLookAhead < end)
                    entries[index + kLookAhead]->prefetch();
                if (const int row = rowOf[index]; row >= 0)
                    fill(static_cast<std::size_t>(row), *entries[index]);
            }
        }
    });
    std::vector<int>().swap(rowOf);
    const auto entryAt = [&](int row) -> const CWine& {
        return *entries[static_cast<std::size_t>(focus[static_cast<std::size_t>(row)])];
    };
    for (const std::size_t row : repeats)
        fill(row, entryAt(static_cast<int>(row)));
    // The rows' own words decide most comparisons, so those are looked at first, with nothing else to
    // look up on the way: what the rest needs is reached only for rows whose words are equal.
    const auto rest = [&](const Row& a, const Row& b) {
        if (lead.goesBeyondWords(a.first)) {
            if (const int result = lead.compareBeyondWords(entryAt(a.index), entryAt(b.index)); result != 0)
                return result;
        }
        if (secondInRow && a.second != b.second)
            return a.second < b.second ? -1 : 1;
        return compareRows(columns, static_cast<std::size_t>(a.index), static_cast<std::size_t>(b.index),
                           restFrom);
    };
    if (leadWords) {
        SharedQuicksort::sort(rows.data(), count, [&rest](const Row& a, const Row& b) {
            // As one wide number the words compare without a branch to mispredict.
            if (const Wide wordsA = wide(a.first), wordsB = wide(b.first); wordsA != wordsB)
                return wordsA < wordsB ? -1 : 1;
            return rest(a, b);
        });
    } else {
        SharedQuicksort::sort(rows.data(), count, [&columns](const Row& a, const Row& b) {
            return compareRows(columns, static_cast<std::size_t>(a.index), static_cast<std::size_t>(b.index));
        });
    }
    for (Row& row : rows)
        row.index = focus[static_cast<std::size_t>(row.index)];
    for (std::size_t i = 0; i < rows.size(); ++i)
        focus[i] = rows[i].index;
}

int SortPrecedence::compare(const CWine& a, const CWine& b) const {
    std::vector<KeyColumn> columns = keyColumns(*this);
    for (KeyColumn& column : columns) {
        column.makeRoom(2);
        column.set(0, a);
        column.set(1, b);
    }
    return compareRows(columns, 0, 1);
}
