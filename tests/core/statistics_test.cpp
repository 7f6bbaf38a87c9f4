#include "core/document/CBottlewrightDoc.h"
#include "core/document/Statistics.h"
#include "helpers/DocumentTestAccess.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

// At most one thousands separator, and below a thousand none even when the cents round up to one.
TEST(MoneyText, TwoDecimalsOneSeparatorAtMostAndOneLeadingMinus) {
    const std::pair<float, const char*> cases[] = {
        {0.0f, "$0.00"},
        {5.0f, "$5.00"},
        {12345.678f, "$12,345.68"},
        {1000.004f, "$1,000.00"},
        {1234567.5f, "$1234,567.50"},
        {1000.0f, "$1,000.00"},
        {1005.5f, "$1,005.50"},
        {999.999f, "$1000.00"},
        {-5.0f, "-$5.00"},
        {-1234.0f, "-$1,234.00"},
        {-1234567.5f, "-$1234,567.50"},
        {-0.001f, "$0.00"},
    };
    for (const auto& [amount, text] : cases)
        EXPECT_EQ(moneyText(amount), text) << amount;
    // Huge amounts still make a text.
    EXPECT_EQ(moneyText(4e12f).substr(0, 11), "$3999999983");
    EXPECT_NE(moneyText(3.4e38f).find(','), std::string::npos);
}

class StatisticsTest : public ::testing::Test {
protected:
    CWine& add(int left, int acquired, float cost, float value) {
        CWine& wine = *m_doc.focusEntry(m_doc.addNewEntry());
        wine.m_nNumberRemaining = left;
        wine.m_nNumberAcquired = acquired;
        wine.m_fCost = cost;
        wine.m_fValue = value;
        return wine;
    }

    // A start folder that does not exist: no precedence file is written.
    CBottlewrightDoc m_doc{std::filesystem::temp_directory_path() / "bw-statistics-absent" / "none"};
};

void expectTexts(const Statistics::Totals& totals, const Statistics::Texts& expected) {
    const Statistics::Texts texts = Statistics::texts(totals);
    EXPECT_EQ(texts.bottles, expected.bottles);
    EXPECT_EQ(texts.totalCost, expected.totalCost);
    EXPECT_EQ(texts.averageCost, expected.averageCost);
    EXPECT_EQ(texts.totalValue, expected.totalValue);
    EXPECT_EQ(texts.averageValue, expected.averageValue);
}

// A value below two cents is taken to be the cost; consumed is acquired less remaining.
TEST_F(StatisticsTest, ValueFallsBackToCostAndEachScopeCountsItsOwnEntries) {
    add(3, 5, 10.0f, 0.02f); // no value given: 10
    add(2, 2, 20.0f, 30.0f); // value 30
    add(4, 1, 10.0f, 0.03f); // a value of 3 cents; more left than acquired
    DocumentTestAccess::setFocusMembers(m_doc, {0});
    Statistics statistics = Statistics::compute(m_doc);
    EXPECT_EQ(statistics.focusSet.entries, 1);
    expectTexts(statistics.focusSet.remaining, {"3", "$30.00", "$10.00", "$30.00", "$10.00"});
    expectTexts(statistics.focusSet.consumed, {"2", "$20.00", "$10.00", "$20.00", "$10.00"});
    expectTexts(statistics.focusSet.acquired, {"5", "$50.00", "$10.00", "$50.00", "$10.00"});

    DocumentTestAccess::setFocusMembers(m_doc, {1});
    statistics = Statistics::compute(m_doc);

    EXPECT_EQ(statistics.workingFile.entries, 3);
    EXPECT_EQ(statistics.workingFile.remaining.bottles, 9);
    EXPECT_FLOAT_EQ(statistics.workingFile.remaining.cost, 30.0f + 40.0f + 40.0f);
    EXPECT_FLOAT_EQ(statistics.workingFile.remaining.value, 30.0f + 60.0f + 0.12f);
    EXPECT_EQ(statistics.workingFile.acquired.bottles, 8);
    EXPECT_EQ(statistics.workingFile.consumed.bottles, -1);
    EXPECT_EQ(Statistics::texts(statistics.workingFile.consumed).totalCost, "-$10.00");
    EXPECT_EQ(Statistics::texts(statistics.workingFile.consumed).averageCost, "$0.00");

    EXPECT_EQ(statistics.focusSet.entries, 1);
    expectTexts(statistics.focusSet.remaining, {"2", "$40.00", "$20.00", "$60.00", "$30.00"});

    DocumentTestAccess::setFocusMembers(m_doc, {});
    statistics = Statistics::compute(m_doc);
    EXPECT_EQ(statistics.focusSet.entries, 0) << "an empty Focus Set shows zeros";
    for (const Statistics::Totals* totals :
         {&statistics.focusSet.remaining, &statistics.focusSet.consumed, &statistics.focusSet.acquired})
        expectTexts(*totals, {"0", "$0.00", "$0.00", "$0.00", "$0.00"});
}

// Totals are kept in single precision: once a total reaches 2^24 dollars, adding one dollar at a time
// leaves it where it is, whereas a double-precision total would grow.
TEST_F(StatisticsTest, TotalsAreRoundedToSinglePrecisionAfterEveryAddition) {
    add(1, 1, 16777216.0f, 0.0f);
    for (int i = 0; i < 10; ++i)
        add(1, 1, 1.0f, 0.0f);
    const Statistics statistics = Statistics::compute(m_doc);
    EXPECT_EQ(statistics.workingFile.remaining.cost, 16777216.0f);
    EXPECT_EQ(statistics.workingFile.remaining.bottles, 11);
}

} // namespace
