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
