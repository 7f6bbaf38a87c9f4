#include "core/editing/DateEditRules.h"
#include "core/model/Today.h"
#include "helpers/StepCases.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace {

// A zone west of UTC+4 with daylight saving time, so that noon-based day steps meet DST changes.
class DateEditRulesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
        tzset();
    }
    void TearDown() override { setTodayOverride(std::nullopt); }
};

} // namespace

// An empty field steps to today.
TEST_F(DateEditRulesTest, StepsByDayMonthOrYearWithinTheYears1970To2035) {
    setTodayOverride(CalendarDate{2003, 7, 4});
    const StepCase cases[] = {
        {"", 1, "", "7-4-03"},
        {"", -1, "CS", "7-4-03"},
        {"2-28-96", 1, "", "2-29-96"},
        {"2-28-97", 1, "", "3-1-97"},
        {"1-1-97", -1, "", "12-31-96"},
        {"1-31-97", 1, "C", "3-3-97"},
        {"1-15-97", -1, "C", "12-15-96"},
        {"3-31-97", -1, "C", "3-3-97"},
        {"2-10-96", 1, "C", "3-10-96"},
        {"3-10-97", -1, "CS", "2-10-97"},
        {"6-15-35", 1, "S", "6-15-35"},
        {"6-15-70", -1, "S", "6-15-70"},
        {"2-29-96", 1, "S", "2-29-97"},
        {"6-15-99", 1, "S", "6-15-00"},
        {"6-15-90", 3, "S", "6-15-93"},
        {"13-40-90", 1, "S", "13-40-91"},
        {"1-1-69", 1, "", "1-2-35"},
        {"12-31-35", 1, "", "12-31-35"},
        {"1-1-70", -1, "", "1-1-70"},
        {"1-32-97", 1, "", "2-2-97"},
        {"1-1-97", 5, "", "1-2-97"},
        {"4-6-97", 1, "", "4-7-97"},
        {"10-26-97", 1, "", "10-27-97"},
        {"10-27-97", -1, "", "10-26-97"},
        {"5-1", 1, "", "5-1"},
        {"abc", 1, "", "abc"},
    };
    expectSteps(DateEditRules::step, cases);
}

TEST(DateEditRules, ValidatesTheFormNotTheMonthLength) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},           {"10-31-92", true},  {"5-1-95", true},   {"2-30-95", true},
        {"12-31-00", true},   {"1-1-1995", false}, {"13-1-95", false}, {"5-1", false},
        {"0-1-95", false},    {"1-0-95", false},   {"1-32-95", false}, {"1-1-100", false},
        {"1--1-95", false},   {"1-1-95-", false},  {"-1-1-95", false}, {"010-31-92", false},
        {"10-31-092", false},
    };
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(DateEditRules::isValid(text), valid) << text;
    EXPECT_STREQ(DateEditRules::kInvalidMessage,
                 "Please enter a valid date formatted as\nmm-dd-yy, m-dd-yy, mm-d-yy, "
                 "or m-d-yy.\nFor example, 10-31-92 or 5-1-95.");
}
