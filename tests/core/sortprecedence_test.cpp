#include "core/document/SharedQuicksort.h"
#include "core/document/SortPrecedence.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <sstream>
#include <string>

namespace {

using Strings = std::vector<std::string>;

struct Key {
    int field;
    int number;
    bool descending = false;
};

SortPrecedence keys(const std::vector<Key>& list) {
    SortPrecedence precedence;
    for (const Key& key : list) {
        precedence.setPrecedence(key.field, key.number);
        precedence.setDescending(key.field, key.descending);
    }
    return precedence;
}

// The Designation names an entry in the sorted order.
CWine wine(const std::string& producer, int vintage, const std::string& name = "", float cost = 0.0f) {
    CWine entry;
    entry.m_strProducer = producer;
    entry.m_nVintage = vintage;
    entry.m_strDesignation = name;
    entry.m_fCost = cost;
    return entry;
}

CWine amounts(const std::string& producer, float cost, float value, int acquired = 0, int remaining = 0) {
    CWine entry = wine(producer, 1990, "", cost);
    entry.m_fValue = value;
    entry.m_nNumberAcquired = acquired;
    entry.m_nNumberRemaining = remaining;
    return entry;
}

Strings sortedNames(const SortPrecedence& precedence, const std::vector<CWine>& wines) {
    WineList entries;
    for (const CWine& entry : wines)
        entries.push_back(std::make_unique<CWine>(entry));
    std::vector<int> focus(entries.size());
    std::iota(focus.begin(), focus.end(), 0);
    precedence.sort(focus, static_cast<int>(focus.size()), entries);
    Strings order;
    for (const int index : focus)
        order.push_back(entries[index]->m_strDesignation);
    return order;
}

// Sorts entries that differ only in one text field, named by that text.
Strings sortedTexts(int field, bool descending, const Strings& texts) {
    std::vector<CWine> wines;
    for (const std::string& text : texts) {
        wines.push_back(wine("A", 1990, text));
        *wines.back().textField(field) = text;
    }
    return sortedNames(keys({{field, 1, descending}}), wines);
}

// The quicksort as the program has always run it, one comparison and one swap at a time: the middle
// row is the pivot, and each row that compares before it swaps with the one after the last such row.
template <typename Row, typename Compare>
void plainQuicksort(std::vector<Row>& rows, int lo, int hi, Compare compare) {
    if (lo >= hi)
        return;
    std::swap(rows[lo], rows[(lo + hi) / 2]);
    int last = lo;
    for (int i = lo + 1; i <= hi; ++i) {
        if (compare(rows[i], rows[lo]) < 0)
            std::swap(rows[++last], rows[i]);
    }
    std::swap(rows[lo], rows[last]);
    plainQuicksort(rows, lo, last - 1, compare);
    plainQuicksort(rows, last + 1, hi, compare);
}

std::filesystem::path tempFile(const std::string& name) {
    return std::filesystem::temp_directory_path() /
           ("bw-sortprecedence-" + std::to_string(std::random_device{}()) + "-" + name);
}

} // namespace

TEST(SortPrecedenceCompare, WithoutKeysProducerByteOrderThenVintage) {
    EXPECT_EQ(sortedNames({}, {wine("apple", 1990, "apple"), wine("Zebra", 1995, "Zebra 95"),
                               wine("\xC9"
                                    "clat",
                                    1990, "Eclat"),
                               wine("Zebra", 1985, "Zebra 85"), wine("Abbey", 2001, "Abbey")}),
              (Strings{"Abbey", "Zebra 85", "Zebra 95", "apple", "Eclat"}));
}

TEST(SortPrecedenceCompare, CostDescendingThenVintageThenProducer) {
    EXPECT_EQ(sortedNames(keys({{CWine::Cost, 1, true}, {CWine::Vintage, 2}}),
                          {wine("A", 1995, "cheap 95", 10.0f), wine("B", 1990, "cheap B90", 10.0f),
                           wine("A", 1990, "cheap A90", 10.0f), wine("Z", 2000, "dear", 55.5f),
                           wine("C", 1980, "cent more", 10.01f)}),
              (Strings{"dear", "cent more", "cheap A90", "cheap B90", "cheap 95"}));
}

TEST(SortPrecedenceCompare, KeysInTestingOrderThenProducerAndVintage) {
    const struct {
        std::vector<Key> keys;
        CWine later, earlier;
    } cases[] = {
        // Descending flags apply to the tie-break too.
        {{{CWine::Producer, SortPrecedence::kNoKey, true}}, wine("A", 1990), wine("B", 1990)},
        {{{CWine::Vintage, SortPrecedence::kNoKey, true}}, wine("A", 1990), wine("A", 1995)},
        // A gap in the numbers ends the keys: Vintage (3) is never reached.
        {{{CWine::Cost, 1}, {CWine::Vintage, 3}}, wine("B", 1980), wine("A", 1990)},
        {{{CWine::Cost, 1}, {CWine::Vintage, 3}}, wine("A", 1990, "", 1.0f), wine("B", 1980)},
        // Only the first field in testing order carries a duplicated number. Cost comes before Producer
        // in the testing order, though Producer's file line comes first.
        {{{CWine::Producer, 1}, {CWine::Vintage, 1}}, wine("A", 2000), wine("B", 1990)},
        {{{CWine::Producer, 1}, {CWine::Cost, 1, true}}, wine("A", 1990), wine("B", 1990, "", 20.0f)},
        // A Value of two cents or less sorts as its Cost.
        {{{CWine::Value, 1}}, amounts("A", 10.0f, 0.01f), amounts("B", 5.0f, 8.0f)},
        {{{CWine::Value, 1}}, amounts("B", 5.0f, 8.0f), amounts("A", 10.0f, 0.03f)},
        // 10 consumed against 4.
        {{{CWine::NumberConsumed, 1}}, amounts("A", 0, 0, 12, 2), amounts("B", 0, 0, 24, 20)},
        {{{CWine::NumberRemaining, 1}}, amounts("B", 0, 0, 24, 20), amounts("A", 0, 0, 12, 2)},
        {{{CWine::NumberAcquired, 1, true}}, amounts("A", 0, 0, 12, 2), amounts("B", 0, 0, 24, 20)},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_GT(keys(cases[i].keys).compare(cases[i].later, cases[i].earlier), 0) << "case " << i;
}

TEST(SortPrecedenceCompare, RatingInRatingModeBinsInPlainModeDatesWidened) {
    EXPECT_EQ(sortedTexts(CWine::Rating, false, {"90+", "90", "", "85", "90-"}),
              (Strings{"", "85", "90-", "90", "90+"}));
    // Plain mode puts a lone minus after an empty text, where rating mode would put it before.
    EXPECT_EQ(sortedTexts(CWine::Bins, false, {"Bin 10", "A", "-", "Bin 9", "", "9"}),
              (Strings{"", "-", "9", "A", "Bin 9", "Bin 10"}));
    EXPECT_EQ(sortedTexts(CWine::DrinkDate, false, {"1-1-49", "5-1-95", "12-31-99", "", "5-95", "1-1-50"}),
              (Strings{"", "1-1-50", "5-95", "5-1-95", "12-31-99", "1-1-49"}));
    EXPECT_EQ(sortedTexts(CWine::DateModified, true, {"3-4-01", "3-5-01"}), (Strings{"3-5-01", "3-4-01"}));
}

// The sort reads its keys once beforehand (texts by their first sixteen bytes, number texts by the numbers
// at their digits); its order must be the one compare gives, wherever two texts part.
TEST(SortPrecedenceSort, KeysReadBeforehandOrderAsCompareDoes) {
    const Strings texts = {"Domaine de la Romanee-Conti",
                           "Domaine de la Romanee-Conti B",
                           "Domaine de la Roman",
                           "Domaine de la Romanee",
                           "",
                           "Ch\xE2teau",
                           "Chateau",
                           "chateau",
                           "abcdefghijklmnop",
                           "abcdefghijklmnopq",
                           "abcdefghijklmno",
                           std::string("ab\0cd", 5),
                           "ab",
                           "0x1A",
                           "0x1B",
                           "26",
                           "1e99",
                           "1e30",
                           "90+",
                           "9.5",
                           "95",
                           "1e-50",
                           "0X10",
                           "Bin 9",
                           "Bin 10"};
    for (const int field : {CWine::Producer, CWine::Rating, CWine::Bins}) {
        WineList entries;
        for (const std::string& text : texts) {
            entries.push_back(std::make_unique<CWine>(wine("A", 1990)));
            *entries.back()->textField(field) = text;
        }
        const SortPrecedence precedence = keys({{field, 1}});
        std::vector<int> focus(entries.size());
        std::iota(focus.begin(), focus.end(), 0);
        precedence.sort(focus, static_cast<int>(focus.size()), entries);
        for (std::size_t i = 1; i < focus.size(); ++i)
            EXPECT_LE(precedence.compare(*entries[focus[i - 1]], *entries[focus[i]]), 0)
                << field << ": " << *entries[focus[i - 1]]->textField(field) << " before "
                << *entries[focus[i]]->textField(field);
    }
}

TEST(SortPrecedenceSort, EqualEntriesLandInTheQuicksortsOwnOrderAndOnlyCountedMembersMove) {
    // Worked by hand: the first pass swaps positions 0 and 2, so "B2" is the pivot; the two A entries
    // are moved in front of it in the order they are met, which leaves A2 ahead of A1 and B2 ahead of B1.
    EXPECT_EQ(sortedNames({}, {wine("B", 1990, "B1"), wine("A", 1990, "A1"), wine("B", 1990, "B2"),
                               wine("A", 1990, "A2"), wine("B", 1990, "B3")}),
              (Strings{"A2", "A1", "B2", "B1", "B3"}));

    WineList entries;
    for (const char* producer : {"C", "B", "A"})
        entries.push_back(std::make_unique<CWine>(wine(producer, 1990)));
    std::vector<int> focus{1, 0, 2, 99};
    SortPrecedence().sort(focus, 3, entries);
    EXPECT_EQ(focus, (std::vector<int>{2, 1, 0, 99}));
    std::vector<int> none;
    SortPrecedence().sort(none, 0, entries);
    EXPECT_TRUE(none.empty());
}

TEST(SortPrecedenceSort, APartOfTheEntriesInAnyOrderAndAnEntryTwiceSortAsTheirKeys) {
    WineList entries;
    for (const char* producer : {"F", "E", "D", "C", "B", "A"})
        entries.push_back(std::make_unique<CWine>(wine(producer, 1990)));
    std::vector<int> focus{4, 1, 4, 3, 0, 7};
    SortPrecedence().sort(focus, 5, entries);
    EXPECT_EQ(focus, (std::vector<int>{4, 4, 3, 1, 0, 7}));
}

// Whatever the sort keeps beside its rows (a text's first bytes, a count), it puts equal and unequal
// entries exactly where the plain quicksort over compare() puts them.
TEST(SortPrecedenceSort, LandsWhereThePlainQuicksortOverCompareLands) {
    std::mt19937 random(5);
    const Strings producers = {"Bodega 1",
                               "Bodega 1",
                               "Domaine de la Romanee-Conti",
                               "Domaine de la Romanee-Contj",
                               "Domaine de la Romanee",
                               "",
                               "Zz"};
    std::uniform_int_distribution<std::size_t> producer(0, producers.size() - 1);
    std::uniform_int_distribution<int> small(0, 3);
    WineList entries;
    for (int i = 0; i < 1200; ++i) {
        CWine entry = wine(producers[producer(random)], 1990 + small(random), std::to_string(small(random)));
        entry.m_nNumberAcquired = small(random);
        entry.m_nNumberRemaining = small(random) - 1;
        entries.push_back(std::make_unique<CWine>(entry));
    }
    for (const SortPrecedence& precedence :
         {SortPrecedence(), keys({{CWine::Producer, 1}, {CWine::Vintage, 2, true}, {CWine::Designation, 3}}),
          keys({{CWine::Producer, 1, true}, {CWine::NumberConsumed, 2}}),
          keys({{CWine::NumberAcquired, 1}, {CWine::NumberRemaining, 2, true}}),
          keys({{CWine::Vintage, 1, true}, {CWine::NumberRemaining, 2, true}}),
          keys({{CWine::Designation, 1}, {CWine::Cost, 2}})}) {
        std::vector<int> focus(entries.size());
        std::iota(focus.begin(), focus.end(), 0);
        std::vector<int> expected = focus;
        precedence.sort(focus, static_cast<int>(focus.size()), entries);
        plainQuicksort(expected, 0, static_cast<int>(expected.size()) - 1,
                       [&](int a, int b) { return precedence.compare(*entries[a], *entries[b]); });
        EXPECT_EQ(focus, expected);
    }
}

// A sort of many entries reads their keys on every core, in runs of entries: every row still gets
// the keys of its own entry, an entry twice in the Focus Set included.
TEST(SortPrecedenceSort, ManyEntriesReadOnEveryCoreSortAsTheirKeys) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> small(0, 30);
    const auto number = [&] { return std::to_string(small(random)); };
    WineList entries;
    for (int i = 0; i < 40000; ++i) {
        CWine entry = wine(number(), 1990, number(), static_cast<float>(small(random)));
        entry.m_strDateAcquired = std::to_string(small(random) % 12 + 1) + "-1-" + number();
        entries.push_back(std::make_unique<CWine>(entry));
    }
    const SortPrecedence precedence =
        keys({{CWine::Designation, 1}, {CWine::DateAcquired, 2, true}, {CWine::Cost, 3}});
    std::vector<int> focus(entries.size());
    std::iota(focus.begin(), focus.end(), 0);
    focus[1] = 0;
    precedence.sort(focus, static_cast<int>(focus.size()), entries);
    std::vector<int> counts(entries.size());
    for (const int index : focus)
        ++counts[static_cast<std::size_t>(index)];
    EXPECT_EQ(counts[0], 2);
    EXPECT_EQ(counts[1], 0);
    for (std::size_t i = 1; i < focus.size(); ++i)
        ASSERT_LE(precedence.compare(*entries[focus[i - 1]], *entries[focus[i]]), 0) << i;
}

// Shared between threads, a sort large enough to be shared makes exactly the swaps of one thread:
// rows of equal keys, a few of each and told apart by their tags, land in the same places.
TEST(SharedQuicksort, EqualRowsLandWhereOneThreadPutsThem) {
    struct Row {
        int key;
        int tag;
    };
    const auto byKey = [](const Row& a, const Row& b) { return (a.key > b.key) - (a.key < b.key); };
    std::mt19937 random(11);
    for (const int keys : {20000, 30000, 1 << 30}) {
        std::uniform_int_distribution<int> key(0, keys);
        std::vector<Row> rows(100000);
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i] = {key(random), static_cast<int>(i)};
        // Sorted rows but the last: every pivot is the middle, the sides as uneven as they come.
        if (keys == 30000)
            std::sort(rows.begin(), rows.end() - 1, [](const Row& a, const Row& b) { return a.key < b.key; });
        std::vector<Row> shared = rows;
        plainQuicksort(rows, 0, static_cast<int>(rows.size()) - 1, byKey);
        SharedQuicksort::sort(shared.data(), static_cast<int>(shared.size()), byKey);
        for (std::size_t i = 0; i < rows.size(); ++i)
            ASSERT_EQ(rows[i].tag, shared[i].tag) << keys << " keys, row " << i;
    }
}

TEST(SortPrecedenceFile, WritesOneLinePerFieldInFileOrderAndReadsItBack) {
    const SortPrecedence precedence =
        keys({{CWine::Producer, 2}, {CWine::Vintage, 1, true}, {CWine::Bins, SortPrecedence::kNoKey, true}});
    const std::filesystem::path path = tempFile("scheme.bws");
    ASSERT_TRUE(precedence.write(path));
    std::string expected;
    for (int line = 1; line <= 24; ++line)
        expected += line == 1 ? "25 1\n" : line == 11 ? "2 0\n" : line == 23 ? "1 1\n" : "25 0\n";
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), expected);

    SortPrecedence reread;
    ASSERT_TRUE(reread.read(path));
    EXPECT_EQ(reread, precedence);
    EXPECT_GT(reread.compare(wine("A", 1990), wine("B", 1995)), 0);

    // Anything after the twenty-four pairs is ignored.
    std::ofstream(path, std::ios::binary | std::ios::app) << "7 7\nnot a number\n";
    ASSERT_TRUE(reread.read(path));
    EXPECT_EQ(reread, precedence);
    std::filesystem::remove(path);
    EXPECT_FALSE(precedence.write(path.parent_path() / "no such folder" / "scheme.bws"));
}

TEST(SortPrecedenceFile, AShortOrMissingFileFailsButKeepsThePairsReadSoFar) {
    const std::filesystem::path path = tempFile("short.bws");
    std::ofstream(path, std::ios::binary) << "3 1\n1 0\n2 1\n"; // Bins, Cost, Country, then the end
    SortPrecedence precedence = keys({{CWine::Vintage, 4}});
    EXPECT_FALSE(precedence.read(path));
    EXPECT_EQ(
        precedence,
        keys({{CWine::Bins, 3, true}, {CWine::Cost, 1}, {CWine::Country, 2, true}, {CWine::Vintage, 4}}));
    std::filesystem::remove(path);
    EXPECT_FALSE(precedence.read(path));
}
