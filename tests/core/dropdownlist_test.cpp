#include "core/setup/DropdownList.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Items = std::vector<std::string>;

class DropdownListTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder =
            std::filesystem::temp_directory_path() /
            ("bw-dropdown-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(m_folder / name, std::ios::binary) << bytes;
    }

    std::filesystem::path m_folder;
};

} // namespace

TEST_F(DropdownListTest, ReadsNonEmptyLinesEndedByCrLfOrLfUpTo79Characters) {
    write("app.cbi", "Zinfandel\r\n\r\nMerlot\n\nCabernet Sauvignon\r\n  \r\nLast");
    EXPECT_EQ(DropdownList::loadItems(m_folder, "app.cbi"),
              (Items{"Zinfandel", "Merlot", "Cabernet Sauvignon", "  ", "Last"}));
    EXPECT_EQ(DropdownList::loadItems(m_folder, "missing.cbi"), Items{});

    // An overlong line gives its first 79 characters.
    const std::string line(100, 'x');
    write("producer.cbi", line + "\r\nNext\r\n");
    EXPECT_EQ(DropdownList::readItems(m_folder / "producer.cbi"), (Items{line.substr(0, 79), "Next"}));
}

TEST_F(DropdownListTest, RatingsComeHighestFirstAndBinsInBinOrder) {
    write("quality.cbi", "90\r\n100\r\n95\r\n");
    EXPECT_EQ(DropdownList::loadItems(m_folder, "quality.cbi"), (Items{"100", "95", "90"}));
    write("bins.cbi", "B1\r\nA10\r\nA2\r\n");
    EXPECT_EQ(DropdownList::loadItems(m_folder, "bins.cbi"), (Items{"A2", "A10", "B1"}));
    // Other lists keep the file's order: their dropdowns sort themselves.
    write("region.cbi", "B1\r\nA10\r\nA2\r\n");
    EXPECT_EQ(DropdownList::loadItems(m_folder, "region.cbi"), (Items{"B1", "A10", "A2"}));
}

TEST(DropdownList, SortsLongerListsCompletely) {
    Items ratings{"88", "92+", "90-", "100", "90", "75", "92", "90+", "85", "99"};
    DropdownList::sortRatingsHighestFirst(ratings);
    EXPECT_EQ(ratings, (Items{"100", "99", "92+", "92", "90+", "90", "90-", "88", "85", "75"}));
    Items bins{"C3", "A1", "10", "B12", "B2", "2", "A1.5", "Z", "a1"};
    DropdownList::sortBins(bins);
    EXPECT_EQ(bins, (Items{"2", "10", "A1", "A1.5", "B2", "B12", "C3", "Z", "a1"}));
}

TEST(DropdownList, ComparesBins) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"A2", "A10", -1}, {"A10", "A2", 1},   {"B1", "A10", 1},   {"A", "1", 1},      {"-", "A", -1},
        {"A", "A10", 0},   {"A1", "A1x", 0},   {"9", "10", -1},    {"1.5", "1.25", 1}, {"a", "B", 1},
        {"", "A", 0},      {"A-1", "A-2", -1}, {"A1b", "A1c", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DropdownList::compareBins(c.a, c.b), c.expected) << c.a << " vs " << c.b;
}

TEST_F(DropdownListTest, FindListKeepsTwentyRecentTextsAndAddAllIgnoresCaseDuplicates) {
    Items recent;
    for (int i = 1; i <= 21; ++i)
        DropdownList::rememberSearchText(recent, "text" + std::to_string(i));
    DropdownList::rememberSearchText(recent, "text5"); // already there: stays where it is
    ASSERT_TRUE(
        DropdownList::writeItems(m_folder / "find.cbi", recent, DropdownList::kFindListLimit).empty());
    const Items written = DropdownList::readItems(m_folder / "find.cbi");
    ASSERT_EQ(written.size(), 20u);
    EXPECT_EQ(written.front(), "text21");
    EXPECT_EQ(written.back(), "text2"); // text1 was pushed out

    Items producers{"Ridge"};
    DropdownList::addMissingItems(producers, {"ridge", "Lafon", "", "LAFON", "Ridge"}, false);
    EXPECT_EQ(producers, (Items{"Ridge", "Lafon"}));
    Items bins;
    DropdownList::addMissingItems(bins, {"A3-2, B5", "b5,  C1 ,", "a3"}, true);
    EXPECT_EQ(bins, (Items{"A3", "B5", "C1"}));
}
