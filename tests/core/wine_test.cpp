#include "model/CWine.h"
#include "model/Today.h"
#include "model/WineDates.h"

#include <gtest/gtest.h>

TEST(WineRecord, NewEntryHasTheDefaults) {
    const CWine wine;
    EXPECT_EQ(wine.m_nVintage, 1993);
    EXPECT_EQ(wine.m_nNumberRemaining, 0);
    EXPECT_EQ(wine.m_fCost, 0.0f);
    EXPECT_EQ(wine.m_fValue, 0.0f);
    EXPECT_EQ(wine.m_nLetterColor, CWine::Black);
    EXPECT_TRUE(wine.m_strNotes.empty());
}

TEST(WineRecord, DescriptionOfNonVintageWineHasLeadingBlanksAndTrailingBlank) {
    CWine wine;
    wine.m_nVintage = 0;
    wine.m_strProducer = "A";
    wine.m_strAppellation = "B";
    EXPECT_EQ(wine.description(), "  NV A B ");
    wine.m_nVintage = 1990;
    wine.m_strProducer = "X";
    wine.m_strAppellation = "Y";
    wine.m_strDesignation = "Z";
    EXPECT_EQ(wine.description(), "1990 X Y Z");
}

TEST(WineRecord, EffectiveValueFallsBackToCostAtOrBelowTwoCents) {
    CWine wine;
    wine.m_fCost = 12.50f;
    wine.m_fValue = 0.02f;
    EXPECT_FLOAT_EQ(wine.effectiveValue(), 12.50f);
    wine.m_fValue = 0.03f;
    EXPECT_FLOAT_EQ(wine.effectiveValue(), 0.03f);
    wine.m_fValue = 0.0f;
    EXPECT_FLOAT_EQ(wine.effectiveValue(), 12.50f);
}

TEST(WineRecord, NumberConsumedIsAcquiredLessRemaining) {
    CWine wine;
    wine.m_nNumberAcquired = 12;
    wine.m_nNumberRemaining = 5;
    EXPECT_EQ(wine.numberConsumed(), 7);
}

class PartialCopy : public ::testing::Test {
protected:
    void SetUp() override { setTodayOverride(CalendarDate{2001, 7, 3}); }
    void TearDown() override { setTodayOverride(std::nullopt); }
};

TEST_F(PartialCopy, KeepsNamesAndAmountsAndStartsBottlesAndHistoryAfresh) {
    CWine source;
    source.m_nVintage = 1985;
    source.m_strProducer = "Latour";
    source.m_strDesignation = "Grand Vin";
    source.m_strWineType = "Red";
    source.m_strAppellation = "Pauillac";
    source.m_strRegion = "Bordeaux";
    source.m_fCost = 80.0f;
    source.m_fValue = 400.0f;
    source.m_nNumberAcquired = 12;
    source.m_nNumberRemaining = 6;
    source.m_strDateAcquired = "3-1-88";
    source.m_strTryDate = "1-1-00";
    source.m_strDrinkDate = "1-1-10";
    source.m_strRating = "95+";
    source.m_strCountry = "France";
    source.m_strBins = "A3-2, B5";
    source.m_strVendor = "Shop";
    source.m_strUser1 = "u1";
    source.m_strUser5 = "u5";
    source.m_strHistory = "1-1-99\t6\t12\t80.00\t80.00\t400.00\t400.00\x06";
    source.m_strSpare = "spare";
    source.m_strDateModified = "1-1-99";
    source.m_nLetterColor = CWine::Red;
    source.m_strNotes = "Notes";

    CWine copy = source; // a filled entry, so that every cleared field is really cleared
    copy.m_strProducer = "Old";
    copy.copyFrom(source, false);
    CWine expected = source;
    expected.m_strBins.clear();
    expected.m_strDateAcquired.clear();
    expected.m_strHistory.clear();
    expected.m_strNotes.clear();
    expected.m_nNumberAcquired = 0;
    expected.m_nNumberRemaining = 0;
    expected.m_nLetterColor = CWine::Black;
    expected.m_strDateModified = "7-3-1";
    EXPECT_EQ(copy, expected);
    EXPECT_EQ(copy.m_strDateModified, "7-3-1");
    EXPECT_TRUE(copy.m_strBins.empty());
    EXPECT_TRUE(copy.m_strHistory.empty());
    EXPECT_TRUE(copy.m_strNotes.empty());
    EXPECT_TRUE(copy.m_strDateAcquired.empty());
    EXPECT_EQ(copy.m_nNumberAcquired, 0);
    EXPECT_EQ(copy.m_nNumberRemaining, 0);
    EXPECT_EQ(copy.m_nLetterColor, CWine::Black);
    EXPECT_EQ(copy.m_nVintage, 1985);
    EXPECT_EQ(copy.m_strProducer, "Latour");
    EXPECT_EQ(copy.m_strDesignation, "Grand Vin");
    EXPECT_EQ(copy.m_fValue, 400.0f);
    EXPECT_EQ(copy.m_strRating, "95+");
    EXPECT_EQ(copy.m_strUser1, "u1");
    EXPECT_EQ(copy.m_strUser5, "u5");
    EXPECT_EQ(copy.m_strSpare, "spare");

    CWine whole;
    whole.copyFrom(source, true);
    EXPECT_EQ(whole, source);
}

TEST(WineRecord, TextFieldAccessorNamesEachTextFieldByIndex) {
    CWine wine;
    const std::string* expected[CWine::FieldCount] = {nullptr,
                                                      &wine.m_strProducer,
                                                      &wine.m_strAppellation,
                                                      &wine.m_strDesignation,
                                                      &wine.m_strWineType,
                                                      nullptr,
                                                      nullptr,
                                                      nullptr,
                                                      &wine.m_strBins,
                                                      &wine.m_strRegion,
                                                      &wine.m_strRating,
                                                      &wine.m_strTryDate,
                                                      &wine.m_strDrinkDate,
                                                      &wine.m_strNotes,
                                                      &wine.m_strCountry,
                                                      &wine.m_strVendor,
                                                      &wine.m_strUser1,
                                                      &wine.m_strUser2,
                                                      &wine.m_strUser3,
                                                      &wine.m_strUser4,
                                                      &wine.m_strUser5,
                                                      &wine.m_strDateModified,
                                                      nullptr,
                                                      &wine.m_strDateAcquired,
                                                      nullptr};
    for (int field = 0; field < CWine::FieldCount; ++field)
        EXPECT_EQ(wine.textField(field), expected[field]) << field;
    EXPECT_EQ(wine.textField(-1), nullptr);
    EXPECT_EQ(wine.textField(25), nullptr);
}

TEST(WineDates, ReadsPartialDatesAndWidensTwoDigitYears) {
    EXPECT_EQ(parseWineDate("10-31-92").year, 1992);
    const WineDate monthYear = parseWineDate("5-95");
    EXPECT_EQ(monthYear.month, 5);
    EXPECT_EQ(monthYear.year, 1995);
    EXPECT_EQ(monthYear.day, 0);
    const WineDate yearOnly = parseWineDate("49");
    EXPECT_EQ(yearOnly.year, 2049);
    EXPECT_EQ(yearOnly.month, 0);
    const WineDate none = parseWineDate("NV");
    EXPECT_EQ(none.year, -1);
    EXPECT_EQ(none.month, -1);
    EXPECT_EQ(none.day, -1);
    EXPECT_EQ(parseWineDate("1-1-1999").year, 1999);
    EXPECT_EQ(parseWineDate("1-1-0").year, 0);
    EXPECT_EQ(parseWineDate("1-1-50").year, 1950);
    EXPECT_EQ(parseWineDate("1-1-99").year, 1999);
    EXPECT_EQ(parseWineDate("1-1-100").year, 100);
    EXPECT_EQ(parseWineDate("1-1--5").year, -5);
}

TEST(WineDates, ExtremeDaysCompareWithoutOverflow) {
    EXPECT_EQ(compareDates("1-2147483647-1", "1--2147483648-1"), 1);
}

TEST(WineDates, ComparesByWidenedYearThenMonthThenDay) {
    EXPECT_EQ(compareDates("1-1-49", "12-31-99"), 1);
    EXPECT_EQ(compareDates("5-95", "5-1-95"), -1);
    EXPECT_EQ(compareDates("", "1-1-50"), -1);
    EXPECT_EQ(compareDates("3-4-05", "3-4-05"), 0);
    EXPECT_EQ(compareDates("3-5-05", "3-4-05"), 1);
    EXPECT_EQ(compareDates("2-30-05", "3-1-05"), -1);
}

TEST(NumberText, OrdersNumbersByValueAndDigitsBeforeLetters) {
    EXPECT_EQ(compareNumberText("Bin 9", "Bin 10", false), -1);
    EXPECT_EQ(compareNumberText("9", "10", true), -1);
    EXPECT_EQ(compareNumberText("A", "9", false), 1);
    EXPECT_EQ(compareNumberText("9", "A", false), -1);
    EXPECT_EQ(compareNumberText("", "", false), 0);
    EXPECT_EQ(compareNumberText("A3-2", "A3-2", false), 0);
    EXPECT_EQ(compareNumberText("A3", "A3-2", false), -1);
    EXPECT_EQ(compareNumberText("9.5", "9.25", false), 1);
    // Once the numbers at a position are equal, the characters there are not compared.
    EXPECT_EQ(compareNumberText("05", "5 ", false), 1);
}

TEST(NumberText, PlusOutranksLettersInRatingModeOnly) {
    EXPECT_EQ(compareNumberText("+", "A", true), 1);
    EXPECT_EQ(compareNumberText("+", "A", false), -1);
}

TEST(NumberText, RatingModeRanksMinusBelowAndPlusAbove) {
    EXPECT_EQ(compareNumberText("90-", "90", true), -1);
    EXPECT_EQ(compareNumberText("90", "90-", true), 1);
    EXPECT_EQ(compareNumberText("90", "90+", true), -1);
    EXPECT_EQ(compareNumberText("90+", "90", true), 1);
    EXPECT_EQ(compareNumberText("90-", "90+", true), -1);
    EXPECT_EQ(compareNumberText("90-", "90", false), 1);
}

TEST(NumberText, EmptyAgainstLoneMinusDependsOnMode) {
    EXPECT_EQ(compareNumberText("", "-", false), -1);
    EXPECT_EQ(compareNumberText("", "-", true), 1);
    EXPECT_EQ(compareNumberText("-", "", true), -1);
    EXPECT_EQ(compareNumberText("-", "", false), 1);
}

TEST(NumberText, OtherCharactersCompareAsSignedBytes) {
    // 0xE9 is negative as a signed byte, so it sorts before a blank.
    EXPECT_EQ(compareNumberText("\xE9", " ", false), -1);
    EXPECT_EQ(compareNumberText("a", "b", false), -1);
}
