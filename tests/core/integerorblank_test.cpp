#include "core/document/IntegerOrBlank.h"
#include "core/document/SortPrecedenceForm.h"

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

TEST(SortPrecedenceForm, NumberingStartsOnlyAfterClear) {
    SortPrecedenceForm form;
    form.setText(CWine::Producer, "7");
    EXPECT_FALSE(form.number(CWine::Producer));
    EXPECT_EQ(form.text(CWine::Producer), "7");

    form.setDescending(CWine::Cost, true);
    form.clear();
    EXPECT_EQ(form.text(CWine::Producer), "");
    EXPECT_FALSE(form.isDescending(CWine::Cost));
    EXPECT_TRUE(form.number(CWine::Producer));
    EXPECT_TRUE(form.number(CWine::Vintage));
    EXPECT_EQ(form.text(CWine::Producer), "1");
    EXPECT_EQ(form.text(CWine::Vintage), "2");
    EXPECT_EQ(form.nextNumber(), 3);

    form.endNumbering();
    EXPECT_FALSE(form.number(CWine::Cost));
    EXPECT_EQ(form.nextNumber(), 1);
}

TEST(SortPrecedenceForm, FillShowsTheNumbersAndTakeStopsAtTheFirstBadBoxWithTheBoxesBeforeItTaken) {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Cost, 3);
    precedence.setDescending(CWine::Cost, true);
    precedence.setPrecedence(CWine::Rating, 30); // as a damaged file may hold
    SortPrecedenceForm form;
    form.fill(precedence);
    EXPECT_EQ(form.text(CWine::Cost), "3");
    EXPECT_TRUE(form.isDescending(CWine::Cost));
    EXPECT_EQ(form.text(CWine::Rating), "");
    EXPECT_EQ(form.text(CWine::Vintage), "");

    form.setText(CWine::Producer, "1");
    form.setDescending(CWine::Producer, true);
    form.setText(CWine::Bins, "0"); // last box of the first column
    form.setText(CWine::Cost, "2"); // first box of the third column
    EXPECT_EQ(form.take(precedence), CWine::Bins);
    EXPECT_EQ(precedence.precedence(CWine::Producer), 1);
    EXPECT_TRUE(precedence.descending(CWine::Producer));
    EXPECT_EQ(precedence.precedence(CWine::Cost), 3);
    EXPECT_EQ(precedence.precedence(CWine::Rating), 30);
    EXPECT_EQ(SortPrecedenceForm::invalidNumberMessage(),
              "Please enter an integer between 1 and 25\nor leave this field blank.");

    form.setText(CWine::Bins, "");
    EXPECT_EQ(form.take(precedence), std::nullopt);
    EXPECT_EQ(precedence.precedence(CWine::Cost), 2);
    EXPECT_EQ(precedence.precedence(CWine::Rating), SortPrecedence::kNoKey);
}
