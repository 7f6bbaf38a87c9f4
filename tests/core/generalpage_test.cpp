#include "core/editing/BinCheck.h"
#include "core/editing/HistorySnapshot.h"
#include "core/model/Today.h"

#include <gtest/gtest.h>

namespace {

class HistorySnapshotTest : public ::testing::Test {
protected:
    void SetUp() override { setTodayOverride(CalendarDate{2001, 7, 3}); }
    void TearDown() override { setTodayOverride(std::nullopt); }
};

} // namespace

// A dash in front is part of the name; no number after the dash counts one bottle; the first empty item
// ends the list.
TEST(BinCheckTest, CountsBinsAndBottles) {
    EXPECT_EQ(countBins("A3-2, B5").bins, 2);
    EXPECT_EQ(countBins("A3-2, B5").bottles, 3);
    EXPECT_EQ(countBins("A3-x,B5-4").bottles, 5);
    EXPECT_EQ(countBins("-4,B5").bottles, 2);
    EXPECT_EQ(countBins("A1,,B2,C3").bins, 1);
    EXPECT_EQ(countBins("A1,B2,").bins, 2);
    EXPECT_EQ(countBins("").bins, 0);
}

TEST(BinCheckTest, WarnsOnlyForTwoOrMoreBinsThatDisagree) {
    EXPECT_FALSE(binsDisagreeWithBottlesLeft("A3-2, B5", 3));
    EXPECT_TRUE(binsDisagreeWithBottlesLeft("A3-2, B5", 4));
    for (int left : {0, 1, 7})
        EXPECT_FALSE(binsDisagreeWithBottlesLeft("A3", left));
    EXPECT_FALSE(binsDisagreeWithBottlesLeft("A3-6", 1));
    EXPECT_FALSE(binsDisagreeWithBottlesLeft("", 5));
}

TEST_F(HistorySnapshotTest, EachChangeGivesOneItemAgainstTheLastRecordedAndNoChangeNothing) {
    HistorySnapshot snapshot = HistorySnapshot::take(12, "10.00", "15.00");
    EXPECT_EQ(snapshot.record(12, "10.00", "15.00"), std::nullopt);
    EXPECT_EQ(snapshot.record(12, "10", "15.0"), std::nullopt);
    EXPECT_EQ(snapshot.record(11, "10.00", "15.00"),
              std::string("7-3-1\t11\t12\t10.00\t10.00\t15.00\t15.00\x06"));
    EXPECT_EQ(snapshot.record(11, "10.00", "15.00"), std::nullopt);
    EXPECT_EQ(snapshot.record(10, "10.50", "15.00"),
              std::string("7-3-1\t10\t11\t10.50\t10.00\t15.00\t15.00\x06"));
    EXPECT_EQ(snapshot.bottlesLeft(), 10);
}

TEST_F(HistorySnapshotTest, ValueBelowTwoCentsIsTheCostAndAnUnreadableCostZero) {
    HistorySnapshot snapshot = HistorySnapshot::take(6, "8.00", "0.01");
    EXPECT_FLOAT_EQ(snapshot.value(), 8.0f);
    EXPECT_EQ(snapshot.record(6, "8.00", "8.00"), std::nullopt);
    EXPECT_EQ(snapshot.record(6, "8.00", ""), std::nullopt);
    EXPECT_EQ(snapshot.record(6, "9.00", "0.01"), std::string("7-3-1\t6\t6\t9.00\t8.00\t9.00\t8.00\x06"));
    // two cents is already a value of its own
    EXPECT_EQ(snapshot.record(6, "9.00", "0.02"), std::string("7-3-1\t6\t6\t9.00\t9.00\t0.02\t9.00\x06"));

    // An unreadable cost counts as zero.
    HistorySnapshot unread = HistorySnapshot::take(1, "", "");
    EXPECT_FLOAT_EQ(unread.cost(), 0.0f);
    EXPECT_EQ(unread.record(1, "abc", ""), std::nullopt);
    EXPECT_EQ(unread.record(2, "", "3"), std::string("7-3-1\t2\t1\t0.00\t0.00\t3.00\t0.00\x06"));
}
