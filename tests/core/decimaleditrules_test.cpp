#include "core/editing/DecimalEditRules.h"
#include "helpers/StepCases.h"

#include <gtest/gtest.h>

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
