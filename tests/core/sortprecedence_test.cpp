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

CWine wine(const std::string& producer, int vintage) {
    CWine entry;
    entry.m_strProducer = producer;
    entry.m_nVintage = vintage;
    return entry;
}

// Sorts every entry and gives the Designation of each in the resulting order.
std::vector<std::string> sortedDesignations(const SortPrecedence& precedence,
                                            std::initializer_list<CWine> wines) {
    WineList entries;
    for (const CWine& entry : wines)
        entries.push_back(std::make_unique<CWine>(entry));
    std::vector<int> focus(entries.size());
    std::iota(focus.begin(), focus.end(), 0);
    precedence.sort(focus, static_cast<int>(focus.size()), entries);
    std::vector<std::string> order;
    for (const int index : focus)
        order.push_back(entries[index]->m_strDesignation);
    return order;
}

CWine named(CWine entry, const std::string& designation) {
    entry.m_strDesignation = designation;
    return entry;
}

class TempDir {
public:
    TempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() / (std::string("bw-sortprecedence-") + info->name() +
                                                           "-" + std::to_string(std::random_device{}()));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

TEST(SortPrecedenceCompare, WithoutKeysProducerByteOrderThenVintage) {
    const SortPrecedence precedence;
    EXPECT_EQ(sortedDesignations(
                  precedence, {named(wine("apple", 1990), "apple"), named(wine("Zebra", 1995), "Zebra 95"),
                               named(wine("\xC9"
                                          "clat",
                                          1990),
                                     "Eclat"),
                               named(wine("Zebra", 1985), "Zebra 85"), named(wine("Abbey", 2001), "Abbey")}),
              (std::vector<std::string>{"Abbey", "Zebra 85", "Zebra 95", "apple", "Eclat"}));
}

TEST(SortPrecedenceCompare, DescendingFlagsOfProducerAndVintageApplyToTheTieBreak) {
    SortPrecedence precedence;
    precedence.setDescending(CWine::Producer, true);
    EXPECT_GT(precedence.compare(wine("A", 1990), wine("B", 1990)), 0);
    precedence.setDescending(CWine::Producer, false);
    precedence.setDescending(CWine::Vintage, true);
    EXPECT_GT(precedence.compare(wine("A", 1990), wine("A", 1995)), 0);
}

TEST(SortPrecedenceCompare, CostDescendingThenVintageThenProducer) {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Cost, 1);
    precedence.setDescending(CWine::Cost, true);
    precedence.setPrecedence(CWine::Vintage, 2);
    auto priced = [](const std::string& producer, int vintage, float cost, const std::string& name) {
        CWine entry = named(wine(producer, vintage), name);
        entry.m_fCost = cost;
        return entry;
    };
    EXPECT_EQ(sortedDesignations(precedence,
                                 {priced("A", 1995, 10.0f, "cheap 95"), priced("B", 1990, 10.0f, "cheap B90"),
                                  priced("A", 1990, 10.0f, "cheap A90"), priced("Z", 2000, 55.5f, "dear"),
                                  priced("C", 1980, 10.01f, "cent more")}),
              (std::vector<std::string>{"dear", "cent more", "cheap A90", "cheap B90", "cheap 95"}));
}

TEST(SortPrecedenceCompare, AGapInTheNumbersEndsTheKeys) {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Cost, 1);
    precedence.setPrecedence(CWine::Vintage, 3);
    CWine older = wine("B", 1980);
    CWine newer = wine("A", 1990);
    // Equal costs: Vintage (number 3) is never reached, so Producer decides.
    EXPECT_GT(precedence.compare(older, newer), 0);
    newer.m_fCost = 1.0f;
    EXPECT_LT(precedence.compare(older, newer), 0);
}

TEST(SortPrecedenceCompare, OnlyTheFirstFieldInTestingOrderCarriesADuplicatedNumber) {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Producer, 1);
    precedence.setPrecedence(CWine::Vintage, 1);
    EXPECT_GT(precedence.compare(wine("A", 2000), wine("B", 1990)), 0);

    // Cost comes before Producer in the testing order, though Producer's file line comes first.
    precedence.clear();
    precedence.setPrecedence(CWine::Producer, 1);
    precedence.setPrecedence(CWine::Cost, 1);
    precedence.setDescending(CWine::Cost, true);
    CWine cheap = wine("A", 1990);
    CWine dear = wine("B", 1990);
    dear.m_fCost = 20.0f;
    EXPECT_GT(precedence.compare(cheap, dear), 0);
}

TEST(SortPrecedenceCompare, ValueOfTwoCentsOrLessSortsAsItsCost) {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Value, 1);
    CWine costly = wine("A", 1990);
    costly.m_fCost = 10.0f;
    costly.m_fValue = 0.01f;
    CWine valued = wine("B", 1990);
    valued.m_fCost = 5.0f;
    valued.m_fValue = 8.0f;
    EXPECT_GT(precedence.compare(costly, valued), 0);
    costly.m_fValue = 0.03f;
    EXPECT_LT(precedence.compare(costly, valued), 0);
}

TEST(SortPrecedenceCompare, NumbersConsumedRemainingAndAcquired) {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::NumberConsumed, 1);
    CWine drunk = wine("A", 1990);
    drunk.m_nNumberAcquired = 12;
    drunk.m_nNumberRemaining = 2;
    CWine kept = wine("B", 1990);
    kept.m_nNumberAcquired = 24;
    kept.m_nNumberRemaining = 20;
    EXPECT_GT(precedence.compare(drunk, kept), 0); // 10 consumed against 4
    precedence.clear();
    precedence.setPrecedence(CWine::NumberRemaining, 1);
    EXPECT_LT(precedence.compare(drunk, kept), 0);
    precedence.clear();
    precedence.setPrecedence(CWine::NumberAcquired, 1);
    precedence.setDescending(CWine::NumberAcquired, true);
    EXPECT_GT(precedence.compare(drunk, kept), 0);
}

TEST(SortPrecedenceCompare, RatingInRatingModeBinsInPlainMode) {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Rating, 1);
    auto rated = [](const std::string& rating) {
        CWine entry = named(wine("A", 1990), rating);
        entry.m_strRating = rating;
        return entry;
    };
    EXPECT_EQ(
        sortedDesignations(precedence, {rated("90+"), rated("90"), rated(""), rated("85"), rated("90-")}),
        (std::vector<std::string>{"", "85", "90-", "90", "90+"}));

    precedence.clear();
    precedence.setPrecedence(CWine::Bins, 1);
    auto binned = [](const std::string& bins) {
        CWine entry = named(wine("A", 1990), bins);
        entry.m_strBins = bins;
        return entry;
    };
    // Plain mode puts a lone minus after an empty text, where rating mode would put it before.
    EXPECT_EQ(sortedDesignations(precedence, {binned("Bin 10"), binned("A"), binned("-"), binned("Bin 9"),
                                              binned(""), binned("9")}),
              (std::vector<std::string>{"", "-", "9", "A", "Bin 9", "Bin 10"}));
}

TEST(SortPrecedenceCompare, DateKeysWidenTwoDigitYears) {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::DrinkDate, 1);
    auto drinkBy = [](const std::string& date) {
        CWine entry = named(wine("A", 1990), date);
        entry.m_strDrinkDate = date;
        return entry;
    };
    EXPECT_EQ(sortedDesignations(precedence, {drinkBy("1-1-49"), drinkBy("5-1-95"), drinkBy("12-31-99"),
                                              drinkBy(""), drinkBy("5-95"), drinkBy("1-1-50")}),
              (std::vector<std::string>{"", "1-1-50", "5-95", "5-1-95", "12-31-99", "1-1-49"}));

    precedence.clear();
    precedence.setPrecedence(CWine::DateModified, 1);
    precedence.setDescending(CWine::DateModified, true);
    CWine earlier = wine("A", 1990);
    earlier.m_strDateModified = "3-4-01";
    CWine later = wine("B", 1990);
    later.m_strDateModified = "3-5-01";
    EXPECT_GT(precedence.compare(earlier, later), 0);
}

TEST(SortPrecedenceSort, EqualEntriesLandInTheQuicksortsOwnOrder) {
    // Worked by hand: the first pass swaps positions 0 and 2, so "B2" is the pivot; the two A entries
    // are moved in front of it in the order they are met, which leaves A2 ahead of A1 and B2 ahead of B1.
    const SortPrecedence precedence;
    EXPECT_EQ(sortedDesignations(precedence, {named(wine("B", 1990), "B1"), named(wine("A", 1990), "A1"),
                                              named(wine("B", 1990), "B2"), named(wine("A", 1990), "A2"),
                                              named(wine("B", 1990), "B3")}),
              (std::vector<std::string>{"A2", "A1", "B2", "B1", "B3"}));
}

TEST(SortPrecedenceSort, SortsOnlyTheMembersBeforeTheCount) {
    const SortPrecedence precedence;
    WineList entries;
    for (const char* producer : {"C", "B", "A"})
        entries.push_back(std::make_unique<CWine>(wine(producer, 1990)));
    std::vector<int> focus{1, 0, 2, 99};
    precedence.sort(focus, 3, entries);
    EXPECT_EQ(focus, (std::vector<int>{2, 1, 0, 99}));
    std::vector<int> none;
    precedence.sort(none, 0, entries);
    EXPECT_TRUE(none.empty());
}

TEST(SortPrecedenceFile, WritesOneLinePerFieldInFileOrder) {
    TempDir dir;
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Producer, 2);
    precedence.setPrecedence(CWine::Vintage, 1);
    precedence.setDescending(CWine::Vintage, true);
    precedence.setDescending(CWine::Bins, true);
    ASSERT_TRUE(precedence.write(dir / "scheme.bws"));

    std::string expected;
    for (int line = 1; line <= 24; ++line) {
        if (line == 1)
            expected += "25 1\n"; // Bins
        else if (line == 11)
            expected += "2 0\n"; // Producer
        else if (line == 23)
            expected += "1 1\n"; // Vintage
        else
            expected += "25 0\n";
    }
    EXPECT_EQ(fileText(dir / "scheme.bws"), expected);

    SortPrecedence reread;
    ASSERT_TRUE(reread.read(dir / "scheme.bws"));
    EXPECT_EQ(reread, precedence);
    EXPECT_GT(reread.compare(wine("A", 1990), wine("B", 1995)), 0);
}

TEST(SortPrecedenceFile, AShortFileFailsButKeepsThePairsReadSoFar) {
    TempDir dir;
    // Bins, Cost, Country, then the file ends.
    writeText(dir / "short.bws", "3 1\n1 0\n2 1\n");
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Vintage, 4);
    EXPECT_FALSE(precedence.read(dir / "short.bws"));
    EXPECT_EQ(precedence.precedence(CWine::Bins), 3);
    EXPECT_TRUE(precedence.descending(CWine::Bins));
    EXPECT_EQ(precedence.precedence(CWine::Cost), 1);
    EXPECT_EQ(precedence.precedence(CWine::Country), 2);
    EXPECT_TRUE(precedence.descending(CWine::Country));
    EXPECT_EQ(precedence.precedence(CWine::Vintage), 4);
    EXPECT_FALSE(precedence.read(dir / "missing.bws"));
}

TEST(SortPrecedenceFile, AnythingAfterTheTwentyFourPairsIsIgnored) {
    TempDir dir;
    std::string text = "1 1\n";
    for (int line = 2; line <= 24; ++line)
        text += "25 0\n";
    writeText(dir / "junk.bws", text + "7 7\nnot a number\n");
    SortPrecedence precedence;
    ASSERT_TRUE(precedence.read(dir / "junk.bws"));
    EXPECT_EQ(precedence.precedence(CWine::Bins), 1);
    EXPECT_TRUE(precedence.descending(CWine::Bins));
    EXPECT_EQ(precedence.precedence(CWine::WineType), SortPrecedence::kNoKey);
}

TEST(SortPrecedenceFile, WritingWhereNoFileCanBeCreatedFails) {
    TempDir dir;
    const SortPrecedence precedence;
    EXPECT_FALSE(precedence.write(dir / "no such folder" / "scheme.bws"));
}
