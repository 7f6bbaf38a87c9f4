#include "core/editing/BinCheck.h"

#include <gtest/gtest.h>

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
