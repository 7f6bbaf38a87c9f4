#include "core/document/SortPrecedenceForm.h"

#include <gtest/gtest.h>

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
