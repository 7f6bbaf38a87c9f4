#include "core/editing/IntEditRules.h"
#include "core/model/Today.h"
#include "helpers/StepCases.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

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
