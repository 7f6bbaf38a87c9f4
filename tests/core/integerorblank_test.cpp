#include "core/document/IntegerOrBlank.h"

#include <gtest/gtest.h>

// Blank value 25 in the range 1..25, as the Sort Precedence boxes use it.
TEST(IntegerOrBlank, BlankValueAndOutOfRangeShowAsEmptyBoxesAndAnEmptyBoxGivesTheBlankValue) {
    EXPECT_EQ(IntegerOrBlank::toText(25, 25, 1, 25), "");
    EXPECT_EQ(IntegerOrBlank::toText(0, 25, 1, 25), "");
    EXPECT_EQ(IntegerOrBlank::toText(26, 30, 1, 25), "");
    EXPECT_EQ(IntegerOrBlank::toText(1, 25, 1, 25), "1");
    EXPECT_EQ(IntegerOrBlank::toText(-3, 0, -5, 5), "-3");

    // Only the first thirty-one characters are read.
    const std::string blanks(30, ' ');
    const std::pair<std::string, std::optional<int>> cases[] = {{"", 25},
                                                                {"25", 25},
                                                                {" 7", 7},
                                                                {"12th", 12},
                                                                {"0", std::nullopt},
                                                                {"26", std::nullopt},
                                                                {"x", std::nullopt},
                                                                {" ", std::nullopt},
                                                                {blanks + "9", 9},
                                                                {blanks + " 9", std::nullopt},
                                                                {blanks + "19", 1}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(IntegerOrBlank::fromText(text, 25, 1, 25), value) << '"' << text << '"';

    // A failed take leaves the member as read.
    int member = 4;
    EXPECT_FALSE(IntegerOrBlank::take("26", member, 25, 1, 25));
    EXPECT_EQ(member, 26);
    member = 4;
    EXPECT_FALSE(IntegerOrBlank::take("abc", member, 25, 1, 25));
    EXPECT_EQ(member, 4);
    EXPECT_EQ(IntegerOrBlank::message(1, 25),
              "Please enter an integer between 1 and 25\nor leave this field blank.");
}
