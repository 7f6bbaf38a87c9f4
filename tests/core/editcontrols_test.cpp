#include "editing/DateEditRules.h"
#include "editing/DecimalEditRules.h"
#include "editing/IntEditRules.h"
#include "editing/TypedCharacterFilter.h"
#include "model/Today.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <string>

namespace {

enum Modifier { None, Ctrl, Shift, CtrlShift };

struct StepCase {
    const char* text;
    int delta;
    Modifier modifier;
    const char* expected;
};

bool ctrl(Modifier m) {
    return m == Ctrl || m == CtrlShift;
}
bool shift(Modifier m) {
    return m == Shift || m == CtrlShift;
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

TEST_F(DateEditRulesTest, StepsByDayMonthOrYearWithinTheYears1970To2035) {
    const StepCase cases[] = {
        {"2-28-96", 1, None, "2-29-96"},
        {"2-28-97", 1, None, "3-1-97"},
        {"1-1-97", -1, None, "12-31-96"},
        {"1-31-97", 1, Ctrl, "3-3-97"},
        {"3-31-97", -1, Ctrl, "3-3-97"},
        {"2-10-96", 1, Ctrl, "3-10-96"},
        {"3-10-97", -1, CtrlShift, "2-10-97"}, // Ctrl wins over Shift
        {"6-15-35", 1, Shift, "6-15-35"},
        {"6-15-70", -1, Shift, "6-15-70"},
        {"2-29-96", 1, Shift, "2-29-97"},
        {"6-15-99", 1, Shift, "6-15-00"},
        {"6-15-90", 3, Shift, "6-15-93"},
        {"13-40-90", 1, Shift, "13-40-91"},
        {"1-1-69", 1, None, "1-2-35"},
        {"12-31-35", 1, None, "12-31-35"},
        {"1-1-70", -1, None, "1-1-70"},
        {"1-32-97", 1, None, "2-2-97"},
        {"1-1-97", 5, None, "1-2-97"},
        {"4-6-97", 1, None, "4-7-97"},
        {"10-26-97", 1, None, "10-27-97"},
        {"10-27-97", -1, None, "10-26-97"},
        {"5-1", 1, None, "5-1"},
        {"abc", 1, None, "abc"},
    };
    for (const StepCase& c : cases)
        EXPECT_EQ(DateEditRules::step(c.text, c.delta, ctrl(c.modifier), shift(c.modifier)), c.expected)
            << c.text << " delta " << c.delta << " modifier " << c.modifier;
}

TEST_F(DateEditRulesTest, AnEmptyFieldStepsToToday) {
    setTodayOverride(CalendarDate{2003, 7, 4});
    EXPECT_EQ(DateEditRules::step("", 1, false, false), "7-4-03");
    EXPECT_EQ(DateEditRules::step("", -1, true, true), "7-4-03");
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
        {"12.5", 1, None, "12.75"}, {"12.5", 1, Shift, "22.50"}, {"0.50", -1, Ctrl, "0.00"},
        {"", 1, None, "0.25"},      {"x", -1, None, "0.00"},     {"3", 1, CtrlShift, "4.00"},
        {"5", -1, Shift, "0.00"},   {"1.3", 2, None, "1.80"},
    };
    for (const StepCase& c : cases)
        EXPECT_EQ(DecimalEditRules::step(c.text, c.delta, ctrl(c.modifier), shift(c.modifier)), c.expected)
            << c.text << " delta " << c.delta << " modifier " << c.modifier;
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
    const IntStepSettings counts{6, 12, 0, 2040};
    const StepCase cases[] = {
        {"", 1, None, "1"},     {"2039", 1, Shift, "2040"},  {"100", -1, CtrlShift, "0"},
        {"5", 1, Ctrl, "11"},   {"5", 1, CtrlShift, "2040"}, {"3", -1, Ctrl, "0"},
        {"abc", -1, None, "0"}, {"99999", 1, None, "2040"},  {"-5", 1, None, "0"},
        {"12", 2, None, "14"},  {"12", -2, Shift, "0"},      {"2147483647", 1, Shift, "2040"},
    };
    for (const StepCase& c : cases)
        EXPECT_EQ(IntEditRules::step(c.text, c.delta, ctrl(c.modifier), shift(c.modifier), counts),
                  c.expected)
            << c.text << " delta " << c.delta << " modifier " << c.modifier;
    EXPECT_EQ(IntEditRules::step("1995", 1, false, true, {10, 100, 0, 2010}), "2010");
    EXPECT_EQ(IntEditRules::step("1", 0, true, true, {6, 12, 5, 10}), "5");
}

TEST(IntEditRules, ValidatesTheFormNotTheRange) {
    const std::string notNonNegative = "Please enter a\nnon-negative integer";
    const std::string tooLong = "Please enter fewer characters.\n";
    const std::tuple<const char*, bool, std::string> cases[] = {
        {"-5", false, notNonNegative},
        {"12345678", false, tooLong},
        {"1234567", false, ""},
        {"", false, notNonNegative},
        {"", true, ""},
        {"99999", false, ""},
        {"1-2", true, notNonNegative},
        {"-1234567", true, tooLong},
        {"0", false, ""},
    };
    for (const auto& [text, blankAllowed, message] : cases)
        EXPECT_EQ(IntEditRules::validationMessage(text, blankAllowed), message)
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
