#include "document/SortPrecedence.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
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

SortPrecedence keys(std::initializer_list<Key> list) {
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
    // Their descending flags apply to the tie-break too.
    EXPECT_GT(
        keys({{CWine::Producer, SortPrecedence::kNoKey, true}}).compare(wine("A", 1990), wine("B", 1990)), 0);
    EXPECT_GT(
        keys({{CWine::Vintage, SortPrecedence::kNoKey, true}}).compare(wine("A", 1990), wine("A", 1995)), 0);
}

TEST(SortPrecedenceCompare, CostDescendingThenVintageThenProducer) {
    EXPECT_EQ(sortedNames(keys({{CWine::Cost, 1, true}, {CWine::Vintage, 2}}),
                          {wine("A", 1995, "cheap 95", 10.0f), wine("B", 1990, "cheap B90", 10.0f),
                           wine("A", 1990, "cheap A90", 10.0f), wine("Z", 2000, "dear", 55.5f),
                           wine("C", 1980, "cent more", 10.01f)}),
              (Strings{"dear", "cent more", "cheap A90", "cheap B90", "cheap 95"}));
}

TEST(SortPrecedenceCompare, AGapInTheNumbersEndsTheKeys) {
    const SortPrecedence precedence = keys({{CWine::Cost, 1}, {CWine::Vintage, 3}});
    // Equal costs: Vintage (number 3) is never reached, so Producer decides.
    EXPECT_GT(precedence.compare(wine("B", 1980), wine("A", 1990)), 0);
    EXPECT_LT(precedence.compare(wine("B", 1980), wine("A", 1990, "", 1.0f)), 0);
}

TEST(SortPrecedenceCompare, OnlyTheFirstFieldInTestingOrderCarriesADuplicatedNumber) {
    EXPECT_GT(keys({{CWine::Producer, 1}, {CWine::Vintage, 1}}).compare(wine("A", 2000), wine("B", 1990)), 0);
    // Cost comes before Producer in the testing order, though Producer's file line comes first.
    EXPECT_GT(keys({{CWine::Producer, 1}, {CWine::Cost, 1, true}})
                  .compare(wine("A", 1990), wine("B", 1990, "", 20.0f)),
              0);
}

TEST(SortPrecedenceCompare, ValueOfTwoCentsOrLessSortsAsItsCostAndNumbersOfBottles) {
    CWine costly = wine("A", 1990, "", 10.0f);
    costly.m_fValue = 0.01f;
    CWine valued = wine("B", 1990, "", 5.0f);
    valued.m_fValue = 8.0f;
    EXPECT_GT(keys({{CWine::Value, 1}}).compare(costly, valued), 0);
    costly.m_fValue = 0.03f;
    EXPECT_LT(keys({{CWine::Value, 1}}).compare(costly, valued), 0);

    CWine drunk = wine("A", 1990);
    drunk.m_nNumberAcquired = 12;
    drunk.m_nNumberRemaining = 2;
    CWine kept = wine("B", 1990);
    kept.m_nNumberAcquired = 24;
    kept.m_nNumberRemaining = 20;
    EXPECT_GT(keys({{CWine::NumberConsumed, 1}}).compare(drunk, kept), 0); // 10 consumed against 4
    EXPECT_LT(keys({{CWine::NumberRemaining, 1}}).compare(drunk, kept), 0);
    EXPECT_GT(keys({{CWine::NumberAcquired, 1, true}}).compare(drunk, kept), 0);
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
