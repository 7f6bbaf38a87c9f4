#include "core/document/CBottlewrightDoc.h"
#include "core/views/lists/BinList.h"
#include "core/views/lists/ListScrolling.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(BinList, ParsesNamesAndCounts) {
    using P = std::vector<BinList::Placement>;
    const struct {
        const char* bins;
        P expected;
    } cases[] = {
        {"A3", {{"A3", 6}}},       {"A3, B2", {{"A3", 1}, {"B2", 1}}}, {"A3-2, B2-4", {{"A3", 2}, {"B2", 4}}},
        {" C 1 -x", {{"C 1", 6}}}, // unreadable count: the single item holds all
        {"-3", {{"", 3}}},         {"", {{"AANot Listed", 6}}},        {"A,", {{"A", 1}}},
    };
    for (const auto& c : cases) {
        const P placements = BinList::parse(c.bins, 6);
        ASSERT_EQ(placements.size(), c.expected.size()) << c.bins;
        for (std::size_t i = 0; i < placements.size(); ++i) {
            EXPECT_EQ(placements[i].name, c.expected[i].name) << c.bins;
            EXPECT_EQ(placements[i].count, c.expected[i].count) << c.bins;
        }
    }
}

TEST(BinList, NameOrder) {
    EXPECT_LT(BinList::compareNames("A9", "A10"), 0);
    EXPECT_LT(BinList::compareNames("A1", "a1"), 0);
    EXPECT_GT(BinList::compareNames("A", "9"), 0);
    EXPECT_EQ(BinList::compareNames("A", "A1"), 0); // a beginning compares equal
    EXPECT_EQ(BinList::compareNames("", "B"), 0);
}

class BinListTest : public ::testing::Test {
protected:
    void add(int left, const char* bins) {
        CWine& wine = *m_doc.focusEntry(m_doc.addNewEntry());
        wine.m_nNumberRemaining = left;
        wine.m_strBins = bins;
        wine.m_strProducer = std::string("P").append(std::to_string(m_doc.entryCount() - 1));
    }
    std::vector<std::string> texts(int first, int count) const {
        std::vector<std::string> result;
        for (const BinList::Line& line : m_list.lines(first, count))
            result.push_back(std::string(BinList::lineX(line) == 10 ? "" : "  ") +
                             m_list.lineText(m_doc, line));
        return result;
    }
    CBottlewrightDoc m_doc{std::filesystem::temp_directory_path() / "bw-binlist-absent" / "none"};
    BinList m_list;
};

TEST_F(BinListTest, BinsSortedWithStartLinesTotalsAndLines) {
    add(6, "A10-2, a1-4");
    add(3, "");
    add(5, "A9");
    add(2, "A1,A10");
    add(4, "");
    m_list.rebuild(m_doc);
    EXPECT_EQ(m_list.totalLines(), 12);
    // Letters after digits: "AANot Listed" comes after "A10" but before the small "a1".
    EXPECT_EQ(texts(0, 100),
              (std::vector<std::string>{"A1 - 1", "  1 1993 P3  ", "A9 - 5", "  5 1993 P2  ", "A10 - 3",
                                        "  2 1993 P0  ", "  1 1993 P3  ", "AANot Listed - 7", "  3 1993 P1  ",
                                        "  4 1993 P4  ", "a1 - 4", "  4 1993 P0  "}));
    EXPECT_EQ(m_list.bins()[3].startLine, 7);
    EXPECT_EQ(m_list.binAtLine(7), 3);
    EXPECT_EQ(m_list.binAtLine(6), 2);
    EXPECT_EQ(m_list.binAtLine(12), -1);
    EXPECT_EQ(texts(9, 3), (std::vector<std::string>{"  4 1993 P4  ", "a1 - 4", "  4 1993 P0  "}));

    m_doc.discardNewEntry(4);
    EXPECT_EQ(texts(9, 1), (std::vector<std::string>{"  4 *****"}));
}

TEST(ListScrolling, ClampsToTheLastPageThenTheTop) {
    using ListScrolling::ScrollCode;
    EXPECT_EQ(ListScrolling::verticalTop(ScrollCode::PageDown, 0, 0, 100, 10), 9);
    EXPECT_EQ(ListScrolling::verticalTop(ScrollCode::ThumbPosition, 100, 0, 100, 10), 90);
    EXPECT_EQ(ListScrolling::verticalTop(ScrollCode::LineDown, 0, 0, 5, 10), 0);
    EXPECT_EQ(ListScrolling::verticalTop(ScrollCode::PageUp, 0, 3, 100, 10), 0);
    EXPECT_EQ(ListScrolling::verticalTop(ScrollCode::EndScroll, 0, 3, 100, 10), std::nullopt);
    EXPECT_EQ(ListScrolling::horizontalOffset(ScrollCode::PageDown, 0, 0, 600, 3600), 400);
    EXPECT_EQ(ListScrolling::horizontalOffset(ScrollCode::ThumbTrack, 5000, 0, 600, 3600), 3000);
    EXPECT_EQ(ListScrolling::horizontalOffset(ScrollCode::LineUp, 0, 5, 600, 3600), 0);
}

} // namespace
