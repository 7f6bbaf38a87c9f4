#include "core/editing/DateEditRules.h"
#include "core/editing/DecimalEditRules.h"
#include "core/editing/IntEditRules.h"
#include "core/editing/TypedCharacterFilter.h"
#include "core/model/Today.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <string>

namespace {

// Modifiers: C is Ctrl, S is Shift; Ctrl wins over Shift.
struct StepCase {
    const char* text;
    int delta;
    const char* modifiers;
    const char* expected;
};

template <typename Step, std::size_t N> void expectSteps(Step step, const StepCase (&cases)[N]) {
    for (const StepCase& c : cases) {
        const std::string modifiers = c.modifiers;
        EXPECT_EQ(step(c.text, c.delta, modifiers.find('C') != std::string::npos,
                       modifiers.find('S') != std::string::npos),
                  c.expected)
            << c.text << " delta " << c.delta << " " << c.modifiers;
    }
}

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
        {"", 1, "", "7-4-03"},           {"", -1, "CS", "7-4-03"},         {"2-28-96", 1, "", "2-29-96"},
        {"2-28-97", 1, "", "3-1-97"},    {"1-1-97", -1, "", "12-31-96"},   {"1-31-97", 1, "C", "3-3-97"},
        {"3-31-97", -1, "C", "3-3-97"},  {"2-10-96", 1, "C", "3-10-96"},   {"3-10-97", -1, "CS", "2-10-97"},
        {"6-15-35", 1, "S", "6-15-35"},  {"6-15-70", -1, "S", "6-15-70"},  {"2-29-96", 1, "S", "2-29-97"},
        {"6-15-99", 1, "S", "6-15-00"},  {"6-15-90", 3, "S", "6-15-93"},   {"13-40-90", 1, "S", "13-40-91"},
        {"1-1-69", 1, "", "1-2-35"},     {"12-31-35", 1, "", "12-31-35"},  {"1-1-70", -1, "", "1-1-70"},
        {"1-32-97", 1, "", "2-2-97"},    {"1-1-97", 5, "", "1-2-97"},      {"4-6-97", 1, "", "4-7-97"},
        {"10-26-97", 1, "", "10-27-97"}, {"10-27-97", -1, "", "10-26-97"}, {"5-1", 1, "", "5-1"},
        {"abc", 1, "", "abc"},
    };
    expectSteps(DateEditRules::step, cases);
}

TEST(DateEditRules, ValidatesTheFormNotTheMonthLength) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},          {"10-31-92", true}, {"5-1-95", true},   {"2-30-95", true},  {"12-31-00", true},
        {"1-1-1995", false}, {"13-1-95", false}, {"5-1", false},     {"0-1-95", false},  {"1-0-95", false},
        {"1-32-95", false},  {"1-1-100", false}, {"1--1-95", false}, {"1-1-95-", false}, {"-1-1-95", false},
    };
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(DateEditRules::isValid(text), valid) << text;
    EXPECT_STREQ(DateEditRules::kInvalidMessage,
                 "Please enter a valid date formatted as\nmm-dd-yy, m-dd-yy, mm-d-yy, "
                 "or m-d-yy.\nFor example, 10-31-92 or 5-1-95.");
}

TEST(DecimalEditRules, StepsByQuarterOneOrTenAndNeverBelowZero) {
    const StepCase cases[] = {
        {"12.5", 1, "", "12.75"}, {"12.5", 1, "S", "22.50"}, {"0.50", -1, "C", "0.00"},
        {"", 1, "", "0.25"},      {"x", -1, "", "0.00"},     {"3", 1, "CS", "4.00"},
        {"5", -1, "S", "0.00"},   {"1.3", 2, "", "1.80"},
    };
    expectSteps(DecimalEditRules::step, cases);
}

TEST(DecimalEditRules, NormalizesPlainNumbersOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"1.2.3", ""},  {"", ""},   {".", ""},   {"3", "3.00"}, {"12.5", "12.50"}, {"7", "7.00"},
        {".5", "0.50"}, {"-1", ""}, {"1,5", ""}, {"1 ", ""},    {"2.999", "3.00"},
    };
    for (const auto& [text, normalized] : cases)
        EXPECT_EQ(DecimalEditRules::normalizedText(text), normalized) << text;
}

TEST(IntEditRules, StepsWithinTheRange) {
    const auto counts = [](const std::string& text, int delta, bool ctrl, bool shift) {
        return IntEditRules::step(text, delta, ctrl, shift, {6, 12, 0, 2040});
    };
    const StepCase cases[] = {
        {"", 1, "", "1"},     {"2039", 1, "S", "2040"}, {"100", -1, "CS", "0"},
        {"5", 1, "C", "11"},  {"5", 1, "CS", "2040"},   {"3", -1, "C", "0"},
        {"abc", -1, "", "0"}, {"99999", 1, "", "2040"}, {"-5", 1, "", "0"},
        {"12", 2, "", "14"},  {"12", -2, "S", "0"},     {"2147483647", 1, "S", "2040"},
    };
    expectSteps(counts, cases);
    EXPECT_EQ(IntEditRules::step("1", 0, true, true, {6, 12, 5, 10}), "5");

    // The Vintage steps up to two years past the current one.
    setTodayOverride(CalendarDate{2026, 12, 5});
    const IntStepSettings vintage = IntEditRules::vintageSteps();
    EXPECT_EQ(IntEditRules::step("2019", 1, false, false, vintage), "2020");
    EXPECT_EQ(IntEditRules::step("1995", 1, false, true, vintage), "2028");
    setTodayOverride(std::nullopt);
}

TEST(IntEditRules, ValidatesTheFormNotTheRange) {
    const char* const negative = "Please enter a\nnon-negative integer";
    const char* const tooLong = "Please enter fewer characters.\n";
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"-5", false, negative}, {"12345678", false, tooLong},
        {"1234567", false, ""},  {"", false, negative},
        {"", true, ""},          {"99999", false, ""},
        {"1-2", true, negative}, {"-1234567", true, tooLong},
        {"0", false, ""},
    };
    for (const auto& [text, blankAllowed, message] : cases)
        EXPECT_EQ(IntEditRules::validationMessage(text, blankAllowed), std::string(message))
            << text << " blank " << blankAllowed;
}

TEST(TypedCharacterFilter, AcceptsItsOwnCharactersAndBackspaceOnly) {
    const std::string typed = "5/1/95 a.-\b\x03\x16\x18";
    std::string date;
    std::string decimal;
    for (char c : typed) {
        if (acceptsTypedCharacter(DateEditRules::kAcceptedCharacters, c))
            date += c;
        if (acceptsTypedCharacter(DecimalEditRules::kAcceptedCharacters, c))
            decimal += c;
    }
    EXPECT_EQ(date, "5195-\b");
    EXPECT_EQ(decimal, "5195.\b");
    EXPECT_EQ(IntEditRules::kAcceptedCharacters, DateEditRules::kAcceptedCharacters);
    EXPECT_FALSE(acceptsTypedCharacter(DateEditRules::kAcceptedCharacters, '\0'));
}
